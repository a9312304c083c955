#include "app/window_layout.h"

#include <commctrl.h>

#include "app/web_browser_host.h"
#include "text/codepage.h"
#include "text/gbk.h"

namespace {

constexpr wchar_t TRANSPARENT_LABEL_CLASS[] = L"QitongTransparentLabel";
constexpr UINT_PTR FORWARD_SUBCLASS_ID = 1;
constexpr UINT_PTR HAND_CURSOR_SUBCLASS_ID = 2;

// Container controls (the tab control, the picture box) pass their
// children's notifications on to the top-level window, so every handler
// lives in one window procedure.
LRESULT CALLBACK forward_to_root(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_DRAWITEM:
            return SendMessageW(GetAncestor(hwnd, GA_ROOT), message, wparam, lparam);
        default:
            return DefSubclassProc(hwnd, message, wparam, lparam);
    }
}

LRESULT CALLBACK hand_cursor(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
    if (message == WM_SETCURSOR) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    }
    return DefSubclassProc(hwnd, message, wparam, lparam);
}

// An invisible label over a picture: draws nothing, shows a hand, and
// reports a press of the left button as a click to the top-level window.
LRESULT CALLBACK transparent_label_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(hwnd, &ps);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_SETCURSOR:
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        case WM_LBUTTONDOWN:
            SendMessageW(GetAncestor(hwnd, GA_ROOT), WM_COMMAND,
                         MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED), reinterpret_cast<LPARAM>(hwnd));
            return 0;
        default:
            return DefWindowProcW(hwnd, message, wparam, lparam);
    }
}

void register_transparent_label(HINSTANCE instance) {
    WNDCLASSW wc{};
    if (GetClassInfoW(instance, TRANSPARENT_LABEL_CLASS, &wc)) return;
    wc.lpfnWndProc = transparent_label_proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_HAND);
    wc.lpszClassName = TRANSPARENT_LABEL_CLASS;
    RegisterClassW(&wc);
}

struct Shape {
    const wchar_t* window_class;
    DWORD style;
    DWORD ex_style;
};

Shape shape_of(ControlKind kind) {
    constexpr DWORD CHILD = WS_CHILD | WS_VISIBLE;
    switch (kind) {
        case ControlKind::TabControl: return {WC_TABCONTROLW, CHILD | WS_CLIPSIBLINGS, 0};
        case ControlKind::StatusBar: return {STATUSCLASSNAMEW, CHILD, 0};
        case ControlKind::ListView:
            // Virtual: the rows' texts are kept by the program (see check/list_rows.h).
            return {WC_LISTVIEWW, CHILD | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER | LVS_OWNERDATA,
                    WS_EX_CLIENTEDGE};
        case ControlKind::Label: return {L"STATIC", CHILD | SS_LEFT, 0};
        case ControlKind::Edit: return {L"EDIT", CHILD | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::MultiLineEdit:
            return {L"EDIT", CHILD | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::ReadOnlyEdit:
            return {L"EDIT", CHILD | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY, WS_EX_CLIENTEDGE};
        case ControlKind::PushButton: return {L"BUTTON", CHILD | WS_TABSTOP | BS_PUSHBUTTON, 0};
        case ControlKind::RadioButton: return {L"BUTTON", CHILD | BS_AUTORADIOBUTTON, 0};
        case ControlKind::HyperlinkLabel: return {L"STATIC", CHILD | SS_LEFT | SS_NOTIFY, 0};
        case ControlKind::PictureBox: return {L"STATIC", CHILD | SS_BITMAP | SS_NOTIFY, 0};
        case ControlKind::TransparentLabel: return {TRANSPARENT_LABEL_CLASS, CHILD, WS_EX_TRANSPARENT};
        case ControlKind::ProgressBar: return {PROGRESS_CLASSW, CHILD, 0};
        case ControlKind::WebBrowser: break;
    }
    return {L"STATIC", CHILD, 0};
}

HFONT underlined(HFONT font) {
    static HFONT made = nullptr;  // one per process; lives as long as the windows may
    if (made) return made;
    LOGFONTW lf{};
    GetObjectW(font, sizeof lf, &lf);
    lf.lfUnderline = TRUE;
    made = CreateFontIndirectW(&lf);
    return made;
}

}  // namespace

void ControlSet::add(const std::string& name, HWND hwnd, int id, int page) {
    by_name_[name] = Entry{hwnd, id, page};
    if (id) by_id_[id] = name;
}

HWND ControlSet::get(const std::string& name) const {
    auto it = by_name_.find(name);
    return it == by_name_.end() ? nullptr : it->second.hwnd;
}

std::string ControlSet::name_of(int id) const {
    auto it = by_id_.find(id);
    return it == by_id_.end() ? std::string() : it->second;
}

int ControlSet::id_of(const std::string& name) const {
    auto it = by_name_.find(name);
    return it == by_name_.end() ? 0 : it->second.id;
}

void ControlSet::show_page(int page) const {
    for (const auto& [name, entry] : by_name_)
        if (entry.page >= 0 && entry.hwnd) ShowWindow(entry.hwnd, entry.page == page ? SW_SHOW : SW_HIDE);
}

HMENU ControlSet::menu(const std::string& name) const {
    auto it = menus_.find(name);
    return it == menus_.end() ? nullptr : it->second;
}

void ControlSet::add_menu(const std::string& name, HMENU menu) { menus_[name] = menu; }

void ControlSet::clear() {
    for (auto& [name, menu] : menus_) DestroyMenu(menu);
    by_name_.clear();
    by_id_.clear();
    menus_.clear();
}

void build_layout(HWND window, const WindowLayout& layout, HFONT default_font, ControlSet& controls) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    register_transparent_label(instance);
    bool previous_was_radio = false;
    for (std::size_t i = 0; i < layout.control_count; ++i) {
        const ControlSpec& spec = layout.controls[i];
        const int id = FIRST_CONTROL_ID + static_cast<int>(i);
        HWND parent = *spec.parent ? controls.get(spec.parent) : window;
        if (!parent) continue;

        if (spec.kind == ControlKind::WebBrowser) {
            HWND browser = create_web_browser(parent, spec.x, spec.y, spec.width, spec.height, spec.text, id);
            controls.add(spec.name, browser, id, spec.page);
            previous_was_radio = false;
            continue;
        }

        Shape shape = shape_of(spec.kind);
        const bool radio = spec.kind == ControlKind::RadioButton;
        // A radio group starts at its first button and ends at the next control.
        if (!radio || !previous_was_radio) shape.style |= WS_GROUP;
        previous_was_radio = radio;
        if (spec.disabled) shape.style |= WS_DISABLED;
        if (spec.hidden) shape.style &= ~WS_VISIBLE;

        const bool has_caption = spec.kind != ControlKind::TabControl && spec.kind != ControlKind::PictureBox &&
                                 spec.kind != ControlKind::ProgressBar;
        std::wstring caption = has_caption ? gbk::to_wide(spec.text) : std::wstring();
        HWND hwnd = CreateWindowExW(shape.ex_style, shape.window_class, caption.c_str(), shape.style, spec.x, spec.y,
                                    spec.width, spec.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                    instance, nullptr);
        if (!hwnd) continue;
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(default_font), FALSE);

        switch (spec.kind) {
            case ControlKind::TabControl: {
                int index = 0;
                for (const std::string& tab : gbk::split(spec.text, "|")) {
                    std::wstring label = gbk::to_wide(tab);
                    TCITEMW item{};
                    item.mask = TCIF_TEXT;
                    item.pszText = label.data();
                    SendMessageW(hwnd, TCM_INSERTITEMW, index++, reinterpret_cast<LPARAM>(&item));
                }
                SetWindowSubclass(hwnd, forward_to_root, FORWARD_SUBCLASS_ID, 0);
                break;
            }
            case ControlKind::StatusBar:
                SendMessageW(hwnd, SB_SETPARTS, layout.status_part_count,
                             reinterpret_cast<LPARAM>(layout.status_part_widths));
                break;
            case ControlKind::ListView:
                SendMessageW(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
                if (layout.list_name && std::string(layout.list_name) == spec.name) {
                    for (std::size_t c = 0; c < layout.column_count; ++c) {
                        std::wstring title = gbk::to_wide(layout.columns[c].title);
                        LVCOLUMNW column{};
                        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
                        column.fmt = LVCFMT_LEFT;
                        column.cx = layout.columns[c].width;
                        column.pszText = title.data();
                        SendMessageW(hwnd, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
                    }
                }
                break;
            case ControlKind::HyperlinkLabel:
                SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(underlined(default_font)), FALSE);
                SetWindowSubclass(hwnd, hand_cursor, HAND_CURSOR_SUBCLASS_ID, 0);
                break;
            case ControlKind::PictureBox: {
                HBITMAP picture = *spec.text ? LoadBitmapW(instance, MAKEINTRESOURCEW(gbk::number_from_text(spec.text)))
                                             : nullptr;
                if (picture) SendMessageW(hwnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
                SetWindowSubclass(hwnd, forward_to_root, FORWARD_SUBCLASS_ID, 0);
                break;
            }
            default:
                break;
        }
        controls.add(spec.name, hwnd, id, spec.page);
    }

    for (std::size_t i = 0; i < layout.menu_item_count; ++i) {
        const MenuItemSpec& item = layout.menu_items[i];
        HMENU menu = controls.menu(item.menu);
        if (!menu) {
            menu = CreatePopupMenu();
            controls.add_menu(item.menu, menu);
        }
        AppendMenuW(menu, MF_STRING, item.command, gbk::to_wide(item.text).c_str());
    }
    controls.show_page(0);
}

HFONT interface_font() {
    static HFONT font = [] {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
            return CreateFontIndirectW(&metrics.lfMessageFont);
        return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }();
    return font;
}

std::string control_text(HWND control) {
    int length = GetWindowTextLengthW(control);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    int got = GetWindowTextW(control, text.data(), length + 1);
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return gbk::from_wide(text);
}

void set_control_text(HWND control, const std::string& text) {
    SetWindowTextW(control, gbk::to_wide(text).c_str());
    // Labels draw on their parent's background, so the parent repaints the
    // place under a label whose text changed, or the old text would show through.
    wchar_t window_class[16] = {};
    HWND parent = GetParent(control);
    if (!parent || !GetClassNameW(control, window_class, 16) || lstrcmpiW(window_class, L"Static") != 0) return;
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    RedrawWindow(parent, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void append_control_text(HWND edit, const std::string& text) {
    int end = GetWindowTextLengthW(edit);
    SendMessageW(edit, EM_SETSEL, end, end);
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(gbk::to_wide(text).c_str()));
}
