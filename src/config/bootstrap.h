// Loading of the remote bootstrap configuration, run once by the main
// window's configuration timer.
#pragma once
#include <windows.h>

#include <string>

// Reads the bootstrap text from the first page, else the second; caches it
// in Config.ini; ends the program when neither page serves or the service is
// suspended; opens the update window when a newer version is announced;
// otherwise exchanges settings and unlocks the panel on the named tab.
void load_remote_configuration(HWND main_window);

// Texts of the status bar once loaded.
extern const std::string READY_STATUS_TEXT;
extern const std::string ADVERT_STATUS_TEXT;
