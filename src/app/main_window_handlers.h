// Handlers of the main window's own controls and menus.
#pragma once
#include <optional>
#include <string>

// The monitoring interval in a box's text: the leading integer after
// trimming (full-width digits count), valid from 5 to 600 minutes.
std::optional<int> valid_interval(const std::string& text);

void on_interval_text_changed();
void on_clear_title_clicked();
void on_list_left_click();
void on_list_right_click();
void on_exact_check_menu();

// Puts "单个查询:" back into the hint line after the hint delay, on a worker
// thread of its own.
void restore_hint_later();

// Shows a hint in the hint line and starts the delayed restore.
void show_hint(const std::string& hint);

// Title (column 1) of the item list's selected row; empty when none.
std::string selected_row_title();
