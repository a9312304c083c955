// The rows of the item list. The list view is virtual: the rows' texts live
// here and the view asks for the ones it shows, so a list of a hundred
// thousand titles is filled at once and stays quick. Window thread only.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

// Columns of the item list.
constexpr int NUMBER_COLUMN = 0;
constexpr int TITLE_COLUMN = 1;
constexpr int COUNT_COLUMN = 3;
constexpr int TIME_COLUMN = 4;
constexpr int ITEM_LIST_COLUMNS = 5;

// Adds one row per title at the end, numbered from first_number, and
// scrolls the last one into view.
void add_rows(HWND list, int first_number, const std::vector<std::string>& titles);
void delete_all_rows(HWND list);
int row_count(HWND list);
std::string cell_text(HWND list, int row, int column);
void set_cell_text(HWND list, int row, int column, const std::string& text);

// Answers the view's request for a cell's text (LVN_GETDISPINFOW).
void fill_row_display(NMLVDISPINFOW& request);
