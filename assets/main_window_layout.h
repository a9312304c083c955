// The main window's layout: controls, list columns, menus, status parts.
#pragma once
#include "app/window_layout.h"

extern const WindowLayout MAIN_WINDOW_LAYOUT;

// Commands of the two pop-up menus.
enum MainMenuCommand : UINT {
    CMD_EXACT_CHECK = 40001,  // "右键菜单"
    CMD_TRAY_SECOND_SITE_BOARD,
    CMD_TRAY_FIRST_SITE_BOARD,
    CMD_TRAY_HELP,
    CMD_TRAY_EXIT,
};
