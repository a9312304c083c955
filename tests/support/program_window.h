// Finding the real program's window and controls from another process, for
// the end-to-end test and the start-up benchmark. Header-only: the benchmark
// links no test library.
#pragma once
#include <windows.h>

#include <cstring>
#include <string>

#include "main_window_layout.h"

// Built on Linux a path is a Unix one, which Wine maps through drive Z:.
inline std::string windows_path(std::string path) {
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

// The id the layout gives the named main-window control; 0 when unknown.
inline int main_control_id(const char* name) {
    for (std::size_t i = 0; i < MAIN_WINDOW_LAYOUT.control_count; ++i)
        if (std::strcmp(MAIN_WINDOW_LAYOUT.controls[i].name, name) == 0) return FIRST_CONTROL_ID + static_cast<int>(i);
    return 0;
}

struct WindowSearch {
    DWORD pid;
    const wchar_t* window_class;
    HWND found;
};

inline BOOL CALLBACK take_window_of_class(HWND w, LPARAM p) {
    auto* search = reinterpret_cast<WindowSearch*>(p);
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    wchar_t window_class[64] = {};
    GetClassNameW(w, window_class, 64);
    if (owner == search->pid && lstrcmpW(window_class, search->window_class) == 0 && IsWindowVisible(w)) {
        search->found = w;
        return FALSE;
    }
    return TRUE;
}

// The process's first visible top-level window of a class; nullptr when none.
inline HWND window_of(DWORD pid, const wchar_t* window_class) {
    WindowSearch search{pid, window_class, nullptr};
    EnumWindows(take_window_of_class, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The main window of the process; nullptr while it has none.
inline HWND main_window_of(DWORD pid) { return window_of(pid, L"QitongMainWindow"); }

// The process's tab control once its window has its controls; nullptr before.
inline HWND panel_of(DWORD pid) {
    HWND window = main_window_of(pid);
    return window ? GetDlgItem(window, main_control_id("选择夹1")) : nullptr;
}

// Ends a started program on every way out of a scope.
struct ProcessGuard {
    HANDLE process;
    ~ProcessGuard() {
        if (WaitForSingleObject(process, 0) != WAIT_OBJECT_0) TerminateProcess(process, 1);
        CloseHandle(process);
    }
};

// The open-file dialog the process shows; nullptr while there is none.
inline HWND open_dialog_of(DWORD pid) { return window_of(pid, L"#32770"); }

// Answers an open-file dialog with a path, as a user typing it and pressing Open.
inline bool answer_open_dialog(HWND dialog, const std::wstring& path) {
    constexpr int FILE_NAME_BOX = 0x47C;  // cmb13, the dialog's file name box
    if (!SetDlgItemTextW(dialog, FILE_NAME_BOX, path.c_str())) return false;
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return true;
}
