// Drives the real main window in the test process: message pumping, and
// seams that record message boxes, opened addresses, pop-up menus and the
// end of the program instead of acting on them.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Processes this thread's messages for the given time.
void pump_for(int milliseconds);
// Processes messages until done() holds or the time is up; returns done().
bool pump_until(const std::function<bool()>& done, int timeout_milliseconds);

struct RecordedMessageBox {
    std::string text, title;
    unsigned style;
};

struct RecordedMenu {
    HMENU menu;
    UINT flags;
    int x, y;
    std::vector<std::string> texts;  // item texts when it was shown
};

// Texts of a pop-up menu's items.
std::vector<std::string> menu_texts(HMENU menu);

// Installs recording seams for its lifetime and restores production ones after.
struct RecordingSeams {
    RecordingSeams();
    ~RecordingSeams();
    std::vector<RecordedMessageBox> message_boxes;
    std::vector<std::string> opened;
    std::vector<RecordedMenu> menus;
    int end_program_calls = 0;
    UINT menu_answer = 0;  // command the next pop-up menu returns
    std::optional<std::string> chosen_file;  // the open dialog's answer; nothing is a cancel
    int dialogs_shown = 0;
};

// The local time the recording seams report: 2013-8-1 9:05:07.
SYSTEMTIME fixed_local_time();

enum class Startup {
    Loaded,   // the bootstrap has run (against the stand-in) before this returns
    Loading,  // the bootstrap is held back: the window as it looks while loading
};

// A fresh program-wide state and main window, as start-up makes them.
HWND open_main_window(const RecordingSeams& recording, Startup startup = Startup::Loaded);
// Destroys the window when it still exists and processes what follows.
void close_main_window(HWND window);

// Saves the window's picture as a 24-bit BMP file; false on failure.
bool save_window_bitmap(HWND window, const std::string& path);
