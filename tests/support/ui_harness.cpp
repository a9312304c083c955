#include "support/ui_harness.h"

#include <cstdio>

#include "app/global_state.h"
#include "app/main_window.h"
#include "app/seams.h"
#include "app/win_handle.h"
#include "text/codepage.h"

void pump_for(int milliseconds) {
    pump_until([] { return false; }, milliseconds);
}

bool pump_until(const std::function<bool()>& done, int timeout_milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeout_milliseconds);
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done()) return true;
        if (GetTickCount64() >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

RecordingSeams::RecordingSeams() {
    Seams& s = seams();
    s.message_box = [this](HWND, const std::string& text, const std::string& title, unsigned style) {
        message_boxes.push_back({text, title, style});
        return IDOK;
    };
    s.open_address = [this](const std::string& address) { opened.push_back(address); };
    s.track_popup_menu = [this](HMENU menu, UINT flags, int x, int y, HWND) {
        menus.push_back({menu, flags, x, y, menu_texts(menu)});
        UINT answer = menu_answer;
        menu_answer = 0;
        return answer;
    };
    s.end_program = [this] { ++end_program_calls; };
    s.choose_file = [this](HWND, const std::string&) {
        ++dialogs_shown;
        return chosen_file;
    };
    s.local_time = [] { return fixed_local_time(); };
    // Monitoring minutes are driven by the tests themselves.
    s.monitor_tick_ms = USER_TIMER_MAXIMUM;
    s.hint_restore_us = 10000000;
    s.tray_topmost_us = 1000000;
}

RecordingSeams::~RecordingSeams() { reset_seams(); }

SYSTEMTIME fixed_local_time() {
    SYSTEMTIME t{};
    t.wYear = 2013, t.wMonth = 8, t.wDay = 1, t.wHour = 9, t.wMinute = 5, t.wSecond = 7;
    return t;
}

HWND open_main_window(const RecordingSeams& recording, Startup startup) {
    create_global_state();
    global_state().taskbar_created_message = RegisterWindowMessageW(L"TaskbarCreated");
    if (startup == Startup::Loading) seams().config_timer_ms = USER_TIMER_MAXIMUM;
    const int ends_before = recording.end_program_calls;
    HWND window = create_main_window(GetModuleHandleW(nullptr));
    seams().config_timer_ms = 10;
    if (window && startup == Startup::Loaded) {
        // Loaded means the panel unlocked, or the bootstrap ended the program.
        pump_until([&] { return IsWindowEnabled(main_control("选择夹1")) || recording.end_program_calls > ends_before; },
                   20000);
    }
    return window;
}

void close_main_window(HWND window) {
    if (IsWindow(window)) DestroyWindow(window);
    pump_for(20);
}

std::vector<std::string> menu_texts(HMENU menu) {
    std::vector<std::string> texts;
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        wchar_t buffer[128] = {};
        GetMenuStringW(menu, i, buffer, 128, MF_BYPOSITION);
        texts.push_back(gbk::from_wide(buffer));
    }
    return texts;
}

bool save_window_bitmap(HWND window, const std::string& path) {
    RECT r;
    GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);

    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const int stride = ((width * 3 + 3) / 4) * 4;
    std::string pixels(static_cast<std::size_t>(stride) * height, '\0');
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    KernelHandle out(CreateFileW(gbk::to_wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out) return false;
    DWORD written = 0;
    bool ok = WriteFile(out.get(), &file, sizeof file, &written, nullptr) &&
              WriteFile(out.get(), &info, sizeof info, &written, nullptr) &&
              WriteFile(out.get(), pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr);
    return ok;
}
