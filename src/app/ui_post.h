// Work that worker threads hand to the main window: a task travels as an
// owned payload in a posted message and runs on the user-interface thread,
// in the order posted. When the window is gone, or is a later window than
// the one meant, the task is dropped without running.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

constexpr UINT WM_QITONG_TASK = WM_APP + 1;

// The main window a worker writes to: its handle and the serial number of
// that window's life, so a write meant for a destroyed window never lands in
// a later window that happens to get the same handle.
struct MainWindowRef {
    HWND window = nullptr;
    unsigned serial = 0;
};

// The current main window, taken on the user-interface thread.
MainWindowRef current_main_window();

// Queues a task for the window; false when the window no longer exists.
bool post_task(const MainWindowRef& target, std::function<void()> task);

// Queues "set" (append = false) or "append" of text to the named control.
bool post_control_text(const MainWindowRef& target, const std::string& control, const std::string& text, bool append);

// The window procedure's side: runs one posted task.
void run_posted_task(LPARAM payload);

// Frees the tasks still queued for a window that is being destroyed.
void discard_posted_tasks(HWND window);
