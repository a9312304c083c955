#include "app/startup.h"

#include <ole2.h>

#include <cstdlib>

#include "app/global_state.h"
#include "app/main_window.h"

int run_program(HINSTANCE instance) {
    create_global_state();
    std::atexit(release_global_state);
    global_state().taskbar_created_message = RegisterWindowMessageW(L"TaskbarCreated");
    // The web browser controls need a single-threaded apartment on this thread.
    OleInitialize(nullptr);
    if (!create_main_window(instance)) return 1;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    release_global_state();
    return static_cast<int>(msg.wParam);
}
