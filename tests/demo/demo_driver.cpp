// Plays the newcomer for the headless demo run: waits for the running
// qitong.exe to unlock its panel, imports a title file through the open
// dialog, starts monitoring and waits for the first batch to go through, so
// that a screenshot shows the coloured rows. Usage: demo_driver TITLE_FILE
#include <windows.h>

#include <cstdio>
#include <string>

#include "support/program_window.h"
#include "text/codepage.h"

namespace {

// Polls until done() holds or the time is up.
template <typename Done>
bool wait_for(Done done, int milliseconds) {
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (done()) return true;
        Sleep(50);
    }
    return done();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    const std::wstring file = argv[1];
    HWND window = nullptr, tab = nullptr;
    DWORD pid = 0;
    if (!wait_for([&] {
            window = FindWindowW(L"QitongMainWindow", nullptr);
            if (window) GetWindowThreadProcessId(window, &pid);
            tab = window ? GetDlgItem(window, main_control_id("选择夹1")) : nullptr;
            return tab && IsWindowEnabled(tab);
        }, 30000)) {
        std::puts("demo: the panel did not unlock");
        return 1;
    }
    PostMessageW(GetDlgItem(tab, main_control_id("按钮_导入宝贝全称")), BM_CLICK, 0, 0);
    HWND dialog = nullptr;
    if (!wait_for([&] { return (dialog = open_dialog_of(pid)) != nullptr; }, 20000) ||
        !answer_open_dialog(dialog, file) || !wait_for([&] { return open_dialog_of(pid) == nullptr; }, 20000)) {
        std::puts("demo: the open dialog did not take the file");
        return 1;
    }
    PostMessageW(GetDlgItem(tab, main_control_id("按钮_开始自动监测")), BM_CLICK, 0, 0);
    // One check a second; a few more seconds for the last answers.
    Sleep(20000);
    std::puts("demo: imported and monitoring");
    return 0;
}
