#include "config/bootstrap.h"

#include <commctrl.h>

#include <vector>

#include "app/global_state.h"
#include "app/main_window.h"
#include "app/seams.h"
#include "app/wait_pumping.h"
#include "config/ini_file.h"
#include "config/settings_exchange.h"
#include "endpoints.h"
#include "text/gbk.h"
#include "update/update_window.h"

const std::string READY_STATUS_TEXT = " 加载完成，欢迎使用";
const std::string ADVERT_STATUS_TEXT =
    std::string(" 禾木软件出品：荷塘软件、菱角软件等卖家工具，详见 ") + QITONG_HOME_PAGE;

namespace {

constexpr std::size_t LATEST_VERSION_FIELD = 0;
constexpr std::size_t SERVICE_ENABLED_FIELD = 1;
constexpr std::size_t SERVER_BASE_HEAD_FIELD = 2;
constexpr std::size_t SERVER_BASE_TAIL_FIELD = 3;
constexpr std::size_t INITIAL_TAB_FIELD = 7;
constexpr int CURRENT_VERSION_NUMBER = 100;
constexpr int READY_STATUS_PART_WIDTH = 113;

void tell(HWND window, const std::string& text) {
    seams().message_box(window, text, "提示", MB_ICONEXCLAMATION | MB_OK);
}

void show_ready_status() {
    const int widths[] = {READY_STATUS_PART_WIDTH, -1};
    SendMessageW(main_control("状态条1"), SB_SETPARTS, 2, reinterpret_cast<LPARAM>(widths));
    set_status_text(0, READY_STATUS_TEXT);
    set_status_text(1, ADVERT_STATUS_TEXT);
}

}  // namespace

void load_remote_configuration(HWND main_window) {
    GlobalState& state = global_state();
    std::vector<std::string> fields;
    std::string text = state.page_reader.read_fields(QITONG_BOOTSTRAP_PAGE_1, &fields, 1);
    if (text.empty() && IsWindow(main_window)) text = state.page_reader.read_fields(QITONG_BOOTSTRAP_PAGE_2, &fields, 0);
    // The user may have closed the window while the pages were read.
    if (!IsWindow(main_window)) return;
    if (text.empty()) {
        tell(main_window, "无法连接到服务器!部分功能可能无法使用");
        seams().end_program();
        return;
    }
    write_ini_value(program_directory_file("Config.ini"), "peizhi", "caishu", text);

    auto number = [&fields](std::size_t field) { return gbk::number_from_text(fields[field]); };
    if (number(SERVICE_ENABLED_FIELD) == 0) {
        tell(main_window, std::string("软件已暂停服务!如有疑问请联系QQ：") + QITONG_CONTACT_NUMBER);
        seams().end_program();
        return;
    }
    if (number(LATEST_VERSION_FIELD) > CURRENT_VERSION_NUMBER) {
        run_update_window(main_window, fields);
        seams().end_program();  // closing the update window ends the program
        return;
    }
    state.server_base_head = fields[SERVER_BASE_HEAD_FIELD];
    state.server_base_tail = fields[SERVER_BASE_TAIL_FIELD];
    wait_pumping(10000);
    if (!IsWindow(main_window)) return;
    exchange_settings("peizhi.php", STARTUP_SETTINGS_REQUEST, state.settings_reply);
    if (!IsWindow(main_window)) return;
    show_ready_status();
    // Only the two pages exist; any other number shows the working panel.
    const int page = number(INITIAL_TAB_FIELD);
    unlock_panel(page == 1 ? 1 : 0);
}
