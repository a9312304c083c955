// Loading of the remote bootstrap configuration, run once by the main
// window's configuration timer.
#pragma once
#include <windows.h>

// Reads the bootstrap text and, when it allows, unlocks the panel. Until the
// remote configuration is wired in, the panel stays locked.
void load_remote_configuration(HWND main_window);
