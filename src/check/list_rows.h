// The rows of the item list view: adding, reading and writing cells.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Columns of the item list.
constexpr int NUMBER_COLUMN = 0;
constexpr int TITLE_COLUMN = 1;
constexpr int COUNT_COLUMN = 3;
constexpr int TIME_COLUMN = 4;

// Adds one row per title at the end, numbered from first_number, with the
// list's drawing held back until the last row is in and scrolled into view.
void add_rows(HWND list, int first_number, const std::vector<std::string>& titles);
void delete_all_rows(HWND list);
int row_count(HWND list);
std::string cell_text(HWND list, int row, int column);
void set_cell_text(HWND list, int row, int column, const std::string& text);
