#include "update/update_window.h"

#include <commctrl.h>

#include "app/window_layout.h"
#include "text/codepage.h"
#include "update_window_layout.h"

namespace {

constexpr wchar_t UPDATE_WINDOW_CLASS[] = L"QitongUpdateWindow";

ControlSet controls;
std::vector<std::string> target_fields;  // kept for the download

LRESULT CALLBACK update_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE:
            controls.clear();
            build_layout(window, UPDATE_WINDOW_LAYOUT, interface_font(), controls);
            return 0;
        case WM_NCDESTROY:
            controls.clear();
            return 0;
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}

bool register_class(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(instance, UPDATE_WINDOW_CLASS, &wc)) return true;
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = update_window_proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = UPDATE_WINDOW_CLASS;
    return RegisterClassExW(&wc) != 0;
}

}  // namespace

void run_update_window(HWND owner, const std::vector<std::string>& bootstrap_fields) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!register_class(instance)) return;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&icc);
    target_fields = bootstrap_fields;
    HWND window = CreateWindowExW(WS_EX_DLGMODALFRAME, UPDATE_WINDOW_CLASS,
                                  gbk::to_wide(UPDATE_WINDOW_LAYOUT.title).c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                  UPDATE_WINDOW_X, UPDATE_WINDOW_Y, UPDATE_WINDOW_LAYOUT.width,
                                  UPDATE_WINDOW_LAYOUT.height, owner, nullptr, instance, nullptr);
    if (!window) return;
    // Modal: the owner takes no input until the update window is gone.
    const bool owner_was_enabled = owner && IsWindowEnabled(owner);
    if (owner_was_enabled) EnableWindow(owner, FALSE);
    ShowWindow(window, SW_SHOWNORMAL);
    MSG msg;
    while (IsWindow(window)) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (owner_was_enabled && IsWindow(owner)) EnableWindow(owner, TRUE);
    if (IsWindow(window)) DestroyWindow(window);
}

HWND update_window_control(const std::string& name) { return controls.get(name); }
