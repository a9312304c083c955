// Title encoding, marker extraction and the reading of a search page.
#include <gtest/gtest.h>

#include "check/title_query.h"
#include "endpoints.h"

namespace {

TEST(EncodeTitle, EveryUtf8ByteEscaped) {
    struct Case { std::string title, encoded; };
    const Case cases[] = {
        {"abc", "%61%62%63"},
        {"a\tb", "%61%09%62"},
        {"\r\n", "%0D%0A"},
        {" ", "%20"},
        {"宝", "%E5%AE%9D"},
        {"T恤%", "%54%E6%81%A4%25"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(encode_title(c.title), c.encoded) << c.title;
    EXPECT_EQ(search_url("abc"), std::string(QITONG_SEARCH_BASE) + "%61%62%63");
}

TEST(TextBetween, MarkersFoundInOrderAndRegardlessOfAsciiCase) {
    struct Case { std::string text, start, end, between; };
    const Case cases[] = {
        {"<div class=\"title fl\">找到12个“x”", COUNT_START_MARKER, COUNT_END_MARKER, "12"},
        {"<DIV CLASS=\"TITLE FL\">找到3个“x”", COUNT_START_MARKER, COUNT_END_MARKER, "3"},
        {"个“ before title fl\">找到 7", COUNT_START_MARKER, COUNT_END_MARKER, ""},  // end only before start
        {"no markers", COUNT_START_MARKER, COUNT_END_MARKER, ""},
        {"title fl\">找到个“", COUNT_START_MARKER, COUNT_END_MARKER, ""},            // directly adjacent
        {"x\"ay\"b", "#引号a", "#引号", "y"},                                        // placeholder is a quote
        {"[a][b]", "[", "]", "a"},                                                   // first occurrences
    };
    for (const Case& c : cases) EXPECT_EQ(text_between(c.text, c.start, c.end), c.between) << c.text;
}

TEST(SearchPage, VerdictAndCount) {
    const std::string found = "<div class=\"title fl\">找到12个“宝贝”相关宝贝</div>";
    const std::string none = "<p>没有找到你要搜索的“宝贝”</p>";
    struct Case { std::string page; SearchVerdict verdict; int count; };
    const Case cases[] = {
        {found, SearchVerdict::Indexed, 12},
        {none, SearchVerdict::NotIndexed, 0},
        {none + found, SearchVerdict::NotIndexed, 0},                       // not-found marker wins
        {"<div class=\"title fl\">找到个“", SearchVerdict::Indexed, 0},      // markers, no number
        {"<div class=\"title fl\">找到１２个“", SearchVerdict::Indexed, 12}, // full-width digits
        {"<div class=\"title fl\">找到 5", SearchVerdict::Indexed, 0},       // no end marker
        {"", SearchVerdict::Failed, 0},                                     // nothing fetched
        {"<h1>500 Internal Server Error</h1>", SearchVerdict::Failed, 0},
        {"<p>请输入验证码</p>", SearchVerdict::Failed, 0},
    };
    for (const Case& c : cases) {
        SearchOutcome outcome = classify_search_page(c.page, NOT_FOUND_MARKER);
        EXPECT_EQ(outcome.verdict, c.verdict) << c.page;
        EXPECT_EQ(outcome.count, c.count) << c.page;
    }
    // The not-found marker compares exactly.
    EXPECT_EQ(classify_search_page("没有找到你要搜索的", "没有找到你要搜索的").verdict, SearchVerdict::NotIndexed);
}

TEST(SearchPage, SingleQueryMessages) {
    EXPECT_EQ(single_query_message({SearchVerdict::NotIndexed, 0}), "真遗憾...这个宝贝木有被收录哦\r\n");
    EXPECT_EQ(single_query_message({SearchVerdict::Indexed, 1}), "恭喜您！这个宝贝已经被收录了\r\n宝贝个数：1");
    EXPECT_EQ(single_query_message({SearchVerdict::Indexed, 2}),
              "恭喜您！这个宝贝已经被收录了\r\n宝贝个数：2 [建议您进行精准核对哦]");
    EXPECT_EQ(single_query_message({SearchVerdict::Failed, 0}), "查询失败：未取得搜索结果，请稍后重试\r\n");
}

}  // namespace
