#include "app/main_window_handlers.h"

#include <windows.h>
#include <commctrl.h>

#include <thread>

#include "app/global_state.h"
#include "app/main_window.h"
#include "app/seams.h"
#include "app/ui_post.h"
#include "app/wait_pumping.h"
#include "check/list_rows.h"
#include "check/single_query.h"
#include "text/codepage.h"
#include "text/gbk.h"

namespace {

constexpr int MIN_INTERVAL_MINUTES = 5;
constexpr int MAX_INTERVAL_MINUTES = 600;
const char HINT_CAPTION[] = "单个查询:";

}  // namespace

std::optional<int> valid_interval(const std::string& text) {
    int minutes = gbk::number_from_text(gbk::trim_blanks(text));
    if (minutes < MIN_INTERVAL_MINUTES || minutes > MAX_INTERVAL_MINUTES) return std::nullopt;
    return minutes;
}

void restore_hint_later() {
    const MainWindowRef window = current_main_window();
    const long long delay = seams().hint_restore_us;
    std::thread([window, delay] {
        wait_pumping(static_cast<int>(delay));
        post_control_text(window, "标签_提示", HINT_CAPTION, false);
    }).detach();
}

void show_hint(const std::string& hint) {
    set_control_text(main_control("标签_提示"), hint);
    restore_hint_later();
}

void on_interval_text_changed() {
    HWND box = main_control("编辑框_检索间隔");
    std::optional<int> minutes = valid_interval(control_text(box));
    if (!minutes) {
        // Setting the text raises this handler again, which then stores 10.
        set_control_text(box, "10");
        show_hint("注意：自动查询间隔不能＜5分钟、不能＞600分钟！");
        return;
    }
    global_state().check_interval_minutes = *minutes;
}

void on_clear_title_clicked() {
    set_control_text(main_control("编辑框_标题"), "");
    wait_pumping(1000);
    SetFocus(main_control("编辑框_标题"));
}

std::string selected_row_title() {
    HWND list = main_control("超级列表框1");
    int row = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return row < 0 ? std::string() : cell_text(list, row, TITLE_COLUMN);
}

void on_list_left_click() { set_control_text(main_control("编辑框_标题"), selected_row_title()); }

void on_list_right_click() {
    global_state().context_title = selected_row_title();
    POINT cursor;
    GetCursorPos(&cursor);
    show_main_menu("右键菜单", TPM_LEFTALIGN | TPM_TOPALIGN, cursor.x, cursor.y);
}

void on_exact_check_menu() {
    std::string& title = global_state().context_title;
    title = gbk::trim_blanks(title);
    if (title.empty()) {
        show_hint("啊哦！你还没有导入宝贝全称呦！！");
        return;
    }
    open_exact_check(title);
}
