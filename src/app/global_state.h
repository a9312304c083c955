// Program-wide state: created once before the main window, released once at
// program end. Each entry is written and read by the modules named beside it.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <atomic>
#include <string>
#include <vector>

#include "check/item_list.h"
#include "config/config_page_reader.h"
#include "config/hex_codec.h"

using TrayCallback = void (*)(UINT mouse_message);

struct GlobalState {
    HWND main_window = nullptr;

    // Shell: version texts (creation handler), tray (tray module).
    std::string app_version;
    std::string balloon_title;
    std::string balloon_text;
    NOTIFYICONDATAA tray_record{};
    HWND hooked_window = nullptr;
    WNDPROC previous_window_proc = nullptr;
    TrayCallback tray_callback = nullptr;
    UINT taskbar_created_message = 0;

    // Item list and monitoring. The counts are raised by check workers.
    ItemList items;
    std::atomic<int> unindexed_count{0};
    std::atomic<int> failed_count{0};
    int monitor_state = 0;  // MONITOR_IDLE
    int run_count = 0;
    int elapsed_minutes = 0;

    // Main window: last valid monitoring interval; title of the last right-clicked row.
    std::atomic<int> check_interval_minutes{0};
    std::string context_title;

    // Remote configuration: the settings reply fields and the server base.
    std::vector<std::string> settings_reply = std::vector<std::string>(5);
    std::string server_base_head;
    std::string server_base_tail;
    ConfigPageReader page_reader;
    HexCodec codec;
};

GlobalState& global_state();
void create_global_state();
// Runs once, whatever ends the program; later calls do nothing.
void release_global_state();
