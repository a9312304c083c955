// The page access routine's message box: information icon, its own title,
// owned by the process's first visible top-level window.
#pragma once
#include <windows.h>

#include <string>

// First visible top-level window of the process, in EnumWindows order;
// nullptr when it has none.
HWND find_process_window(DWORD process_id);

// Shows text through the message box seam; returns the pressed button's id
// minus 1 (OK gives 0). Texts are GBK.
int show_message_box(const std::string& text, unsigned style = MB_ICONINFORMATION | MB_OK,
                     const std::string& title = "友情提醒", HWND owner = find_process_window(GetCurrentProcessId()));
