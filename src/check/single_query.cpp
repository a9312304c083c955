#include "check/single_query.h"

#include <thread>

#include "app/main_window.h"
#include "app/seams.h"
#include "app/ui_post.h"
#include "check/title_query.h"
#include "text/gbk.h"
#include "web/web_access.h"

namespace {

// The title box, trimmed; shows the message box and gives empty when blank.
std::string title_or_complain() {
    std::string title = gbk::trim_blanks(control_text(main_control("编辑框_标题")));
    if (title.empty())
        seams().message_box(GetAncestor(main_control("编辑框_标题"), GA_ROOT), "宝贝全称不能为空", "提示",
                            MB_ICONEXCLAMATION | MB_OK);
    return title;
}

}  // namespace

void run_single_query(const MainWindowRef& window, const std::string& title) {
    post_control_text(window, "编辑框_显示", "正在查询...\r\n", true);
    const std::string page = gbk::until_zero(网页_访问(search_url(title), 0, "", "", "", "", PAGE_UTF8));
    post_control_text(window, "编辑框_显示", single_query_message(classify_search_page(page, NOT_FOUND_MARKER)),
                      true);
}

void on_query_clicked() {
    set_control_text(main_control("编辑框_显示"), "");
    std::string title = title_or_complain();
    if (title.empty()) return;
    std::thread(run_single_query, current_main_window(), title).detach();
}

void on_exact_check_clicked() {
    std::string title = title_or_complain();
    if (!title.empty()) open_exact_check(title);
}

void open_exact_check(const std::string& title) { seams().open_address(search_url(title)); }
