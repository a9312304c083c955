#include "check/batch.h"

#include <commctrl.h>

#include <thread>

#include "app/file_bytes.h"
#include "app/global_state.h"
#include "app/main_window.h"
#include "app/main_window_handlers.h"
#include "app/seams.h"
#include "app/wait_pumping.h"
#include "check/cell_colours.h"
#include "check/list_rows.h"
#include "check/monitor_text.h"
#include "check/title_file.h"
#include "check/title_query.h"
#include "config/settings_fields.h"
#include "text/gbk.h"
#include "web/web_access.h"

namespace {

const char STOPPED_TEXT[] = " 已停止监测！";
const char CHECKING_TEXT[] = " 正在查询宝贝收录情况...";

// The batch loop on the window thread, and a newer batch asking it to give way.
bool in_batch = false;
bool restart_requested = false;

HWND list() { return main_control("超级列表框1"); }
HWND main_window() { return global_state().main_window; }

void show_run_count() { set_control_text(main_control("标签_已查询次数"), gbk::decimal(global_state().run_count)); }

// Whether the pass may go on; when monitoring was stopped meanwhile, the
// status bar says so.
bool still_monitoring(const MainWindowRef& window) {
    if (!IsWindow(window.window) || restart_requested) return false;
    if (global_state().monitor_state == MONITOR_RUNNING) return true;
    set_status_text(1, STOPPED_TEXT);
    return false;
}

// One pass over the items that existed when it started; it ends early when
// monitoring stops, the window goes, or a newer batch takes over.
void one_pass() {
    GlobalState& state = global_state();
    state.unindexed_count = 0;
    state.failed_count = 0;
    const int n = state.items.count();
    const MainWindowRef window = current_main_window();
    for (int i = 1; i <= n; ++i) {
        if (!still_monitoring(window)) return;
        // A shorter list imported meanwhile: the items past its end are gone,
        // and waiting a second for each of them would only stall the batch.
        if (i > state.items.count()) break;
        set_status_text(1, CHECKING_TEXT);
        SendMessageW(list(), LVM_ENSUREVISIBLE, i - 1, FALSE);
        // Read afresh for every item: choosing "查询全部" mid-batch makes the rest due.
        const bool check_all = SendMessageW(main_control("单选框_查询全部"), BM_GETCHECK, 0, 0) == BST_CHECKED;
        if (check_all || cell_text(list(), i - 1, STATUS_COLUMN) != "已收录") {
            set_cell_text(list(), i - 1, STATUS_COLUMN, "正在查询");
            std::thread(check_item, window, i).detach();
            wait_pumping(static_cast<int>(seams().batch_pacing_us));
        }
        if (!pump_pending_messages()) return;
    }
    if (!still_monitoring(window)) return;
    set_status_text(1, monitor_status_text(state.check_interval_minutes));
    SetTimer(window.window, MONITOR_TIMER_ID, seams().monitor_tick_ms, nullptr);
}

struct CheckResult {
    SearchVerdict verdict;
    std::string status, count;
    bool sets_time;
    StatusColours colours;
};

CheckResult result_of(const std::string& page) {
    const SearchOutcome outcome = classify_search_page(page, batch_not_found_marker(global_state().settings_reply));
    switch (outcome.verdict) {
        case SearchVerdict::NotIndexed:
            return {outcome.verdict, "未收录", "0", false, NOT_INDEXED_COLOURS};
        case SearchVerdict::Indexed:
            return {outcome.verdict, "已收录", text_between(page, COUNT_START_MARKER, COUNT_END_MARKER), true,
                    INDEXED_COLOURS};
        case SearchVerdict::Failed:
            break;
    }
    // Nothing fetched, or a page that says neither: no result to show.
    return {SearchVerdict::Failed, "查询失败", "", false, FAILED_COLOURS};
}

}  // namespace

std::string monitor_status_text(int remaining_minutes) {
    const GlobalState& state = global_state();
    return monitor_status_text(state.items.count(), state.unindexed_count, state.failed_count, remaining_minutes);
}

std::optional<std::vector<std::string>> read_title_file() {
    std::optional<std::string> path = seams().choose_file(main_window(), open_dialog_directory());
    if (!path) return std::nullopt;
    std::optional<std::string> bytes = read_file_bytes(*path);
    if (!bytes) {
        seams().message_box(main_window(), "无法读取文件：" + *path, "提示", MB_ICONEXCLAMATION | MB_OK);
        return std::nullopt;
    }
    return split_titles(title_file_text(*bytes), title_separator(global_state().settings_reply));
}

void import_titles() {
    std::optional<std::vector<std::string>> titles = read_title_file();
    if (!titles) return;
    global_state().items.replace(*titles);
    // The old rows and their colours go; the new rows count from 1.
    delete_all_rows(list());
    clear_cell_colours();
    add_rows(list(), 1, *titles);
}

void add_titles() {
    std::optional<std::vector<std::string>> titles = read_title_file();
    if (!titles) return;
    const int first = global_state().items.append(*titles);
    add_rows(list(), first, *titles);
}

void start_monitoring() {
    GlobalState& state = global_state();
    if (state.monitor_state == MONITOR_RUNNING) {
        show_hint("提示：当前正在进行监测哦~");
        return;
    }
    if (state.items.count() < 1) {
        seams().message_box(main_window(), "请导入宝贝全称", "提示", MB_ICONEXCLAMATION | MB_OK);
        return;
    }
    state.monitor_state = MONITOR_RUNNING;
    state.check_interval_minutes =
        gbk::number_from_text(gbk::trim_blanks(control_text(main_control("编辑框_检索间隔"))));
    ++state.run_count;
    show_run_count();
    run_batch();
}

void stop_monitoring() {
    GlobalState& state = global_state();
    state.monitor_state = MONITOR_STOPPED;
    if (main_window()) KillTimer(main_window(), MONITOR_TIMER_ID);
    state.elapsed_minutes = 0;
    set_status_text(1, STOPPED_TEXT);
}

void on_monitor_tick() {
    GlobalState& state = global_state();
    ++state.elapsed_minutes;
    set_status_text(1, monitor_status_text(state.check_interval_minutes - state.elapsed_minutes));
    if (state.elapsed_minutes < state.check_interval_minutes) return;
    state.elapsed_minutes = 0;
    KillTimer(main_window(), MONITOR_TIMER_ID);
    ++state.run_count;
    show_run_count();
    run_batch();
}

void run_batch() {
    // A batch started while another is still in its loop (Stop and Start
    // during a wait) takes over that loop instead of running inside it.
    if (in_batch) {
        restart_requested = true;
        return;
    }
    in_batch = true;
    for (;;) {
        restart_requested = false;
        one_pass();
        if (!restart_requested || global_state().monitor_state != MONITOR_RUNNING || !main_window()) break;
    }
    restart_requested = false;
    in_batch = false;
}

void check_item(const MainWindowRef& window, int i) {
    GlobalState& state = global_state();
    // An item that no longer exists (a shorter list was imported) is not checked.
    std::optional<ItemList::Title> title = state.items.title(i);
    if (!title) return;
    const std::string page = gbk::until_zero(网页_访问(search_url(title->text), 0, "", "", "", "", PAGE_UTF8));
    const CheckResult result = result_of(page);
    if (result.verdict == SearchVerdict::NotIndexed) ++state.unindexed_count;
    if (result.verdict == SearchVerdict::Failed) ++state.failed_count;
    const std::string time = result.sets_time ? format_check_time(seams().local_time()) : std::string();
    const unsigned generation = title->generation;
    post_task(window, [i, result, time, generation] {
        // A row of a list that was replaced since means another title now.
        if (global_state().items.generation() != generation || i > row_count(list())) return;
        set_cell_text(list(), i - 1, STATUS_COLUMN, result.status);
        set_cell_text(list(), i - 1, COUNT_COLUMN, result.count);
        if (result.sets_time) set_cell_text(list(), i - 1, TIME_COLUMN, time);
        set_cell_colour(i - 1, STATUS_COLUMN, result.colours);
    });
}
