// The item list's import and add, and the monitoring: a batch check of every
// due item, repeated on the monitoring timer until stopped.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "app/ui_post.h"

enum MonitorState : int { MONITOR_IDLE = 0, MONITOR_RUNNING = 1, MONITOR_STOPPED = 2 };

// Id of the monitoring timer 时钟_监测间隔 on the main window.
constexpr UINT_PTR MONITOR_TIMER_ID = 2;

// The titles of a file chosen in the open dialog; nothing when cancelled or
// when the file cannot be read (the user is told).
std::optional<std::vector<std::string>> read_title_file();
void import_titles();
void add_titles();

void start_monitoring();
void stop_monitoring();
void on_monitor_tick();
// One pass over the list on the window thread; only one runs at a time.
void run_batch();
// The check of item i (1-based) on a worker thread; its result goes to the
// window's row i-1 unless the list was replaced meanwhile.
void check_item(const MainWindowRef& window, int i);

// The status bar text of the monitoring with the given minutes left.
std::string monitor_status_text(int remaining_minutes);
