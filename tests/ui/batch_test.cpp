// The item list and the monitoring on the real window against the stand-in:
// import and add, the monitor's states and minutes, due items, and the rows,
// counts and colours a batch leaves.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <map>

#include "app/file_bytes.h"
#include "app/global_state.h"
#include "app/main_window.h"
#include "app/seams.h"
#include "check/batch.h"
#include "check/cell_colours.h"
#include "check/list_rows.h"
#include "support/standin_control.h"
#include "support/test_main_env.h"
#include "support/ui_harness.h"
#include "text/codepage.h"
#include "text/gbk.h"

namespace {

HWND list() { return main_control("超级列表框1"); }

std::string status(int row) { return cell_text(list(), row, STATUS_COLUMN); }

// The background the list paints a cell with, asked through custom draw.
COLORREF painted_back(int row, int column = STATUS_COLUMN) {
    NMLVCUSTOMDRAW draw{};
    draw.nmcd.hdr.hwndFrom = list();
    draw.nmcd.hdr.idFrom = GetDlgCtrlID(list());
    draw.nmcd.hdr.code = NM_CUSTOMDRAW;
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
    draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
    draw.iSubItem = column;
    SendMessageW(GetParent(list()), WM_NOTIFY, draw.nmcd.hdr.idFrom, reinterpret_cast<LPARAM>(&draw));
    return draw.clrTextBk;
}

int search_requests() {
    const std::string log = standin_get("/__log");
    int n = 0;
    for (std::size_t at = log.find("GET /book/search/"); at != std::string::npos; at = log.find("GET /book/search/", at + 1))
        ++n;
    return n;
}

bool monitor_timer_on(HWND window) {
    // Setting it anew reports whether one was there by replacing it; the
    // simplest probe is to kill it and put it back.
    if (!KillTimer(window, MONITOR_TIMER_ID)) return false;
    SetTimer(window, MONITOR_TIMER_ID, seams().monitor_tick_ms, nullptr);
    return true;
}

class Batch : public ::testing::Test {
protected:
    void SetUp() override {
        standin_get("/__config/reset");
        window = open_main_window(seams_);
        ASSERT_TRUE(window);
        ASSERT_TRUE(IsWindowEnabled(main_control("选择夹1")));
        seams().batch_pacing_us = 20000;
    }
    void TearDown() override {
        close_main_window(window);
        for (const std::string& f : files) DeleteFileW(gbk::to_wide(f).c_str());
    }
    // A title file in GBK with CR LF after every title.
    std::string title_file(const std::vector<std::string>& titles, const std::string& name = "titles.txt") {
        std::string bytes;
        for (const std::string& t : titles) bytes += t + "\r\n";
        return raw_file(bytes, name);
    }
    std::string raw_file(const std::string& bytes, const std::string& name) {
        const std::string path = artifact_dir() + "\\" + name;
        EXPECT_TRUE(replace_file_bytes(path, bytes));
        files.push_back(path);
        return path;
    }
    void import(const std::vector<std::string>& titles) {
        seams_.chosen_file = title_file(titles);
        SendMessageW(main_control("按钮_导入宝贝全称"), BM_CLICK, 0, 0);
    }
    void click(const char* button) { SendMessageW(main_control(button), BM_CLICK, 0, 0); }
    bool all_rows_done(int n) {
        for (int r = 0; r < n; ++r)
            if (status(r).empty() || status(r) == "正在查询") return false;
        return true;
    }
    std::vector<std::string> column(int c) {
        std::vector<std::string> texts;
        for (int r = 0; r < row_count(list()); ++r) texts.push_back(cell_text(list(), r, c));
        return texts;
    }

    RecordingSeams seams_;
    HWND window = nullptr;
    std::vector<std::string> files;
};

using Texts = std::vector<std::string>;

TEST_F(Batch, ImportReplacesAndAddAppendsNumberedRows) {
    seams_.chosen_file = raw_file("a\r\n\r\nb\r\n", "three.txt");
    click("按钮_导入宝贝全称");
    EXPECT_EQ(column(1), (Texts{"a", "", "b"}));
    set_cell_colour(0, STATUS_COLUMN, 0, 255);

    import({"连衣裙夏季新款", "手工编织草帽", "纯棉T恤男短袖"});
    EXPECT_EQ(column(0), (Texts{"1", "2", "3"}));
    EXPECT_EQ(column(1), (Texts{"连衣裙夏季新款", "手工编织草帽", "纯棉T恤男短袖"}));
    EXPECT_EQ(painted_back(0), static_cast<COLORREF>(SendMessageW(list(), LVM_GETTEXTBKCOLOR, 0, 0)))
        << "the old row's colour went with it";

    seams_.chosen_file = title_file({"新增一", "新增二"}, "more.txt");
    click("按钮_新增宝贝");
    EXPECT_EQ(column(0), (Texts{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(global_state().items.count(), 5);

    // Cancel changes nothing; an unreadable file says so and changes nothing.
    seams_.chosen_file.reset();
    click("按钮_导入宝贝全称");
    const std::string missing = artifact_dir() + "\\不存在的文件.txt";
    seams_.chosen_file = missing;
    click("按钮_新增宝贝");
    EXPECT_EQ(row_count(list()), 5);
    ASSERT_EQ(seams_.message_boxes.size(), 1u);
    EXPECT_EQ(seams_.message_boxes[0].text, "无法读取文件：" + missing);
    EXPECT_EQ(seams_.message_boxes[0].title, "提示");
    EXPECT_EQ(seams_.message_boxes[0].style, 0x30u);
}

TEST_F(Batch, StartNeedsItemsAndIsNotRepeatedWhileRunning) {
    click("按钮_开始自动监测");
    ASSERT_EQ(seams_.message_boxes.size(), 1u);
    EXPECT_EQ(seams_.message_boxes[0].text, "请导入宝贝全称");
    EXPECT_EQ(global_state().run_count, 0);

    import({"连衣裙夏季新款"});
    click("按钮_开始自动监测");
    EXPECT_EQ(global_state().monitor_state, MONITOR_RUNNING);
    EXPECT_EQ(global_state().run_count, 1);
    EXPECT_EQ(control_text(main_control("标签_已查询次数")), "1");
    click("按钮_开始自动监测");
    EXPECT_EQ(control_text(main_control("标签_提示")), "提示：当前正在进行监测哦~");
    EXPECT_EQ(global_state().run_count, 1);
}

TEST_F(Batch, MinutesCountDownAndTheTenthTickStartsTheNextBatch) {
    import({"连衣裙夏季新款", "目录里没有的宝贝"});
    click("按钮_开始自动监测");  // interval box holds 10
    ASSERT_TRUE(pump_until([&] { return all_rows_done(2); }, 10000));
    EXPECT_EQ(status_text(1).substr(status_text(1).size() - 7), " 10 Min");
    EXPECT_TRUE(monitor_timer_on(window));
    for (int left = 9; left >= 1; --left) {
        on_monitor_tick();
        EXPECT_EQ(status_text(1), monitor_status_text(left));
    }
    EXPECT_EQ(global_state().run_count, 1);
    on_monitor_tick();  // the tenth: 0 left, the next batch starts and ends
    EXPECT_EQ(global_state().run_count, 2);
    EXPECT_EQ(control_text(main_control("标签_已查询次数")), "2");
    EXPECT_EQ(global_state().elapsed_minutes, 0);

    // Lowering the interval below the minutes counted starts the batch at the next tick.
    for (int i = 0; i < 6; ++i) on_monitor_tick();
    set_control_text(main_control("编辑框_检索间隔"), "5");
    on_monitor_tick();
    EXPECT_EQ(global_state().run_count, 3);

    // Stop, then start again: run_count goes on, minutes start from 0.
    click("按钮_停止");
    EXPECT_EQ(status_text(1), " 已停止监测！");
    EXPECT_FALSE(monitor_timer_on(window));
    click("按钮_开始自动监测");
    EXPECT_EQ(global_state().run_count, 4);
}

// Pressed from a timer that fires during the batch's one-second waits.
void CALLBACK press_stop(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    stop_monitoring();
}
void CALLBACK press_stop_and_start(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    stop_monitoring();
    start_monitoring();
}
void CALLBACK choose_check_all(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    SendMessageW(main_control("单选框_只查未收录"), BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageW(main_control("单选框_查询全部"), BM_SETCHECK, BST_CHECKED, 0);
}

TEST_F(Batch, StopDuringTheLastWaitLeavesTheTimerOff) {
    import({"连衣裙夏季新款"});
    seams().batch_pacing_us = 400000;
    SetTimer(nullptr, 0, 150, press_stop);
    click("按钮_开始自动监测");
    EXPECT_EQ(status_text(1), " 已停止监测！");
    EXPECT_FALSE(monitor_timer_on(window));
    EXPECT_EQ(global_state().monitor_state, MONITOR_STOPPED);
}

TEST_F(Batch, StopAndStartDuringAWaitRunOneBatchAtATime) {
    import({"连衣裙夏季新款", "手工编织草帽", "纯棉T恤男短袖"});
    standin_get("/__log/clear");
    seams().batch_pacing_us = 300000;
    SetTimer(nullptr, 0, 100, press_stop_and_start);
    click("按钮_开始自动监测");
    ASSERT_TRUE(pump_until([&] { return all_rows_done(3); }, 10000));
    pump_for(300);
    // One check of item 1 by the first batch, then the new batch checks all
    // three; the first batch never goes on to items 2 and 3.
    EXPECT_EQ(search_requests(), 4);
    EXPECT_EQ(global_state().run_count, 2);
    EXPECT_TRUE(monitor_timer_on(window));
}

TEST_F(Batch, OnlyUnindexedModeSkipsIndexedRowsAndCheckAllTakesOver) {
    import({"连衣裙夏季新款", "目录里没有的宝贝", "手工编织草帽", "纯棉T恤男短袖", "亲子装一家三口"});
    const Texts before = {"已收录", "未收录", "正在查询", "查询失败", ""};
    for (int r = 0; r < 5; ++r) set_cell_text(list(), r, STATUS_COLUMN, before[r]);
    SendMessageW(main_control("单选框_查询全部"), BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageW(main_control("单选框_只查未收录"), BM_SETCHECK, BST_CHECKED, 0);
    standin_get("/__log/clear");
    seams().batch_pacing_us = 500000;
    const ULONGLONG start = GetTickCount64();
    click("按钮_开始自动监测");
    const ULONGLONG took = GetTickCount64() - start;
    ASSERT_TRUE(pump_until([&] { return all_rows_done(5); }, 10000));
    EXPECT_EQ(search_requests(), 4);
    EXPECT_LT(took, 4 * 500 + 400u) << "the skipped row must not wait";
    EXPECT_EQ(status(0), "已收录");

    // Every row indexed now; choosing 查询全部 during the first wait makes the rest due.
    click("按钮_停止");
    standin_get("/__log/clear");
    for (int r = 0; r < 5; ++r) set_cell_text(list(), r, STATUS_COLUMN, r == 0 ? "" : "已收录");
    SetTimer(nullptr, 0, 200, choose_check_all);
    click("按钮_开始自动监测");
    ASSERT_TRUE(pump_until([&] { return all_rows_done(5); }, 10000));
    EXPECT_EQ(search_requests(), 5);
}

// Records when each row's status first changes: "正在查询" is set as its
// check starts, and a fast answer may replace it before the next look.
std::map<int, ULONGLONG> check_started;
void CALLBACK watch_rows(HWND, UINT, UINT_PTR, DWORD) {
    for (int r = 0; r < row_count(list()); ++r)
        if (!check_started.count(r) && !status(r).empty()) check_started[r] = GetTickCount64();
}

TEST_F(Batch, BatchAgainstTheStandInPacesChecksAndFillsRows) {
    import({"连衣裙夏季新款", "手工编织草帽", "目录里没有的宝贝", "出错的宝贝", "没有数字的宝贝"});
    set_cell_text(list(), 2, TIME_COLUMN, "2013-7-1 8:00:00");  // once indexed, now not
    seams().batch_pacing_us = 1000000;
    check_started.clear();
    UINT_PTR watcher = SetTimer(nullptr, 0, 10, watch_rows);
    click("按钮_开始自动监测");
    KillTimer(nullptr, watcher);
    ASSERT_TRUE(pump_until([&] { return all_rows_done(5); }, 15000));

    ASSERT_EQ(check_started.size(), 5u);
    for (int r = 1; r < 5; ++r) {
        const ULONGLONG spacing = check_started[r] - check_started[r - 1];
        EXPECT_GE(spacing, 900u) << "row " << r;
        EXPECT_LE(spacing, 1300u) << "row " << r;
    }
    EXPECT_EQ(column(STATUS_COLUMN), (Texts{"已收录", "已收录", "未收录", "查询失败", "已收录"}));
    EXPECT_EQ(column(COUNT_COLUMN), (Texts{"1", "12", "0", "", ""}));
    EXPECT_EQ(column(TIME_COLUMN),
              (Texts{"2013-8-1 9:05:07", "2013-8-1 9:05:07", "2013-7-1 8:00:00", "", "2013-8-1 9:05:07"}));
    const COLORREF green = 65280, red = 255, yellow = 65535;
    EXPECT_EQ(painted_back(0), green);
    EXPECT_EQ(painted_back(1), green);
    EXPECT_EQ(painted_back(2), red);
    EXPECT_EQ(painted_back(3), yellow);
    EXPECT_EQ(painted_back(4), green);
    EXPECT_EQ(painted_back(0, 1), static_cast<COLORREF>(SendMessageW(list(), LVM_GETTEXTBKCOLOR, 0, 0)));

    on_monitor_tick();
    EXPECT_EQ(status_text(1),
              " 共5个宝贝->已收录: 3 个->未收录: 1 个  正在监测->距下次查询还有: 9 Min 失败: 1 个");
}

TEST_F(Batch, CountsHoldAfterManyConcurrentChecks) {
    std::vector<std::string> titles;
    for (int i = 0; i < 40; ++i) titles.push_back("并发的宝贝" + gbk::decimal(i));
    for (int i = 0; i < 20; ++i) titles.push_back("手工编织草帽");
    import(titles);
    seams().batch_pacing_us = 1000;
    click("按钮_开始自动监测");
    ASSERT_TRUE(pump_until([&] { return all_rows_done(60); }, 30000));
    on_monitor_tick();
    EXPECT_EQ(status_text(1), " 共60个宝贝->已收录: 20 个->未收录: 40 个  正在监测->距下次查询还有: 9 Min");
}

void CALLBACK import_shorter_list(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    import_titles();
}

TEST_F(Batch, AShorterImportDuringABatchEndsItAtTheNewLength) {
    import({"连衣裙夏季新款", "手工编织草帽", "纯棉T恤男短袖", "亲子装一家三口", "复古帆布双肩包"});
    seams_.chosen_file = title_file({"北欧风陶瓷马克杯"}, "one.txt");
    seams().batch_pacing_us = 400000;
    SetTimer(nullptr, 0, 100, import_shorter_list);
    const ULONGLONG start = GetTickCount64();
    click("按钮_开始自动监测");
    EXPECT_LT(GetTickCount64() - start, 1500u) << "no waits for items that are gone";
    EXPECT_TRUE(monitor_timer_on(window));  // the batch reached its end
    pump_for(500);
    // The old first item's answer does not land on the new first row.
    EXPECT_EQ(row_count(list()), 1);
    EXPECT_EQ(status(0), "");
}

TEST_F(Batch, ACheckOfAnItemThatNoLongerExistsWritesNothing) {
    import({"慢慢来的宝贝", "慢慢来的宝贝", "慢慢来的宝贝"});  // answered after 2 s each
    click("按钮_开始自动监测");
    import({"手工编织草帽"});  // a shorter list while the checks run
    pump_for(3000);
    EXPECT_EQ(row_count(list()), 1);
    EXPECT_EQ(status(0), "");
    EXPECT_TRUE(cell_colours().empty());
}

}  // namespace
