#include "app/main_window.h"

#include <commctrl.h>

#include "app/global_state.h"
#include "app/main_window_handlers.h"
#include "app/seams.h"
#include "app/tray.h"
#include "app/ui_post.h"
#include "check/batch.h"
#include "check/list_rows.h"
#include "check/single_query.h"
#include "config/bootstrap.h"
#include "endpoints.h"
#include "main_window_layout.h"
#include "resource_ids.h"
#include "text/codepage.h"

namespace {

constexpr wchar_t MAIN_WINDOW_CLASS[] = L"QitongMainWindow";
constexpr UINT_PTR CONFIG_TIMER_ID = 1;  // 时钟_网站配置
constexpr COLORREF HINT_COLOUR = RGB(255, 0, 0);
constexpr COLORREF LINK_COLOUR = RGB(0, 0, 255);
constexpr int HELP_LINK_ID = FIRST_CONTROL_ID + 900;

ControlSet controls;
unsigned window_serial = 0;
// The control that gets the keyboard focus when the window is activated or
// the panel is unlocked: a control in the locked panel cannot hold the
// focus yet, so the wish is kept until it can.
HWND focus_target = nullptr;
std::string dialog_directory;
HFONT hint_font = nullptr;

HFONT make_hint_font() {
    return CreateFontW(-12, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"微软雅黑");
}

std::string current_directory() {
    wchar_t buffer[MAX_PATH * 2] = {};
    DWORD n = GetCurrentDirectoryW(static_cast<DWORD>(sizeof buffer / sizeof buffer[0]), buffer);
    return n ? gbk::from_wide(buffer) : std::string();
}

// The creation handler: everything the user sees in the first moments.
void on_main_window_created(HWND window) {
    GlobalState& state = global_state();
    state.app_version = "1.0";
    install_tray_icon(window, std::string("禾木旗下软件\r\n名称：栖桐\r\n禾木网址：") + QITONG_HOME_PAGE,
                      on_tray_mouse);
    set_control_text(window, "栖桐 V" + state.app_version + "  客服QQ:" + QITONG_CONTACT_NUMBER);
    state.balloon_title = "栖桐 V" + state.app_version;
    state.balloon_text = "当前版本：" + state.app_version + "  发布时间：2013.8.1\r\n-------------\r\n禾木网址：" +
                         QITONG_HOME_PAGE;
    dialog_directory = current_directory();
    SendMessageW(controls.get("单选框_查询全部"), BM_SETCHECK, BST_CHECKED, 0);
    focus_target = controls.get("按钮_查询");
    SetFocus(focus_target);
    set_status_text(0, " 正在加载...");
    set_status_text(1, " 面板已锁定，请等待加载完成哦(大约需要1-10秒)");
    SetTimer(window, CONFIG_TIMER_ID, seams().config_timer_ms, nullptr);
}

// Without a web browser control the help tab offers a link that opens the
// help page in the browser instead.
void add_help_link_if_no_browser(HWND window) {
    if (controls.get("超文本浏览框3")) return;
    HWND tab = controls.get("选择夹1");
    const int id = HELP_LINK_ID;
    HWND link = CreateWindowExW(0, L"STATIC", gbk::to_wide("无法在窗口中显示使用帮助，点这里在浏览器中打开").c_str(),
                                WS_CHILD | SS_LEFT | SS_NOTIFY, 16, 40, 520, 20, tab,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)), nullptr);
    if (!link) return;
    SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(interface_font()), FALSE);
    controls.add("链接_使用帮助", link, id, 1);
}

void on_create(HWND window) {
    global_state().main_window = window;
    ++window_serial;
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    HICON small_icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_QITONG), IMAGE_ICON, 16, 16, 0));
    HICON big_icon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_QITONG), IMAGE_ICON, 32, 32, 0));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon));
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_icon));
    if (!hint_font) hint_font = make_hint_font();
    controls.clear();
    build_layout(window, MAIN_WINDOW_LAYOUT, interface_font(), controls);
    delete_all_rows(controls.get("超级列表框1"));
    SendMessageW(controls.get("标签_提示"), WM_SETFONT, reinterpret_cast<WPARAM>(hint_font), FALSE);
    add_help_link_if_no_browser(window);
    on_main_window_created(window);
}

void open_page(const char* address) { seams().open_address(address); }

void on_command(HWND window, int id, int code) {
    switch (id) {
        case CMD_EXACT_CHECK: return on_exact_check_menu();
        case CMD_TRAY_SECOND_SITE_BOARD: return open_page(QITONG_BOARD_SECOND_SITE);
        case CMD_TRAY_FIRST_SITE_BOARD: return open_page(QITONG_BOARD_FIRST_SITE);
        case CMD_TRAY_HELP: return open_page(QITONG_TUTORIAL_PAGE);
        case CMD_TRAY_EXIT: DestroyWindow(window); return;
        default: break;
    }
    const std::string name = controls.name_of(id);
    if (name == "编辑框_检索间隔") {
        if (code == EN_CHANGE) on_interval_text_changed();
        return;
    }
    if (code != BN_CLICKED) return;  // also STN_CLICKED, which has the same value
    if (name == "按钮_查询") on_query_clicked();
    else if (name == "按钮_导入宝贝全称") import_titles();
    else if (name == "按钮_新增宝贝") add_titles();
    else if (name == "按钮_开始自动监测") start_monitoring();
    else if (name == "按钮_停止") stop_monitoring();
    else if (name == "按钮_精准查询") on_exact_check_clicked();
    else if (name == "按钮_清空宝贝全称") on_clear_title_clicked();
    else if (name == "超级链接框1" || name == "超级链接框3") open_page(QITONG_TUTORIAL_PAGE);
    else if (name == "链接_使用帮助") open_page(QITONG_HELP_PAGE);
    else if (name == "透明标签_荷塘软件") open_page(QITONG_BOARD_SECOND_SITE);
    else if (name == "透明标签_菱角软件") open_page(QITONG_BOARD_FIRST_SITE);
}

void on_notify(NMHDR& header) {
    const std::string name = controls.name_of(static_cast<int>(header.idFrom));
    if (name == "超级列表框1") {
        if (header.code == LVN_GETDISPINFOW) fill_row_display(reinterpret_cast<NMLVDISPINFOW&>(header));
        else if (header.code == NM_CLICK) on_list_left_click();
        else if (header.code == static_cast<UINT>(NM_RCLICK)) on_list_right_click();
    } else if (name == "选择夹1" && header.code == static_cast<UINT>(TCN_SELCHANGE)) {
        controls.show_page(static_cast<int>(SendMessageW(header.hwndFrom, TCM_GETCURSEL, 0, 0)));
    }
}

// Labels and radio buttons are drawn straight onto their page, whatever its background; the
// hint and the links have their own text colours. Read-only edit boxes
// report here too and keep their own look.
LRESULT on_static_colour(HWND window, HDC dc, HWND control, LPARAM lparam) {
    wchar_t window_class[16] = {};
    GetClassNameW(control, window_class, 16);
    if (lstrcmpiW(window_class, L"Static") != 0 && lstrcmpiW(window_class, L"Button") != 0)
        return DefWindowProcW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), lparam);
    const std::string name = controls.name_of(GetDlgCtrlID(control));
    if (name == "标签_提示") SetTextColor(dc, HINT_COLOUR);
    else if (name == "超级链接框1" || name == "超级链接框3" || name == "链接_使用帮助") SetTextColor(dc, LINK_COLOUR);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

LRESULT CALLBACK main_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE:
            on_create(window);
            return 0;
        case WM_COMMAND:
            on_command(window, LOWORD(wparam), HIWORD(wparam));
            return 0;
        case WM_NOTIFY:
            on_notify(*reinterpret_cast<NMHDR*>(lparam));
            return 0;
        case WM_CTLCOLORSTATIC:
            return on_static_colour(window, reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam), lparam);
        case WM_TIMER:
            if (wparam == CONFIG_TIMER_ID) {
                KillTimer(window, CONFIG_TIMER_ID);  // the bootstrap runs once
                load_remote_configuration(window);
            } else if (wparam == MONITOR_TIMER_ID) {
                on_monitor_tick();
            }
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wparam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(window, focus)) focus_target = focus;
            } else if (focus_target && IsWindow(focus_target)) {
                SetFocus(focus_target);
            }
            return 0;
        case WM_SIZE:
            if (wparam == SIZE_MINIMIZED) on_main_window_position_changed();
            return 0;
        case WM_QITONG_TASK:
            run_posted_task(lparam);
            return 0;
        case WM_DESTROY:
            discard_posted_tasks(window);
            KillTimer(window, CONFIG_TIMER_ID);
            KillTimer(window, MONITOR_TIMER_ID);
            return 0;
        case WM_NCDESTROY:
            controls.clear();
            focus_target = nullptr;
            if (global_state().main_window == window) global_state().main_window = nullptr;
            return 0;
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}

}  // namespace

HWND create_main_window(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(instance, MAIN_WINDOW_CLASS, &wc)) {
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = main_window_proc;
        wc.hInstance = instance;
        wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_QITONG));
        wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_QITONG), IMAGE_ICON, 16, 16, 0));
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        wc.lpszClassName = MAIN_WINDOW_CLASS;
        if (!RegisterClassExW(&wc)) return nullptr;
    }
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    const int width = MAIN_WINDOW_LAYOUT.width, height = MAIN_WINDOW_LAYOUT.height;
    HWND window = CreateWindowExW(0, MAIN_WINDOW_CLASS, gbk::to_wide(MAIN_WINDOW_LAYOUT.title).c_str(),
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                                  CW_USEDEFAULT, CW_USEDEFAULT, width, height, nullptr, nullptr, instance, nullptr);
    if (!window) return nullptr;
    centre_on_screen(window);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return window;
}

unsigned main_window_serial() { return window_serial; }

HWND main_control(const std::string& name) { return controls.get(name); }

const ControlSet& main_controls() { return controls; }

void set_status_text(int part, const std::string& text) {
    SendMessageW(controls.get("状态条1"), SB_SETTEXTW, part, reinterpret_cast<LPARAM>(gbk::to_wide(text).c_str()));
}

std::string status_text(int part) {
    HWND bar = controls.get("状态条1");
    LRESULT length = LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, part, 0));
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(bar, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return gbk::from_wide(text);
}

void unlock_panel(int page) {
    HWND tab = controls.get("选择夹1");
    EnableWindow(tab, TRUE);
    SendMessageW(tab, TCM_SETCURSEL, page, 0);
    controls.show_page(page);
    if (focus_target && IsWindowVisible(focus_target)) SetFocus(focus_target);
}

void centre_on_screen(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void show_main_menu(const std::string& menu, UINT flags, int x, int y) {
    HWND window = global_state().main_window;
    UINT command = seams().track_popup_menu(controls.menu(menu), flags, x, y, window);
    if (command && window) SendMessageW(window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

const std::string& open_dialog_directory() { return dialog_directory; }
