#include "app/seams.h"

#include <commdlg.h>
#include <shellapi.h>

#include "text/codepage.h"

namespace {

Seams production_seams() {
    Seams s;
    s.message_box = [](HWND owner, const std::string& text, const std::string& title, unsigned style) {
        return MessageBoxW(owner, gbk::to_wide(text).c_str(), gbk::to_wide(title).c_str(), style);
    };
    s.open_address = [](const std::string& address) {
        ShellExecuteW(nullptr, L"open", gbk::to_wide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    };
    s.track_popup_menu = [](HMENU menu, UINT flags, int x, int y, HWND owner) {
        return static_cast<UINT>(TrackPopupMenu(menu, flags | TPM_RETURNCMD | TPM_NONOTIFY, x, y, 0, owner, nullptr));
    };
    s.choose_file = [](HWND owner, const std::string& initial_directory) -> std::optional<std::string> {
        wchar_t path[32768] = {};
        const std::wstring directory = gbk::to_wide(initial_directory);
        OPENFILENAMEW dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = owner;
        dialog.lpstrFile = path;
        dialog.nMaxFile = static_cast<DWORD>(sizeof path / sizeof path[0]);
        dialog.lpstrInitialDir = directory.empty() ? nullptr : directory.c_str();
        dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
        if (!GetOpenFileNameW(&dialog)) return std::nullopt;
        return gbk::from_wide(path);
    };
    s.local_time = [] {
        SYSTEMTIME now;
        GetLocalTime(&now);
        return now;
    };
    s.end_program = [] { PostQuitMessage(0); };
    return s;
}

}  // namespace

Seams& seams() {
    static Seams instance = production_seams();
    return instance;
}

void reset_seams() { seams() = production_seams(); }
