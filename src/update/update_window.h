// The update window, opened modally over the main window when the bootstrap
// announces a newer version.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Shows the update window owned by owner (disabled meanwhile) and returns
// when the window has been closed. bootstrap_fields is the window's own copy
// of the bootstrap configuration.
void run_update_window(HWND owner, const std::vector<std::string>& bootstrap_fields);

// The open update window's control of that name; nullptr when there is none.
HWND update_window_control(const std::string& name);
