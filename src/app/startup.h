// Program entry and exit: start-up order, the message loop, release at end.
#pragma once
#include <windows.h>

// Runs the whole program: state, window, message loop, release. Returns the exit code.
int run_program(HINSTANCE instance);
