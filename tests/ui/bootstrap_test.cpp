// The start-up's remote configuration on the real window against the
// stand-in: which page is used, what is cached, the service switch, the
// update branch, the settings exchange and the unlocked panel.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "app/file_bytes.h"
#include "app/global_state.h"
#include "app/main_window.h"
#include "app/seams.h"
#include "check/title_query.h"
#include "config/bootstrap.h"
#include "config/ini_file.h"
#include "config/scrambling.h"
#include "config/settings_exchange.h"
#include "config/settings_fields.h"
#include "endpoints.h"
#include "support/standin_control.h"
#include "support/ui_harness.h"
#include "text/codepage.h"
#include "text/gbk.h"
#include "update/update_window.h"

namespace {

const std::string CONFIG_INI = program_directory_file("Config.ini");

bool settings_requested() { return standin_get("/__log").find("POST /maker/peizhi.php") != std::string::npos; }

class Bootstrap : public ::testing::Test {
protected:
    void SetUp() override {
        standin_get("/__config/reset");
        standin_get("/__log/clear");
        DeleteFileW(gbk::to_wide(CONFIG_INI).c_str());
    }
    void TearDown() override {
        close_main_window(window);
        standin_get("/__config/reset");
    }
    void start() { window = open_main_window(seams_); }
    bool unlocked() { return IsWindowEnabled(main_control("选择夹1")); }
    std::string cached() { return read_ini_value(CONFIG_INI, "peizhi", "caishu").value_or("<none>"); }
    void expect_ended_with(const std::string& message) {
        ASSERT_EQ(seams_.message_boxes.size(), 1u);
        EXPECT_EQ(seams_.message_boxes[0].text, message);
        EXPECT_EQ(seams_.message_boxes[0].title, "提示");
        EXPECT_EQ(seams_.message_boxes[0].style, 0x30u);
        EXPECT_EQ(seams_.end_program_calls, 1);
        EXPECT_FALSE(unlocked());
    }

    RecordingSeams seams_;
    HWND window = nullptr;
};

TEST_F(Bootstrap, SuccessUnlocksThePanelWithTheReadyTexts) {
    start();
    ASSERT_TRUE(unlocked());
    EXPECT_TRUE(seams_.message_boxes.empty());
    EXPECT_EQ(seams_.end_program_calls, 0);
    EXPECT_EQ(SendMessageW(main_control("选择夹1"), TCM_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(status_text(0), READY_STATUS_TEXT);
    EXPECT_EQ(status_text(1), ADVERT_STATUS_TEXT);
    int parts[4] = {};
    ASSERT_EQ(SendMessageW(main_control("状态条1"), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(parts)), 2);
    EXPECT_EQ(parts[0], 113);
    EXPECT_EQ(control_text(window), std::string("栖桐 V1.0  客服QQ:") + QITONG_CONTACT_NUMBER);
    EXPECT_EQ(cached(), default_bootstrap_text());
    const GlobalState& state = global_state();
    EXPECT_EQ(state.server_base_head, standin_url("/"));
    EXPECT_EQ(state.server_base_tail, "maker/");
}

TEST_F(Bootstrap, SettingsRequestIsAScrambledFormPostAndItsReplyIsKept) {
    start();
    ASSERT_TRUE(unlocked());
    const std::string log = standin_get("/__log");
    const std::size_t post = log.find("POST /maker/peizhi.php");
    ASSERT_NE(post, std::string::npos) << log;
    const std::string request = log.substr(post, log.find("\n--", post) - post);
    EXPECT_NE(request.find("application/x-www-form-urlencoded"), std::string::npos) << request;
    EXPECT_NE(request.find("data=" + scramble_request(STARTUP_SETTINGS_REQUEST)), std::string::npos) << request;
    EXPECT_EQ(standin_get("/__config/last-settings-request"), STARTUP_SETTINGS_REQUEST);

    const std::vector<std::string>& reply = global_state().settings_reply;
    ASSERT_EQ(reply.size(), 7u);
    EXPECT_EQ(reply[3], "10");
    EXPECT_EQ(reply[5], "13");
    EXPECT_EQ(reply[6], NOT_FOUND_MARKER);
    EXPECT_EQ(title_separator(reply), "\r\n");
}

TEST_F(Bootstrap, FirstPageFailingFallsBackToTheSecond) {
    for (const char* mode : {"down", "nomarkers", "nopipe", "nostart", "noend"}) {
        SCOPED_TRACE(mode);
        standin_get(std::string("/__config/set?page1=") + mode);
        standin_get("/__log/clear");
        DeleteFileW(gbk::to_wide(CONFIG_INI).c_str());
        start();
        EXPECT_TRUE(unlocked());
        EXPECT_EQ(cached(), default_bootstrap_text());
        const std::string log = standin_get("/__log");
        EXPECT_NE(log.find("GET /bbs/qitong.html"), std::string::npos);
        close_main_window(window);
    }
}

TEST_F(Bootstrap, NeitherPageGoodEndsTheProgramAndLeavesTheCacheAlone) {
    ASSERT_TRUE(replace_file_bytes(CONFIG_INI, "[peizhi]\r\ncaishu=earlier\r\n"));
    // Markers around a text without "|", or a text of too few fields.
    for (const char* setup : {"/__config/set?page1=nopipe&page2=nostart", "/__config/set?text=1%7C2%7C3"}) {
        SCOPED_TRACE(setup);
        standin_get(setup);
        seams_.message_boxes.clear();
        seams_.end_program_calls = 0;
        start();
        expect_ended_with("无法连接到服务器!部分功能可能无法使用");
        EXPECT_EQ(read_file_bytes(CONFIG_INI).value_or("<none>"), "[peizhi]\r\ncaishu=earlier\r\n");
        EXPECT_FALSE(settings_requested());
        close_main_window(window);
    }
}

TEST_F(Bootstrap, SuspendedServiceEndsTheProgramAfterCachingEvenWithAnUpdate) {
    const std::string text = "101|0|{base}|maker/|备用|备用|备用|0|{base}maker/download.html";
    serve_bootstrap_text(text);
    start();
    expect_ended_with(std::string("软件已暂停服务!如有疑问请联系QQ：") + QITONG_CONTACT_NUMBER);
    EXPECT_EQ(cached().substr(0, 6), "101|0|");
    EXPECT_FALSE(settings_requested());
}

// Looks at the update window while its modal loop runs, then closes it.
struct UpdateWindowSeen {
    bool seen = false;
    bool owner_disabled = false;
    std::string caption, hidden_label, size_label;
    RECT place{};
    bool success_label_visible = true;
};
UpdateWindowSeen update_seen;
HWND update_owner = nullptr;

void CALLBACK look_at_update_window(HWND, UINT, UINT_PTR id, DWORD) {
    HWND update = FindWindowW(L"QitongUpdateWindow", nullptr);
    if (!update) return;
    KillTimer(nullptr, id);
    update_seen.seen = true;
    update_seen.owner_disabled = !IsWindowEnabled(update_owner);
    update_seen.caption = control_text(update);
    GetWindowRect(update, &update_seen.place);
    update_seen.hidden_label = control_text(update_window_control("标签8"));
    update_seen.success_label_visible = IsWindowVisible(update_window_control("标签8"));
    update_seen.size_label = control_text(update_window_control("标签10"));
    PostMessageW(update, WM_CLOSE, 0, 0);
}

TEST_F(Bootstrap, VersionAboveOneHundredOpensTheUpdateWindowInstead) {
    serve_bootstrap_text("101|1|{base}|maker/|备用|备用|备用|0|{base}maker/download.html");
    update_seen = {};
    update_owner = nullptr;
    // The window is found by class; its owner is the main window created next.
    SetTimer(nullptr, 0, 50, look_at_update_window);
    create_global_state();
    seams().config_timer_ms = 10;
    window = create_main_window(GetModuleHandleW(nullptr));
    update_owner = window;
    pump_until([&] { return seams_.end_program_calls > 0; }, 20000);
    ASSERT_TRUE(update_seen.seen);
    EXPECT_TRUE(update_seen.owner_disabled);
    EXPECT_EQ(update_seen.caption, "软件正在更新..请稍等...");
    EXPECT_EQ(update_seen.place.left, 50);
    EXPECT_EQ(update_seen.place.top, 50);
    EXPECT_EQ(update_seen.place.right - update_seen.place.left, 354);
    EXPECT_EQ(update_seen.place.bottom - update_seen.place.top, 200);
    EXPECT_EQ(update_seen.hidden_label, "下载成功");
    EXPECT_FALSE(update_seen.success_label_visible);
    EXPECT_EQ(update_seen.size_label, "文件大小:");
    EXPECT_EQ(seams_.end_program_calls, 1);  // closing it ends the program
    EXPECT_FALSE(unlocked());
    EXPECT_FALSE(settings_requested());
}

TEST_F(Bootstrap, InitialTabComesFromTheConfiguration) {
    serve_bootstrap_text("100|1|{base}|maker/|备用|备用|备用|1|{base}maker/download.html");
    start();
    ASSERT_TRUE(unlocked());
    EXPECT_EQ(SendMessageW(main_control("选择夹1"), TCM_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(IsWindowVisible(main_control("链接_使用帮助")));
    EXPECT_FALSE(IsWindowVisible(main_control("按钮_查询")));
}

TEST_F(Bootstrap, CacheHoldsTheExactGbkBytesInTheProgramDirectory) {
    // The tests run with a Western system code page, so nothing may pass
    // through it on the way to the file.
    EXPECT_NE(GetACP(), 936u);
    wchar_t previous[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, previous);
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    SetCurrentDirectoryW(temp);
    const std::string text = "100|1|{base}|maker/|宝贝全称|繁體|“引号”|0|{base}maker/download.html";
    serve_bootstrap_text(text);
    start();
    SetCurrentDirectoryW(previous);
    ASSERT_TRUE(unlocked());
    std::string expected = gbk::replace_all(text, "{base}", standin_url("/"));
    EXPECT_EQ(read_file_bytes(CONFIG_INI).value_or("<none>"), "[peizhi]\r\ncaishu=" + expected + "\r\n");
}

TEST_F(Bootstrap, ShortOrGarbledSettingsReplyFallsBack) {
    for (const char* mode : {"garbage", "short", "empty"}) {
        SCOPED_TRACE(mode);
        standin_get(std::string("/__config/set?settings=") + mode);
        start();
        EXPECT_TRUE(unlocked());
        const std::vector<std::string>& reply = global_state().settings_reply;
        EXPECT_LT(reply.size(), 7u);
        EXPECT_EQ(title_separator(reply), "\r\n");
        EXPECT_EQ(batch_not_found_marker(reply), NOT_FOUND_MARKER);
        close_main_window(window);
    }
}

}  // namespace
