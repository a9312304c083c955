// Plain pieces of the remote configuration: the marked section of a page,
// the settings fields with their fallbacks, and the INI text.
#include <gtest/gtest.h>

#include "check/title_query.h"
#include "config/config_page_reader.h"
#include "config/ini_file.h"
#include "config/settings_fields.h"

namespace {

TEST(ConfigPage, SectionBetweenTheMarkers) {
    ConfigPageReader reader;
    struct Case { std::string page, text; };
    const Case cases[] = {
        {"<p>开始喽100|1|a|b结束喽</p>", "100|1|a|b"},
        {"开始喽结束喽", ""},
        {"开始喽100|1|a", ""},                 // no end marker
        {"100|1|a结束喽", ""},                 // no start marker: nothing, not the page's head
        {"结束喽 开始喽x|y结束喽", "x|y"},     // the end marker is looked for after the start
    };
    for (const Case& c : cases) EXPECT_EQ(reader.section_between(c.page, "开始喽", "结束喽"), c.text) << c.page;
    EXPECT_TRUE(reader.contains_text("a|b", "|"));
    EXPECT_FALSE(reader.contains_text("ab", "|"));
}

TEST(SettingsFields, SeparatorAndMarkerWithFallbacks) {
    using V = std::vector<std::string>;
    const V full = {"1", "x", "y", "10", "0", "13", "没有结果"};
    EXPECT_EQ(title_separator(full), "\r\n");
    EXPECT_EQ(batch_not_found_marker(full), "没有结果");
    EXPECT_EQ(title_separator(V{"", "", "", "44", "", "59", "m"}), ";,");
    for (const V& short_reply : {V{}, V{"1", "2", "3", "4"}, V{"", "", "", "", "", "", ""}, V{"", "", "", "x", "", "999", ""}}) {
        EXPECT_EQ(title_separator(short_reply), "\r\n");
        EXPECT_EQ(batch_not_found_marker(short_reply), NOT_FOUND_MARKER);
    }
}

TEST(IniText, SetsAKeyAsTheSystemWriterDoes) {
    struct Case { std::string before, after; };
    const Case cases[] = {
        {"", "[peizhi]\r\ncaishu=V\r\n"},
        {"[peizhi]\r\ncaishu=old\r\n", "[peizhi]\r\ncaishu=V\r\n"},
        {"[PeiZhi]\r\nCaiShu = old\r\nother=1\r\n", "[PeiZhi]\r\ncaishu=V\r\nother=1\r\n"},
        {"[peizhi]\r\nother=1\r\n\r\n[next]\r\na=b\r\n", "[peizhi]\r\nother=1\r\ncaishu=V\r\n\r\n[next]\r\na=b\r\n"},
        {"[next]\r\na=b", "[next]\r\na=b\r\n[peizhi]\r\ncaishu=V\r\n"},
        {"[next]\r\ncaishu=keep\r\n", "[next]\r\ncaishu=keep\r\n[peizhi]\r\ncaishu=V\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(ini_with_value(c.before, "peizhi", "caishu", "V"), c.after) << c.before;
    const std::string gbk_value = "100|1|宝贝|“引号”";
    const std::string ini = ini_with_value("", "peizhi", "caishu", gbk_value);
    EXPECT_EQ(ini_value(ini, "peizhi", "caishu").value_or(""), gbk_value);
    EXPECT_FALSE(ini_value(ini, "peizhi", "other").has_value());
}

}  // namespace
