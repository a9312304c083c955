#include "check/list_rows.h"

#include <commctrl.h>

#include "text/codepage.h"
#include "text/gbk.h"

void add_rows(HWND list, int first_number, const std::vector<std::string>& titles) {
    if (titles.empty()) return;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    const int first_row = row_count(list);
    SendMessageW(list, LVM_SETITEMCOUNT, first_row + static_cast<int>(titles.size()), LVSICF_NOINVALIDATEALL);
    for (std::size_t i = 0; i < titles.size(); ++i) {
        std::wstring number = std::to_wstring(first_number + static_cast<int>(i));
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = first_row + static_cast<int>(i);
        item.pszText = number.data();
        const int row = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        if (row >= 0) set_cell_text(list, row, TITLE_COLUMN, titles[i]);
    }
    // Every row was scrolled into view in turn; with drawing held back only
    // the last one's scroll shows.
    SendMessageW(list, LVM_ENSUREVISIBLE, row_count(list) - 1, FALSE);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void delete_all_rows(HWND list) { SendMessageW(list, LVM_DELETEALLITEMS, 0, 0); }

int row_count(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

std::string cell_text(HWND list, int row, int column) {
    // Grows the buffer until the whole text fits: a title is never cut.
    for (int capacity = 512;; capacity *= 2) {
        std::wstring buffer(static_cast<std::size_t>(capacity), L'\0');
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = capacity;
        const int length = static_cast<int>(SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item)));
        if (length < capacity - 1 || capacity >= (1 << 20)) {
            buffer.resize(static_cast<std::size_t>(length > 0 ? length : 0));
            return gbk::from_wide(buffer);
        }
    }
}

void set_cell_text(HWND list, int row, int column, const std::string& text) {
    std::wstring wide = gbk::to_wide(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = wide.data();
    SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}
