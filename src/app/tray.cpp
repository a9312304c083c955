#include "app/tray.h"

#include <cstring>

#include "app/main_window.h"
#include "app/seams.h"
#include "app/wait_pumping.h"
#include "endpoints.h"

namespace {

// Copies text into a fixed field, always zero-terminated, cut when too long.
template <std::size_t N>
void copy_field(char (&field)[N], const std::string& text) {
    std::size_t n = text.size() < N - 1 ? text.size() : N - 1;
    std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

HICON small_icon_of(HWND window) {
    HICON icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM));
    return icon;
}

}  // namespace

void install_tray_icon(HWND window, const std::string& tooltip, TrayCallback callback) {
    GlobalState& state = global_state();
    state.hooked_window = window;
    HICON icon = small_icon_of(window);
    if (!icon) return;
    state.previous_window_proc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(tray_window_proc)));
    state.tray_callback = callback;
    NOTIFYICONDATAA& record = state.tray_record;
    record = NOTIFYICONDATAA{};
    // The balloon form of the record, as the platform sizes it (488 bytes in 32-bit).
    record.cbSize = NOTIFYICONDATAA_V2_SIZE;
    record.hWnd = window;
    record.uID = 1;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = TRAY_CALLBACK_MESSAGE;
    record.hIcon = icon;
    copy_field(record.szTip, tooltip);
    Shell_NotifyIconA(NIM_ADD, &record);
}

void remove_tray_icon() {
    GlobalState& state = global_state();
    if (!state.previous_window_proc) return;
    SetWindowLongPtrW(state.hooked_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(state.previous_window_proc));
    state.previous_window_proc = nullptr;
    Shell_NotifyIconA(NIM_DELETE, &state.tray_record);
}

void show_tray_balloon(const std::string& title, const std::string& text, DWORD balloon_flags) {
    NOTIFYICONDATAA& record = global_state().tray_record;
    record.uFlags = NIF_INFO;
    copy_field(record.szInfoTitle, title);
    copy_field(record.szInfo, text);
    record.dwInfoFlags = balloon_flags;
    Shell_NotifyIconA(NIM_MODIFY, &record);
}

LRESULT CALLBACK tray_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    GlobalState& state = global_state();
    WNDPROC previous = state.previous_window_proc;
    if (message == WM_DESTROY) {
        remove_tray_icon();
        LRESULT result = CallWindowProcW(previous, window, message, wparam, lparam);
        seams().end_program();
        return result;
    }
    if (message == TRAY_CALLBACK_MESSAGE && state.tray_callback) {
        state.tray_callback(static_cast<UINT>(lparam));
        return 0;
    }
    if (message == state.taskbar_created_message && message != 0) {
        // After a balloon the stored flags name only the balloon; the icon
        // comes back with its icon, tooltip and callback.
        NOTIFYICONDATAA record = state.tray_record;
        record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        Shell_NotifyIconA(NIM_ADD, &record);
    }
    return CallWindowProcW(previous, window, message, wparam, lparam);
}

void on_tray_mouse(UINT mouse_message) {
    HWND window = global_state().main_window;
    if (!window) return;
    switch (mouse_message) {
        case WM_RBUTTONDOWN: {
            POINT cursor;
            GetCursorPos(&cursor);
            SetForegroundWindow(window);
            show_main_menu("托盘菜单", TPM_RIGHTALIGN | TPM_TOPALIGN, cursor.x - 5, cursor.y - 5);
            PostMessageW(window, WM_NULL, 0, 0);
            break;
        }
        case WM_LBUTTONDOWN:
            if (IsWindowVisible(window)) break;
            ShowWindow(window, SW_RESTORE);
            centre_on_screen(window);
            SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            wait_pumping(static_cast<int>(seams().tray_topmost_us));
            if (IsWindow(window)) SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            break;
        case WM_LBUTTONDBLCLK:
            seams().open_address(QITONG_HOME_PAGE);
            break;
        default:
            break;
    }
}

void on_main_window_position_changed() {
    GlobalState& state = global_state();
    if (!state.main_window || !IsIconic(state.main_window)) return;
    ShowWindow(state.main_window, SW_HIDE);
    show_tray_balloon(state.balloon_title, state.balloon_text, NIIF_INFO);
}
