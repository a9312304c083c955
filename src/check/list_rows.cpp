#include "check/list_rows.h"

#include <array>

#include "text/codepage.h"

namespace {

using Row = std::array<std::string, ITEM_LIST_COLUMNS>;

// The one item list's rows; the view shows row k of this table as its row k.
std::vector<Row> rows;

bool has_cell(int row, int column) {
    return row >= 0 && row < static_cast<int>(rows.size()) && column >= 0 && column < ITEM_LIST_COLUMNS;
}

}  // namespace

void add_rows(HWND list, int first_number, const std::vector<std::string>& titles) {
    if (titles.empty()) return;
    rows.reserve(rows.size() + titles.size());
    for (std::size_t i = 0; i < titles.size(); ++i) {
        Row row;
        row[NUMBER_COLUMN] = std::to_string(first_number + static_cast<int>(i));
        row[TITLE_COLUMN] = titles[i];
        rows.push_back(std::move(row));
    }
    SendMessageW(list, LVM_SETITEMCOUNT, rows.size(), LVSICF_NOSCROLL);
    SendMessageW(list, LVM_ENSUREVISIBLE, rows.size() - 1, FALSE);
}

void delete_all_rows(HWND list) {
    rows.clear();
    SendMessageW(list, LVM_SETITEMCOUNT, 0, 0);
}

int row_count(HWND) { return static_cast<int>(rows.size()); }

std::string cell_text(HWND, int row, int column) { return has_cell(row, column) ? rows[row][column] : std::string(); }

void set_cell_text(HWND list, int row, int column, const std::string& text) {
    if (!has_cell(row, column)) return;
    rows[row][column] = text;
    SendMessageW(list, LVM_REDRAWITEMS, row, row);
}

void fill_row_display(NMLVDISPINFOW& request) {
    LVITEMW& item = request.item;
    if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return;
    const std::wstring text = has_cell(item.iItem, item.iSubItem) ? gbk::to_wide(rows[item.iItem][item.iSubItem])
                                                                   : std::wstring();
    const std::size_t n = text.size() < static_cast<std::size_t>(item.cchTextMax - 1) ? text.size()
                                                                                      : static_cast<std::size_t>(item.cchTextMax - 1);
    text.copy(item.pszText, n);
    item.pszText[n] = L'\0';
}
