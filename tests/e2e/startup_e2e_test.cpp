// The real qitong.exe against the stand-in: it starts, loads its remote
// configuration, unlocks the panel, answers a single query, imports a title
// file through the open dialog and monitors it, and ends when its window is
// closed.
#include <gtest/gtest.h>
#include <windows.h>

#include "config/ini_file.h"
#include "support/program_window.h"
#include "support/standin_control.h"
#include "support/ui_harness.h"
#include "text/codepage.h"
#include "text/gbk.h"

namespace {

std::string window_text(HWND w) {
    wchar_t buffer[1024] = {};
    SendMessageW(w, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer));
    return gbk::from_wide(buffer);
}

TEST(EndToEnd, StartsLoadsAnswersAQueryAndMonitorsAFile) {
    const std::string exe = windows_path(QITONG_EXE_PATH);
    const std::string ini = exe.substr(0, exe.find_last_of('\\') + 1) + "Config.ini";
    DeleteFileW(gbk::to_wide(ini).c_str());
    standin_get("/__config/reset");
    standin_get("/__log/clear");

    std::wstring command = L"\"" + gbk::to_wide(exe) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    CloseHandle(process.hThread);
    ProcessGuard guard{process.hProcess};

    // The window exists before its controls do; wait for both.
    HWND tab = nullptr;
    ASSERT_TRUE(pump_until([&] { return (tab = panel_of(process.dwProcessId)) != nullptr; }, 30000));
    HWND window = GetParent(tab);
    ASSERT_TRUE(pump_until([&] { return IsWindowEnabled(tab) != FALSE; }, 30000)) << "panel never unlocked";
    EXPECT_EQ(read_ini_value(ini, "peizhi", "caishu").value_or(""), default_bootstrap_text());

    HWND title = GetDlgItem(tab, main_control_id("编辑框_标题"));
    HWND result = GetDlgItem(tab, main_control_id("编辑框_显示"));
    SendMessageW(title, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(gbk::to_wide("手工编织草帽").c_str()));
    SendMessageW(GetDlgItem(tab, main_control_id("按钮_查询")), BM_CLICK, 0, 0);
    EXPECT_TRUE(pump_until([&] { return window_text(result).find("宝贝个数") != std::string::npos; }, 20000));
    EXPECT_EQ(window_text(result), "正在查询...\r\n恭喜您！这个宝贝已经被收录了\r\n宝贝个数：12 [建议您进行精准核对哦]");

    // A title file through the real open dialog, then monitoring: every
    // title reaches the search.
    standin_get("/__log/clear");
    PostMessageW(GetDlgItem(tab, main_control_id("按钮_导入宝贝全称")), BM_CLICK, 0, 0);
    HWND dialog = nullptr;
    ASSERT_TRUE(pump_until([&] { return (dialog = open_dialog_of(process.dwProcessId)) != nullptr; }, 20000));
    ASSERT_TRUE(answer_open_dialog(dialog, gbk::to_wide(windows_path(QITONG_STANDIN_DATA_DIR "/titles-sample.txt"))));
    ASSERT_TRUE(pump_until([&] { return open_dialog_of(process.dwProcessId) == nullptr; }, 20000));
    const int sample_titles = 16;
    PostMessageW(GetDlgItem(tab, main_control_id("按钮_开始自动监测")), BM_CLICK, 0, 0);
    auto searches = [] {
        const std::string log = standin_get("/__log");
        int n = 0;
        for (std::size_t at = log.find("GET /book/search/"); at != std::string::npos;
             at = log.find("GET /book/search/", at + 1))
            ++n;
        return n;
    };
    EXPECT_TRUE(pump_until([&] { return searches() >= sample_titles; }, 40000)) << searches();

    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0) << "program did not end";
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    EXPECT_EQ(code, 0u);
}

}  // namespace
