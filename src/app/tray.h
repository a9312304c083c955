// The notification-area icon and the window hook that receives its mouse
// messages, the taskbar's restart notice and the window's destruction.
#pragma once
#include <windows.h>

#include <string>

#include "app/global_state.h"

// Callback message of the tray icon.
constexpr UINT TRAY_CALLBACK_MESSAGE = 123456;

// Hooks window and adds its small icon to the tray with the tooltip; nothing
// when the window has no small icon.
void install_tray_icon(HWND window, const std::string& tooltip, TrayCallback callback);
// Takes the hook off and deletes the icon; nothing when not installed.
void remove_tray_icon();
void show_tray_balloon(const std::string& title, const std::string& text, DWORD balloon_flags);
LRESULT CALLBACK tray_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// The main window's tray behaviour: mouse on the icon; minimising to the tray.
void on_tray_mouse(UINT mouse_message);
void on_main_window_position_changed();
