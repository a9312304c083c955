// The single query from the window against the stand-in search: every
// answer kind, the blank title, and a query still running when the window
// goes away.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/main_window.h"
#include "check/title_query.h"
#include "endpoints.h"
#include "support/ui_harness.h"
#include "web/web_access.h"

namespace {

const std::string QUERYING = "正在查询...\r\n";

std::string result_text() { return control_text(main_control("编辑框_显示")); }

// Clicks the query button for a title and waits for the result line.
std::string query(const std::string& title) {
    set_control_text(main_control("编辑框_标题"), title);
    SendMessageW(main_control("按钮_查询"), BM_CLICK, 0, 0);
    pump_until([] { return result_text().size() > QUERYING.size(); }, 20000);
    return result_text();
}

class SingleQuery : public ::testing::Test {
protected:
    void SetUp() override {
        window = open_main_window(seams_);
        ASSERT_TRUE(window);
        unlock_panel(0);
    }
    void TearDown() override { close_main_window(window); }
    RecordingSeams seams_;
    HWND window = nullptr;
};

TEST_F(SingleQuery, ReportsWhatTheSearchPageSays) {
    const std::string indexed = "恭喜您！这个宝贝已经被收录了\r\n宝贝个数：";
    const std::string hint = " [建议您进行精准核对哦]";
    const std::string not_indexed = "真遗憾...这个宝贝木有被收录哦\r\n";
    const std::string failed = "查询失败：未取得搜索结果，请稍后重试\r\n";
    struct Case { std::string title, result; };
    const Case cases[] = {
        {"目录里没有的宝贝", not_indexed},
        {"连衣裙夏季新款", indexed + "1"},
        {"纯棉T恤男短袖", indexed + "2" + hint},
        {"手工编织草帽", indexed + "12" + hint},
        {"  连衣裙夏季新款\xA1\xA1", indexed + "1"},  // blanks around the title are trimmed
        {"两个标记的宝贝", not_indexed},              // the not-found marker wins
        {"没有数字的宝贝", indexed + "0"},            // markers without a number
        {"断线的宝贝", failed},                       // nothing fetched
        {"出错的宝贝", failed},                       // an error page
        {"验证页的宝贝", failed},                     // a page with neither marker
    };
    for (const Case& c : cases) EXPECT_EQ(query(c.title), QUERYING + c.result) << c.title;
    EXPECT_TRUE(seams_.message_boxes.empty());
}

TEST_F(SingleQuery, SendsTheTitleFullyEscapedAsUtf8) {
    const std::string search_base = QITONG_SEARCH_BASE;
    const std::string standin = search_base.substr(0, search_base.find("/book/"));
    网页_访问(standin + "/__log/clear");
    query("abc");
    const std::string log = 网页_访问(standin + "/__log");
    EXPECT_NE(log.find("GET /book/search/%61%62%63"), std::string::npos) << log;
}

TEST_F(SingleQuery, BlankTitleGivesTheMessageBoxAndNoQuery) {
    set_control_text(main_control("编辑框_显示"), "上次的结果");
    set_control_text(main_control("编辑框_标题"), " \xA1\xA1 ");
    SendMessageW(main_control("按钮_查询"), BM_CLICK, 0, 0);
    pump_for(200);
    EXPECT_EQ(result_text(), "");
    ASSERT_EQ(seams_.message_boxes.size(), 1u);
    EXPECT_EQ(seams_.message_boxes[0].text, "宝贝全称不能为空");
    EXPECT_EQ(seams_.message_boxes[0].title, "提示");
}

TEST_F(SingleQuery, AnswerArrivingAfterTheWindowIsGoneIsDropped) {
    set_control_text(main_control("编辑框_标题"), "慢慢来的宝贝");  // answered after 2 s
    SendMessageW(main_control("按钮_查询"), BM_CLICK, 0, 0);
    pump_for(100);
    close_main_window(window);
    // A new window must not receive the old window's late answer.
    window = open_main_window(seams_);
    ASSERT_TRUE(window);
    pump_for(3000);
    EXPECT_EQ(result_text(), "");
}

}  // namespace
