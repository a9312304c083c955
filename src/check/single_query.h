// The single-title query of the query button, and the exact check that
// opens the title's search page in the browser.
#pragma once
#include <windows.h>

#include <string>

#include "app/ui_post.h"

// Click of the query button: empties the result box and, for a title that is
// not blank, starts a worker running run_single_query. A blank title gets the
// message box "宝贝全称不能为空".
void on_query_clicked();

// The worker's work: appends "正在查询...", fetches the title's search page
// and appends the result message. Writes reach the window through posted
// messages; after the window is gone nothing is written.
void run_single_query(const MainWindowRef& window, const std::string& title);

// Click of the exact-check button: the trimmed title's search page in the browser.
void on_exact_check_clicked();

// Opens the search address of the title in the default browser.
void open_exact_check(const std::string& title);
