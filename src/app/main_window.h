// The main window: its class, creation, control lookup and the few shared
// operations other modules need (status bar, panel tab, pop-up menus).
#pragma once
#include <windows.h>

#include <string>

#include "app/window_layout.h"

// Registers the class and creates the main window, centred on the screen;
// its creation handler runs inside. nullptr on failure.
HWND create_main_window(HINSTANCE instance);

// Counts the main windows created in this process; the current one's number.
unsigned main_window_serial();

// The main window's control of that name; nullptr when there is none.
HWND main_control(const std::string& name);
const ControlSet& main_controls();

// Texts of the status bar's parts (0: the program, 1: the monitoring).
void set_status_text(int part, const std::string& text);
std::string status_text(int part);

// Enables the panel and shows the given tab page.
void unlock_panel(int page);

// Places a window at the centre of the screen.
void centre_on_screen(HWND window);

// Pops up a named menu of the main window at (x, y) and carries out the
// chosen item.
void show_main_menu(const std::string& menu, UINT flags, int x, int y);

// Folder the open-file dialog starts in (set at creation).
const std::string& open_dialog_directory();
