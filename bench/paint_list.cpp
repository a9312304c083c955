// Repaints of the item list with 10,000 rows: the list painting by itself
// against the list with every status cell coloured, in the same run, at the
// top and at the bottom of the list; and what a recording costs, on the
// window's thread and from a worker.
#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "bench_clock.h"
#include "app/global_state.h"
#include "app/main_window.h"
#include "app/seams.h"
#include "app/wait_pumping.h"
#include "check/cell_colours.h"
#include "check/list_rows.h"

namespace {

void fill(HWND list, int rows) {
    std::vector<std::string> titles;
    for (int i = 0; i < rows; ++i) titles.push_back("宝贝全称 连衣裙夏季新款 第" + std::to_string(i) + "件");
    add_rows(list, 1, titles);
    for (int i = 0; i < rows; ++i) {
        set_cell_text(list, i, STATUS_COLUMN, i % 2 ? "未收录" : "已收录");
        set_cell_text(list, i, COUNT_COLUMN, std::to_string(i % 977));
        set_cell_text(list, i, TIME_COLUMN, "2013-08-01 12:00:00");
    }
}

// Mean milliseconds of one full repaint of the list.
double repaint_ms(HWND list, int repeats) {
    pump_pending_messages();
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);  // warm up
    const double start = now_ms();
    for (int i = 0; i < repeats; ++i) RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    return (now_ms() - start) / repeats;
}

}  // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int repeats = argc > 2 ? std::atoi(argv[2]) : 30;
    create_global_state();
    seams().config_timer_ms = USER_TIMER_MAXIMUM;  // no bootstrap, no network
    seams().end_program = [] {};
    HWND window = create_main_window(GetModuleHandleW(nullptr));
    HWND list = window ? main_control("超级列表框1") : nullptr;
    if (!list) {
        std::printf("no main window\n");
        return 1;
    }
    fill(list, rows);

    struct View { const char* name; int row; };
    const View views[] = {{"top", 0}, {"bottom", rows - 1}};
    double plain[2], coloured[2], own_only[2];
    for (int v = 0; v < 2; ++v) {
        SendMessageW(list, LVM_ENSUREVISIBLE, views[v].row, FALSE);
        plain[v] = repaint_ms(list, repeats);
    }

    // Every status cell recorded on the window's thread, as the batch's
    // results arrive there: the table's own cost, paints coalesced.
    const double record_start = now_ms();
    for (int row = 0; row < rows; ++row)
        set_cell_colour(row, STATUS_COLUMN, row % 2 ? NOT_INDEXED_COLOURS : INDEXED_COLOURS);
    const double record_ms = now_ms() - record_start;
    pump_pending_messages();

    // Recordings from a worker, one after the other while the window runs:
    // each waits for the window's thread, which repaints in between.
    constexpr int WORKER_RECORDS = 100;
    std::atomic<bool> done{false};
    const double worker_start = now_ms();
    std::thread worker([&] {
        for (int i = 0; i < WORKER_RECORDS; ++i)
            set_cell_colour(i, STATUS_COLUMN, i % 2 ? INDEXED_COLOURS : NOT_INDEXED_COLOURS);
        done = true;
    });
    while (!done) {
        pump_pending_messages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
    worker.join();
    const double worker_record_ms = (now_ms() - worker_start) / WORKER_RECORDS;

    for (int v = 0; v < 2; ++v) {
        SendMessageW(list, LVM_ENSUREVISIBLE, views[v].row, FALSE);
        coloured[v] = repaint_ms(list, repeats);
    }
    // Custom drawing still answers every cell, all in the list's own colours.
    clear_cell_colours();
    for (int v = 0; v < 2; ++v) {
        SendMessageW(list, LVM_ENSUREVISIBLE, views[v].row, FALSE);
        own_only[v] = repaint_ms(list, repeats);
    }

    for (int v = 0; v < 2; ++v)
        std::printf("rows=%d view=%s repeats=%d coloured_ms=%.3f plain_ms=%.3f ratio=%.2f own_colours_ms=%.3f\n", rows,
                    views[v].name, repeats, coloured[v], plain[v], coloured[v] / plain[v], own_only[v]);
    std::printf("rows=%d record_all_ms=%.1f per_record_us=%.2f worker_record_ms=%.2f\n", rows, record_ms,
                1000.0 * record_ms / rows, worker_record_ms);
    DestroyWindow(window);
    return 0;
}
