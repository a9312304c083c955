// The real main window: creation state, the interval box, the hint line,
// list clicks, the exact check, the banner and the help fallback.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "app/global_state.h"
#include "app/main_window.h"
#include "app/seams.h"
#include "app/wait_pumping.h"
#include "app/window_layout.h"
#include "check/list_rows.h"
#include "check/title_query.h"
#include "endpoints.h"
#include "main_window_layout.h"
#include "support/test_main_env.h"
#include "support/ui_harness.h"
#include "text/codepage.h"

namespace {

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override { window = open_main_window(seams_); ASSERT_TRUE(window); }
    void TearDown() override { close_main_window(window); }
    static HWND control(const char* name) { return main_control(name); }
    static std::string text_of(const char* name) { return control_text(main_control(name)); }

    void add_rows(const std::vector<std::string>& titles) { ::add_rows(control("超级列表框1"), 1, titles); }
    void select_row(int row) {
        LVITEMW state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = row >= 0 ? LVIS_SELECTED | LVIS_FOCUSED : 0;
        SendMessageW(control("超级列表框1"), LVM_SETITEMSTATE, row >= 0 ? row : -1, reinterpret_cast<LPARAM>(&state));
    }
    void list_notify(int code) {
        NMITEMACTIVATE note{};
        note.hdr.hwndFrom = control("超级列表框1");
        note.hdr.idFrom = GetDlgCtrlID(note.hdr.hwndFrom);
        note.hdr.code = static_cast<UINT>(code);
        SendMessageW(window, WM_NOTIFY, note.hdr.idFrom, reinterpret_cast<LPARAM>(&note));
    }

    RecordingSeams seams_;
    HWND window = nullptr;
};

TEST_F(MainWindow, CreationState) {
    close_main_window(window);
    window = open_main_window(seams_, Startup::Loading);
    EXPECT_EQ(control_text(window), std::string("栖桐 V1.0  客服QQ:") + QITONG_CONTACT_NUMBER);
    EXPECT_EQ(status_text(0), " 正在加载...");
    EXPECT_EQ(status_text(1), " 面板已锁定，请等待加载完成哦(大约需要1-10秒)");
    EXPECT_FALSE(IsWindowEnabled(control("选择夹1")));
    EXPECT_EQ(SendMessageW(control("单选框_查询全部"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(control("单选框_只查未收录"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    // A control of the locked panel cannot hold the focus (on Windows as on
    // Wine); the query button gets it as soon as the panel unlocks.
    unlock_panel(0);
    EXPECT_EQ(GetFocus(), control("按钮_查询"));

    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r.right - r.left, 583);
    EXPECT_EQ(r.bottom - r.top, 572);
    EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));

    // Every control of the layout exists with its text and place; the one
    // browser that cannot exist without an HTML engine is checked below.
    for (std::size_t i = 0; i < MAIN_WINDOW_LAYOUT.control_count; ++i) {
        const ControlSpec& spec = MAIN_WINDOW_LAYOUT.controls[i];
        if (spec.kind == ControlKind::WebBrowser || spec.kind == ControlKind::StatusBar) continue;
        HWND hwnd = control(spec.name);
        ASSERT_TRUE(hwnd) << spec.name;
        RECT place;
        GetWindowRect(hwnd, &place);
        MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&place), 2);
        EXPECT_EQ(place.left, spec.x) << spec.name;
        EXPECT_EQ(place.top, spec.y) << spec.name;
        if (spec.kind != ControlKind::PictureBox && spec.kind != ControlKind::TabControl) {
            EXPECT_EQ(control_text(hwnd), spec.text) << spec.name;
        }
    }
    EXPECT_EQ(text_of("标签_提示"), "单个查询:");
    EXPECT_EQ(menu_texts(main_controls().menu("右键菜单")), std::vector<std::string>{"精准核对   "});
    EXPECT_EQ(menu_texts(main_controls().menu("托盘菜单")),
              (std::vector<std::string>{"荷塘软件", "菱角软件", "使用帮助", "退出"}));
    HWND header = reinterpret_cast<HWND>(SendMessageW(control("超级列表框1"), LVM_GETHEADER, 0, 0));
    EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 5);
    EXPECT_EQ(SendMessageW(control("超级列表框1"), LVM_GETCOLUMNWIDTH, 1, 0), 250);

    save_window_bitmap(window, artifact_dir() + "\\main-window.bmp");
}

TEST_F(MainWindow, HelpTabFallsBackToALinkWithoutBrowserControl) {
    // The tests run without an HTML engine, so the help tab offers a link.
    ASSERT_EQ(control("超文本浏览框3"), nullptr);
    HWND link = control("链接_使用帮助");
    ASSERT_TRUE(link);
    EXPECT_FALSE(IsWindowVisible(link));
    unlock_panel(1);
    EXPECT_TRUE(IsWindowEnabled(control("选择夹1")));
    EXPECT_TRUE(IsWindowVisible(link));
    EXPECT_FALSE(IsWindowVisible(control("按钮_查询")));
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(link), STN_CLICKED), reinterpret_cast<LPARAM>(link));
    EXPECT_EQ(seams_.opened, std::vector<std::string>{QITONG_HELP_PAGE});
}

TEST_F(MainWindow, IntervalBoxIsValidatedOnEveryChange) {
    const std::string warning = "注意：自动查询间隔不能＜5分钟、不能＞600分钟！";
    struct Case { std::string typed; int minutes; std::string box; bool warned; };
    const Case cases[] = {
        {"", 10, "10", true},        {"4", 10, "10", true},        {"601", 10, "10", true},
        {"5", 5, "5", false},        {"600", 600, "600", false},   {"  30  ", 30, "  30  ", false},
        {"３０", 30, "３０", false}, {"30abc", 30, "30abc", false}, {"abc", 10, "10", true},
    };
    for (const Case& c : cases) {
        global_state().check_interval_minutes = 0;
        set_control_text(control("标签_提示"), "单个查询:");
        set_control_text(control("编辑框_检索间隔"), c.typed);
        EXPECT_EQ(global_state().check_interval_minutes, c.minutes) << c.typed;
        EXPECT_EQ(text_of("编辑框_检索间隔"), c.box) << c.typed;
        EXPECT_EQ(text_of("标签_提示"), c.warned ? warning : "单个查询:") << c.typed;
    }
}

TEST_F(MainWindow, HintReturnsAfterItsDelay) {
    seams().hint_restore_us = 300000;
    set_control_text(control("编辑框_检索间隔"), "4");
    EXPECT_NE(text_of("标签_提示"), "单个查询:");
    pump_for(100);
    EXPECT_NE(text_of("标签_提示"), "单个查询:") << "restored before its delay";
    // Restored even over a hint written meanwhile by someone else.
    set_control_text(control("标签_提示"), "别的提示");
    EXPECT_TRUE(pump_until([] { return control_text(main_control("标签_提示")) == "单个查询:"; }, 3000));
}

TEST_F(MainWindow, ListClicksCopyAndRememberTheRowTitle) {
    std::string long_title;
    for (int i = 0; i < 400; ++i) long_title += "宝贝";  // longer than any first read buffer
    add_rows({"连衣裙夏季新款", "纯棉T恤男短袖", long_title});
    select_row(1);
    list_notify(NM_CLICK);
    EXPECT_EQ(text_of("编辑框_标题"), "纯棉T恤男短袖");
    select_row(2);
    list_notify(NM_CLICK);
    EXPECT_EQ(text_of("编辑框_标题"), long_title);
    select_row(-1);
    list_notify(NM_CLICK);
    EXPECT_EQ(text_of("编辑框_标题"), "");

    // Right click: the menu at the pointer, the title remembered; choosing
    // the item opens that title's search page.
    select_row(0);
    seams_.menu_answer = CMD_EXACT_CHECK;
    list_notify(NM_RCLICK);
    ASSERT_EQ(seams_.menus.size(), 1u);
    EXPECT_EQ(seams_.menus[0].menu, main_controls().menu("右键菜单"));
    POINT cursor;
    GetCursorPos(&cursor);
    EXPECT_EQ(seams_.menus[0].x, cursor.x);
    EXPECT_EQ(global_state().context_title, "连衣裙夏季新款");
    EXPECT_EQ(seams_.opened, std::vector<std::string>{search_url("连衣裙夏季新款")});
}

TEST_F(MainWindow, ExactCheckOfNoRowShowsTheHintAndOpensNothing) {
    add_rows({"连衣裙夏季新款"});
    select_row(-1);
    seams_.menu_answer = CMD_EXACT_CHECK;
    list_notify(NM_RCLICK);
    EXPECT_EQ(global_state().context_title, "");
    EXPECT_EQ(text_of("标签_提示"), "啊哦！你还没有导入宝贝全称呦！！");
    EXPECT_TRUE(seams_.opened.empty());
}

TEST_F(MainWindow, ExactCheckButtonOpensTheTrimmedTitle) {
    set_control_text(control("编辑框_标题"), "　 宝贝 ");
    SendMessageW(control("按钮_精准查询"), BM_CLICK, 0, 0);
    EXPECT_EQ(seams_.opened, std::vector<std::string>{search_url("宝贝")});
    set_control_text(control("编辑框_标题"), "   ");
    SendMessageW(control("按钮_精准查询"), BM_CLICK, 0, 0);
    EXPECT_EQ(seams_.opened.size(), 1u);
    ASSERT_EQ(seams_.message_boxes.size(), 1u);
    EXPECT_EQ(seams_.message_boxes[0].text, "宝贝全称不能为空");
    EXPECT_EQ(seams_.message_boxes[0].title, "提示");
    EXPECT_EQ(seams_.message_boxes[0].style, static_cast<unsigned>(MB_ICONEXCLAMATION | MB_OK));
}

TEST_F(MainWindow, BannerHalvesOpenTheSamePagesAsTheTrayMenu) {
    SendMessageW(control("透明标签_荷塘软件"), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageW(control("透明标签_菱角软件"), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageW(window, WM_COMMAND, CMD_TRAY_SECOND_SITE_BOARD, 0);
    SendMessageW(window, WM_COMMAND, CMD_TRAY_FIRST_SITE_BOARD, 0);
    SendMessageW(window, WM_COMMAND, CMD_TRAY_HELP, 0);
    EXPECT_EQ(seams_.opened, (std::vector<std::string>{QITONG_BOARD_SECOND_SITE, QITONG_BOARD_FIRST_SITE,
                                                        QITONG_BOARD_SECOND_SITE, QITONG_BOARD_FIRST_SITE,
                                                        QITONG_TUTORIAL_PAGE}));
}

TEST_F(MainWindow, ClearButtonEmptiesTheTitleAndFocusesIt) {
    unlock_panel(0);
    set_control_text(control("编辑框_标题"), "宝贝");
    SendMessageW(control("按钮_清空宝贝全称"), BM_CLICK, 0, 0);
    EXPECT_EQ(text_of("编辑框_标题"), "");
    EXPECT_EQ(GetFocus(), control("编辑框_标题"));
}

TEST_F(MainWindow, WaitPumpingKeepsTheWindowResponsive) {
    struct Case { int microseconds; ULONGLONG at_least, at_most; };
    for (const Case& c : {Case{0, 0, 200}, Case{-5, 0, 200}, Case{300000, 280, 2000}}) {
        const ULONGLONG start = GetTickCount64();
        wait_pumping(c.microseconds);
        const ULONGLONG took = GetTickCount64() - start;
        EXPECT_GE(took, c.at_least) << c.microseconds;
        EXPECT_LE(took, c.at_most) << c.microseconds;
    }
    // A click queued during a one-second wait is handled before it returns.
    set_control_text(control("编辑框_标题"), "宝贝");
    PostMessageW(control("按钮_精准查询"), BM_CLICK, 0, 0);
    const ULONGLONG start = GetTickCount64();
    wait_pumping(1000000);
    EXPECT_GE(GetTickCount64() - start, 950u);
    EXPECT_EQ(seams_.opened, std::vector<std::string>{search_url("宝贝")});
}

}  // namespace
