#include "check/cell_colours.h"

#include <commctrl.h>

#include <mutex>
#include <string>

#include "app/global_state.h"
#include "app/main_window.h"

void CellColourTable::record(int row, int column, COLORREF text_colour, COLORREF back_colour,
                             std::optional<OwnColours> own) {
    const bool list_own = own && text_colour == own->text_colour && back_colour == own->back_colour;
    const auto found = position_.find(key(row, column));
    if (found == position_.end()) {
        if (list_own) return;
        position_.emplace(key(row, column), records_.size());
        records_.push_back({row, column, text_colour, back_colour});
        return;
    }
    if (!list_own) {
        records_[found->second].text_colour = text_colour;
        records_[found->second].back_colour = back_colour;
        return;
    }
    const std::size_t removed = found->second;
    position_.erase(found);
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(removed));
    for (std::size_t i = removed; i < records_.size(); ++i) position_[key(records_[i].row, records_[i].column)] = i;
}

const CellColour* CellColourTable::find(int row, int column) const {
    const auto found = position_.find(key(row, column));
    return found == position_.end() ? nullptr : &records_[found->second];
}

void CellColourTable::clear() {
    records_.clear();
    position_.clear();
}

namespace {

const std::string LIST_NAME = "超级列表框1";

// One lock for the table and the installation; never held while a message
// is sent to a window.
std::mutex table_lock;
CellColourTable table;
HWND hooked_window = nullptr;     // where list_parent_proc is installed; nullptr when it is not
WNDPROC previous_proc = nullptr;  // kept after removal, for messages already on their way

// A worker's question to the installed procedure: the list and its own
// colours, looked up on the user-interface thread, which owns the controls.
struct ListQuery {
    HWND list = nullptr;
    OwnColours own{};
};

UINT list_query_message() {
    static const UINT message = RegisterWindowMessageW(L"QitongCellColourListQuery");
    return message;
}

OwnColours own_colours(HWND list) {
    return {static_cast<COLORREF>(SendMessageW(list, LVM_GETTEXTCOLOR, 0, 0)),
            static_cast<COLORREF>(SendMessageW(list, LVM_GETTEXTBKCOLOR, 0, 0))};
}

bool is_ours(HWND window) {
    return GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(list_parent_proc);
}

// Under the lock. True when the procedure is on main afterwards.
bool install_on(HWND main) {
    if (hooked_window && hooked_window != main) {
        // Put on an earlier main window that never passed its destruction
        // through here: take it off if that window still exists.
        if (IsWindow(hooked_window) && is_ours(hooked_window))
            SetWindowLongPtrW(hooked_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_proc));
        hooked_window = nullptr;
    }
    if (!main) return false;
    if (hooked_window == main) return true;
    const LONG_PTR replaced = SetWindowLongPtrW(main, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(list_parent_proc));
    if (!replaced) return false;  // the window went away meanwhile
    previous_proc = reinterpret_cast<WNDPROC>(replaced);
    hooked_window = main;
    return true;
}

WNDPROC previous_of() {
    std::lock_guard<std::mutex> guard(table_lock);
    return previous_proc;
}

LRESULT pass_on(WNDPROC previous, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return previous ? CallWindowProcW(previous, window, message, wparam, lparam)
                    : DefWindowProcW(window, message, wparam, lparam);
}

// The cell's colours: its record, else the list's own.
void colour_cell(HWND list, NMLVCUSTOMDRAW& draw) {
    std::optional<CellColour> recorded;
    {
        std::lock_guard<std::mutex> guard(table_lock);
        if (const CellColour* cell = table.find(static_cast<int>(draw.nmcd.dwItemSpec), draw.iSubItem))
            recorded = *cell;
    }
    if (recorded) {
        draw.clrText = recorded->text_colour;
        draw.clrTextBk = recorded->back_colour;
    } else {
        const OwnColours own = own_colours(list);
        draw.clrText = own.text_colour;
        draw.clrTextBk = own.back_colour;
    }
}

}  // namespace

void set_cell_colour(int row, int column, COLORREF text_colour, COLORREF back_colour) {
    HWND main = global_state().main_window;
    if (main && !IsWindow(main)) main = nullptr;
    bool installed;
    {
        std::lock_guard<std::mutex> guard(table_lock);
        installed = install_on(main);
    }
    // Fails quietly (the list stays unknown) when the window is gone or the
    // procedure was taken off by its closing meanwhile.
    ListQuery query;
    if (installed) SendMessageW(main, list_query_message(), 0, reinterpret_cast<LPARAM>(&query));
    {
        std::lock_guard<std::mutex> guard(table_lock);
        table.record(row, column, text_colour, back_colour,
                     query.list ? std::optional<OwnColours>(query.own) : std::nullopt);
    }
    // Invalidating rather than hiding and showing: the list paints once, on
    // its own thread, only the rows in view, without flicker.
    if (query.list && IsWindow(query.list)) InvalidateRect(query.list, nullptr, FALSE);
}

void clear_cell_colours() {
    std::lock_guard<std::mutex> guard(table_lock);
    table.clear();
}

std::vector<CellColour> cell_colours() {
    std::lock_guard<std::mutex> guard(table_lock);
    return table.records();
}

std::optional<CellColour> find_cell_colour(int row, int column) {
    std::lock_guard<std::mutex> guard(table_lock);
    const CellColour* cell = table.find(row, column);
    return cell ? std::optional<CellColour>(*cell) : std::nullopt;
}

LRESULT CALLBACK list_parent_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lparam);
        HWND list = header && header->code == static_cast<UINT>(NM_CUSTOMDRAW) ? main_control(LIST_NAME) : nullptr;
        if (list && header->hwndFrom == list) {
            auto& draw = *reinterpret_cast<NMLVCUSTOMDRAW*>(lparam);
            switch (draw.nmcd.dwDrawStage) {
                case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
                case CDDS_ITEMPREPAINT: return CDRF_NOTIFYSUBITEMDRAW;
                // The main window answers 0 (CDRF_DODEFAULT): the list paints
                // the cell with the colours placed in the structure.
                case CDDS_ITEMPREPAINT | CDDS_SUBITEM: colour_cell(list, draw); break;
                default: break;
            }
        }
    } else if (message == WM_CLOSE || message == WM_DESTROY) {
        WNDPROC previous;
        {
            std::lock_guard<std::mutex> guard(table_lock);
            if (hooked_window == window) {
                if (is_ours(window))
                    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_proc));
                hooked_window = nullptr;
            }
            previous = previous_proc;
        }
        return pass_on(previous, window, message, wparam, lparam);
    } else if (message == list_query_message() && lparam) {
        auto& query = *reinterpret_cast<ListQuery*>(lparam);
        query.list = main_control(LIST_NAME);
        if (query.list) query.own = own_colours(query.list);
        return 1;
    }
    return pass_on(previous_of(), window, message, wparam, lparam);
}
