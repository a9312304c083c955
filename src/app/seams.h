// The few things tests replace: message boxes, opening addresses in the
// browser, ending the program, and the clock periods. Production values are
// set here; a test swaps a member before it drives the code.
#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

struct Seams {
    // Shows a message box (GBK texts) and returns the Windows button id.
    std::function<int(HWND owner, const std::string& text, const std::string& title, unsigned style)> message_box;
    // Opens an address with the shell verb "open" (default browser).
    std::function<void(const std::string& address)> open_address;
    // Shows a pop-up menu and returns the chosen command (0 when none).
    std::function<UINT(HMENU menu, UINT flags, int x, int y, HWND owner)> track_popup_menu;
    // The open-file dialog: the chosen path (GBK), nothing when cancelled.
    std::function<std::optional<std::string>(HWND owner, const std::string& initial_directory)> choose_file;
    // The local date and time.
    std::function<SYSTEMTIME()> local_time;
    // Ends the program's message loop.
    std::function<void()> end_program;

    // Waits of the program, in microseconds or milliseconds as named.
    long long hint_restore_us = 10000000;    // hint line back to its caption
    long long tray_topmost_us = 1000000;     // window topmost after a tray click
    unsigned config_timer_ms = 10;           // first tick runs the bootstrap
    long long batch_pacing_us = 1000000;     // between two checks of a batch
    unsigned monitor_tick_ms = 60000;        // one monitoring minute
};

Seams& seams();

// Restores the production behaviour of every seam.
void reset_seams();
