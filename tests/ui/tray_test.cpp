// The tray icon and the window hook: callback messages, minimising to the
// tray, restoring, the tray menu, and the two ways of closing.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/global_state.h"
#include "app/main_window.h"
#include "app/seams.h"
#include "app/tray.h"
#include "endpoints.h"
#include "main_window_layout.h"
#include "support/ui_harness.h"

namespace {

bool topmost_during_wait = false;
HWND watched_window = nullptr;

void CALLBACK look_at_topmost(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    topmost_during_wait = GetWindowLongW(watched_window, GWL_EXSTYLE) & WS_EX_TOPMOST;
}

class Tray : public ::testing::Test {
protected:
    void SetUp() override { window = open_main_window(seams_); ASSERT_TRUE(window); }
    void TearDown() override { close_main_window(window); }
    LRESULT tray_mouse(UINT mouse_message) { return SendMessageW(window, TRAY_CALLBACK_MESSAGE, 1, mouse_message); }
    static bool topmost(HWND w) { return GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST; }

    RecordingSeams seams_;
    HWND window = nullptr;
};

TEST_F(Tray, IconRecordIsTheBalloonFormWithTheHookInstalled) {
    const GlobalState& state = global_state();
    EXPECT_EQ(state.tray_record.cbSize, static_cast<DWORD>(NOTIFYICONDATAA_V2_SIZE));
    if (sizeof(void*) == 4) {
        EXPECT_EQ(state.tray_record.cbSize, 488u);
    }
    EXPECT_EQ(state.tray_record.uID, 1u);
    EXPECT_EQ(state.tray_record.uFlags, 7u);
    EXPECT_EQ(state.tray_record.uCallbackMessage, 123456u);
    EXPECT_EQ(std::string(state.tray_record.szTip), std::string("禾木旗下软件\r\n名称：栖桐\r\n禾木网址：") + QITONG_HOME_PAGE);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)), tray_window_proc);
    EXPECT_TRUE(state.previous_window_proc);
}

TEST_F(Tray, DoubleClickOpensTheHomePageAndOtherMouseMessagesDoNothing) {
    EXPECT_EQ(tray_mouse(WM_LBUTTONDBLCLK), 0);
    EXPECT_EQ(tray_mouse(WM_MOUSEMOVE), 0);
    EXPECT_EQ(tray_mouse(WM_LBUTTONDOWN), 0);  // visible: nothing
    EXPECT_EQ(seams_.opened, std::vector<std::string>{QITONG_HOME_PAGE});
    EXPECT_TRUE(seams_.menus.empty());
}

TEST_F(Tray, MinimiseHidesWithABalloonAndALeftClickBringsItBackCentredOnTop) {
    SetWindowPos(window, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(window, SW_MINIMIZE);
    pump_for(20);
    EXPECT_FALSE(IsWindowVisible(window));
    const NOTIFYICONDATAA& record = global_state().tray_record;
    EXPECT_EQ(record.uFlags, static_cast<UINT>(NIF_INFO));
    EXPECT_EQ(record.dwInfoFlags, 1u);
    EXPECT_EQ(std::string(record.szInfoTitle), "栖桐 V1.0");
    EXPECT_EQ(std::string(record.szInfo),
              std::string("当前版本：1.0  发布时间：2013.8.1\r\n-------------\r\n禾木网址：") + QITONG_HOME_PAGE);

    // The window stays on top while the click's wait runs, and not after.
    seams().tray_topmost_us = 300000;
    topmost_during_wait = false;
    watched_window = window;
    SetTimer(nullptr, 0, 100, look_at_topmost);
    tray_mouse(WM_LBUTTONDOWN);
    EXPECT_TRUE(topmost_during_wait);
    EXPECT_FALSE(topmost(window));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_FALSE(IsIconic(window));
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

TEST_F(Tray, TaskbarRestartKeepsTheHookWorking) {
    ShowWindow(window, SW_MINIMIZE);  // the stored record now names only the balloon
    SendMessageW(window, global_state().taskbar_created_message, 0, 0);
    EXPECT_EQ(tray_mouse(WM_LBUTTONDBLCLK), 0);
    EXPECT_EQ(seams_.opened, std::vector<std::string>{QITONG_HOME_PAGE});
}

TEST_F(Tray, RightClickMenuExitDestroysTheWindowAndRemovesTheIcon) {
    POINT cursor;
    GetCursorPos(&cursor);
    seams_.menu_answer = CMD_TRAY_EXIT;
    tray_mouse(WM_RBUTTONDOWN);
    ASSERT_EQ(seams_.menus.size(), 1u);
    EXPECT_EQ(seams_.menus[0].texts, (std::vector<std::string>{"荷塘软件", "菱角软件", "使用帮助", "退出"}));
    EXPECT_EQ(seams_.menus[0].x, cursor.x - 5);
    EXPECT_EQ(seams_.menus[0].y, cursor.y - 5);
    EXPECT_TRUE(seams_.menus[0].flags & TPM_RIGHTALIGN);
    pump_for(20);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(seams_.end_program_calls, 1);
    EXPECT_EQ(global_state().previous_window_proc, nullptr);
}

TEST_F(Tray, CloseButtonEndsTheProgramTheSameWay) {
    SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    pump_for(20);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(seams_.end_program_calls, 1);
    EXPECT_EQ(global_state().previous_window_proc, nullptr);
    EXPECT_EQ(global_state().main_window, nullptr);
}

}  // namespace
