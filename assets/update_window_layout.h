// The update window's layout: its controls and their design-time texts.
#pragma once
#include "app/window_layout.h"

extern const WindowLayout UPDATE_WINDOW_LAYOUT;
// Place of the window on the screen.
constexpr int UPDATE_WINDOW_X = 50;
constexpr int UPDATE_WINDOW_Y = 50;
