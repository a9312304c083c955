// Colours of the item list's cells on the real main window: the custom-draw
// answers as the list receives them through the tab control, what other
// notifications see, the procedure's life, and the painted pixels.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

#include "app/main_window.h"
#include "app/seams.h"
#include "app/tray.h"
#include "app/window_layout.h"
#include "check/cell_colours.h"
#include "check/list_rows.h"
#include "support/ui_harness.h"

namespace {

constexpr COLORREF OWN_TEXT = RGB(10, 20, 30), OWN_BACK = RGB(250, 240, 230);
constexpr COLORREF UNTOUCHED_TEXT = 0x123456, UNTOUCHED_BACK = 0x654321;

struct Drawn {
    LRESULT result;
    COLORREF text, back;
};

class CellColourPaint : public ::testing::Test {
protected:
    void SetUp() override {
        clear_cell_colours();
        window = open_main_window(seams_);
        ASSERT_TRUE(window);
        list = main_control("超级列表框1");
        SendMessageW(list, LVM_SETTEXTCOLOR, 0, OWN_TEXT);
        SendMessageW(list, LVM_SETTEXTBKCOLOR, 0, OWN_BACK);
    }
    void TearDown() override {
        close_main_window(window);
        clear_cell_colours();
    }

    void add_rows(int count) {
        std::vector<std::string> titles;
        for (int i = row_count(list); i < count; ++i) titles.push_back("宝贝" + std::to_string(i));
        ::add_rows(list, row_count(list) + 1, titles);
    }

    // Runs work on a worker, as the batch check does, while this thread
    // keeps handling the window's messages.
    static void on_worker(const std::function<void()>& work) {
        std::atomic<bool> done{false};
        std::thread worker([&] {
            work();
            done = true;
        });
        pump_until([&] { return done.load(); }, 20000);
        worker.join();
    }
    static void record(int row, int column, StatusColours colours) {
        on_worker([=] { set_cell_colour(row, column, colours); });
    }

    // A notification as the control sends it: to its parent, here the tab
    // control, which hands it on to the main window.
    static Drawn custom_draw(HWND from, DWORD stage, int row, int column) {
        NMLVCUSTOMDRAW draw{};
        draw.nmcd.hdr.hwndFrom = from;
        draw.nmcd.hdr.idFrom = GetDlgCtrlID(from);
        draw.nmcd.hdr.code = static_cast<UINT>(NM_CUSTOMDRAW);
        draw.nmcd.dwDrawStage = stage;
        draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
        draw.iSubItem = column;
        draw.clrText = UNTOUCHED_TEXT;
        draw.clrTextBk = UNTOUCHED_BACK;
        const LRESULT result =
            SendMessageW(GetParent(from), WM_NOTIFY, draw.nmcd.hdr.idFrom, reinterpret_cast<LPARAM>(&draw));
        return {result, draw.clrText, draw.clrTextBk};
    }
    Drawn cell(int row, int column) { return custom_draw(list, CDDS_ITEMPREPAINT | CDDS_SUBITEM, row, column); }

    COLORREF pixel_in_cell(int row, int column) {
        RECT r{};
        r.top = column;
        r.left = LVIR_BOUNDS;
        SendMessageW(list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&r));
        HDC dc = GetDC(list);
        COLORREF colour = GetPixel(dc, r.right - 4, (r.top + r.bottom) / 2);
        ReleaseDC(list, dc);
        return colour;
    }

    RecordingSeams seams_;
    HWND window = nullptr;
    HWND list = nullptr;
};

TEST_F(CellColourPaint, EachStageAnswersFromTheTableOrTheListsOwnColours) {
    add_rows(4);
    record(0, STATUS_COLUMN, INDEXED_COLOURS);
    record(1, STATUS_COLUMN, NOT_INDEXED_COLOURS);
    record(2, STATUS_COLUMN, FAILED_COLOURS);
    record(2, STATUS_COLUMN, INDEXED_COLOURS);
    record(3, STATUS_COLUMN, NOT_INDEXED_COLOURS);
    record(3, STATUS_COLUMN, {OWN_TEXT, OWN_BACK});  // the list's own colours: the record goes
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)), list_parent_proc);
    ASSERT_EQ(cell_colours().size(), 3u);

    struct Case { DWORD stage; int row, column; Drawn expected; };
    const Case cases[] = {
        {CDDS_PREPAINT, 0, 0, {CDRF_NOTIFYITEMDRAW, UNTOUCHED_TEXT, UNTOUCHED_BACK}},
        {CDDS_ITEMPREPAINT, 0, 0, {CDRF_NOTIFYSUBITEMDRAW, UNTOUCHED_TEXT, UNTOUCHED_BACK}},
        {CDDS_ITEMPREPAINT | CDDS_SUBITEM, 0, 2, {CDRF_DODEFAULT, 0, 65280}},
        {CDDS_ITEMPREPAINT | CDDS_SUBITEM, 1, 2, {CDRF_DODEFAULT, 0, 255}},
        {CDDS_ITEMPREPAINT | CDDS_SUBITEM, 2, 2, {CDRF_DODEFAULT, 0, 65280}},
        {CDDS_ITEMPREPAINT | CDDS_SUBITEM, 3, 2, {CDRF_DODEFAULT, OWN_TEXT, OWN_BACK}},
        {CDDS_ITEMPREPAINT | CDDS_SUBITEM, 0, 0, {CDRF_DODEFAULT, OWN_TEXT, OWN_BACK}},
        {CDDS_ITEMPREPAINT | CDDS_SUBITEM, 0, 1, {CDRF_DODEFAULT, OWN_TEXT, OWN_BACK}},
        {CDDS_ITEMPREPAINT | CDDS_SUBITEM, 1, 3, {CDRF_DODEFAULT, OWN_TEXT, OWN_BACK}},
        {CDDS_ITEMPREPAINT | CDDS_SUBITEM, 1, 4, {CDRF_DODEFAULT, OWN_TEXT, OWN_BACK}},
        {CDDS_ITEMPOSTPAINT, 0, 2, {CDRF_DODEFAULT, UNTOUCHED_TEXT, UNTOUCHED_BACK}},
        {CDDS_POSTPAINT, 0, 0, {CDRF_DODEFAULT, UNTOUCHED_TEXT, UNTOUCHED_BACK}},
    };
    for (const Case& c : cases) {
        const Drawn d = custom_draw(list, c.stage, c.row, c.column);
        EXPECT_EQ(d.result, c.expected.result) << std::hex << c.stage << " " << c.row << "," << c.column;
        EXPECT_EQ(d.text, c.expected.text) << std::hex << c.stage << " " << c.row << "," << c.column;
        EXPECT_EQ(d.back, c.expected.back) << std::hex << c.stage << " " << c.row << "," << c.column;
    }

    // The list's own colours are read afresh for every cell.
    SendMessageW(list, LVM_SETTEXTBKCOLOR, 0, RGB(1, 2, 3));
    EXPECT_EQ(cell(3, 2).back, RGB(1, 2, 3));
    EXPECT_EQ(cell(0, 2).back, 65280u);
}

TEST_F(CellColourPaint, OtherControlsAndOtherListNotificationsReachTheWindowUnchanged) {
    add_rows(3);
    record(1, STATUS_COLUMN, INDEXED_COLOURS);

    // A button's custom drawing is none of the table's business.
    const Drawn button = custom_draw(main_control("按钮_查询"), CDDS_PREPAINT, 1, 2);
    EXPECT_EQ(button.result, CDRF_DODEFAULT);
    const Drawn button_cell = custom_draw(main_control("按钮_查询"), CDDS_ITEMPREPAINT | CDDS_SUBITEM, 1, 2);
    EXPECT_EQ(button_cell.text, UNTOUCHED_TEXT);
    EXPECT_EQ(button_cell.back, UNTOUCHED_BACK);

    // A click on a row still copies its title.
    LVITEMW state{};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&state));
    NMITEMACTIVATE click{};
    click.hdr.hwndFrom = list;
    click.hdr.idFrom = GetDlgCtrlID(list);
    click.hdr.code = static_cast<UINT>(NM_CLICK);
    SendMessageW(GetParent(list), WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(control_text(main_control("编辑框_标题")), "宝贝2");
}

TEST_F(CellColourPaint, ClosingTakesTheProcedureOffAndTheNextWindowGetsItAgain) {
    // Several workers record their first cells at the same moment: one
    // installation only, or passing a message on would recurse.
    add_rows(8);
    on_worker([] {
        std::vector<std::thread> workers;
        for (int row = 0; row < 8; ++row)
            workers.emplace_back([row] { set_cell_colour(row, STATUS_COLUMN, INDEXED_COLOURS); });
        for (std::thread& w : workers) w.join();
    });
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)), list_parent_proc);
    EXPECT_EQ(cell(7, 2).back, 65280u);

    // Closed by its button (WM_CLOSE) or destroyed outright (WM_DESTROY):
    // the tray hook under the procedure still sees the destruction.
    const auto counting = seams().end_program;
    WNDPROC proc_when_ended = nullptr;
    for (const bool by_close : {true, false}) {
        seams().end_program = [&, w = window] {
            proc_when_ended = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(w, GWLP_WNDPROC));
            counting();
        };
        const int ends_before = seams_.end_program_calls;
        if (by_close) SendMessageW(window, WM_CLOSE, 0, 0);
        else DestroyWindow(window);
        EXPECT_FALSE(IsWindow(window)) << by_close;
        EXPECT_EQ(seams_.end_program_calls, ends_before + 1) << by_close;
        EXPECT_NE(proc_when_ended, list_parent_proc) << by_close;
        EXPECT_NE(proc_when_ended, tray_window_proc) << by_close;

        // With the window gone a worker's recording only changes the table.
        record(20, STATUS_COLUMN, NOT_INDEXED_COLOURS);
        ASSERT_TRUE(find_cell_colour(20, STATUS_COLUMN));
        EXPECT_EQ(find_cell_colour(20, STATUS_COLUMN)->back_colour, 255u);

        window = open_main_window(seams_);
        ASSERT_TRUE(window);
        list = main_control("超级列表框1");
        EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)), tray_window_proc);
        record(0, STATUS_COLUMN, FAILED_COLOURS);
        EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)), list_parent_proc) << by_close;
    }
    seams().end_program = counting;
}

TEST_F(CellColourPaint, WorkersRecordingWhileTheWindowIsDestroyed) {
    add_rows(50);
    std::atomic<bool> stop{false};
    std::vector<std::thread> workers;
    for (int t = 0; t < 4; ++t)
        workers.emplace_back([&, t] {
            for (int i = 0; !stop; ++i)
                set_cell_colour((i * 4 + t) % 50, STATUS_COLUMN, i % 2 ? INDEXED_COLOURS : NOT_INDEXED_COLOURS);
        });
    pump_for(100);
    DestroyWindow(window);
    pump_for(100);
    stop = true;
    pump_for(20);
    for (std::thread& w : workers) w.join();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(seams_.end_program_calls, 1);
    EXPECT_EQ(cell_colours().size(), 50u);
}

TEST_F(CellColourPaint, PaintedCellsShowTheirColours) {
    add_rows(3);
    record(5, STATUS_COLUMN, INDEXED_COLOURS);  // before the row exists
    record(0, STATUS_COLUMN, INDEXED_COLOURS);
    record(1, STATUS_COLUMN, NOT_INDEXED_COLOURS);
    add_rows(6);
    UpdateWindow(list);

    struct Case { int row, column; COLORREF expected; };
    const Case cases[] = {
        {0, 2, 65280}, {1, 2, 255}, {5, 2, 65280}, {2, 2, OWN_BACK}, {0, 1, OWN_BACK}, {0, 3, OWN_BACK},
    };
    EXPECT_TRUE(pump_until([&] { return pixel_in_cell(5, 2) == 65280; }, 3000));
    for (const Case& c : cases) EXPECT_EQ(pixel_in_cell(c.row, c.column), c.expected) << c.row << "," << c.column;
}

}  // namespace
