// A child window hosting the system's web browser control (the WebBrowser
// ActiveX object) through a minimal in-place OLE container.
#pragma once
#include <windows.h>

#include <string>

// Creates a child window at (x, y, width, height) in parent hosting the system's web
// browser control, navigated to address (GBK text). nullptr when the control or the
// HTML engine cannot be created; nothing is left behind then.
// Call on the parent's thread, which must be a single-threaded apartment (the caller
// normally runs OleInitialize; the host keeps its own balanced reference while it lives).
// The control is closed and released when the returned window is destroyed.
HWND create_web_browser(HWND parent, int x, int y, int width, int height, const std::string& address, int control_id);
