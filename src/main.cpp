// The program's entry: everything lives in the library; see app/startup.h.
#include "app/startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return run_program(instance); }
