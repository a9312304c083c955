// Writes into the main window's controls from worker threads: the text
// travels as an owned payload in a posted message and is written on the
// user-interface thread, in the order posted. When the window is gone the
// payload is freed and nothing is written.
#pragma once
#include <windows.h>

#include <string>

constexpr UINT WM_QITONG_CONTROL_TEXT = WM_APP + 1;

// The main window a worker writes to: its handle and the serial number of
// that window's life, so a write meant for a destroyed window never lands in
// a later window that happens to get the same handle.
struct MainWindowRef {
    HWND window = nullptr;
    unsigned serial = 0;
};

// The current main window, taken on the user-interface thread.
MainWindowRef current_main_window();

// Queues "set" (append = false) or "append" of text to the named control.
// False when the window no longer exists.
bool post_control_text(const MainWindowRef& target, const std::string& control, const std::string& text, bool append);

// The window procedure's side: carries out one posted write.
void apply_posted_control_text(LPARAM payload);

// Frees the payloads still queued for a window that is being destroyed.
void discard_posted_control_texts(HWND window);
