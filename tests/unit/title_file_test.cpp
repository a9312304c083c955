// Title files and the monitoring texts.
#include <gtest/gtest.h>

#include "check/monitor_text.h"
#include "check/title_file.h"

namespace {

using Titles = std::vector<std::string>;

TEST(TitleFile, TextEndsAtZeroOr1AOutsideADoubleByteCharacter) {
    struct Case { std::string bytes, text; };
    const Case cases[] = {
        {std::string("ab\0cd", 5), "ab"},
        {"ab\x1A" "cd", "ab"},
        {"\x81\x1A" "cd\x1A" "e", "\x81\x1A" "cd"},  // 0x1A as the second byte of a character stays
        {"", ""},
        {"a\r\nb", "a\r\nb"},
    };
    for (const Case& c : cases) EXPECT_EQ(title_file_text(c.bytes), c.text);
}

TEST(TitleFile, SplitsAtTheSettingsSeparator) {
    EXPECT_EQ(split_titles("a\r\n\r\nb\r\n", "\r\n"), (Titles{"a", "", "b"}));
    EXPECT_EQ(split_titles("a;,b;,c", ";,"), (Titles{"a", "b", "c"}));
    EXPECT_EQ(split_titles(" a \r\nb", "\r\n"), (Titles{" a ", "b"}));  // not trimmed
    EXPECT_EQ(split_titles("", "\r\n"), Titles{});
    // The separator B0 A1 (啊) must not match across 81 B0 and A1 78.
    EXPECT_EQ(split_titles("\x81\xB0\xA1x", "\xB0\xA1"), Titles{"\x81\xB0\xA1x"});
    EXPECT_EQ(split_titles("x\xB0\xA1y", "\xB0\xA1"), (Titles{"x", "y"}));
}

TEST(MonitorText, StatusAndTimeTexts) {
    EXPECT_EQ(monitor_status_text(10, 3, 0, 10),
              " 共10个宝贝->已收录: 7 个->未收录: 3 个  正在监测->距下次查询还有: 10 Min");
    EXPECT_EQ(monitor_status_text(10, 3, 2, 0),
              " 共10个宝贝->已收录: 5 个->未收录: 3 个  正在监测->距下次查询还有: 0 Min 失败: 2 个");
    EXPECT_EQ(monitor_status_text(1, 0, 0, -2), " 共1个宝贝->已收录: 1 个->未收录: 0 个  正在监测->距下次查询还有: -2 Min");
    struct Case { WORD y, mo, d, h, mi, s; std::string text; };
    const Case cases[] = {
        {2013, 8, 1, 9, 5, 7, "2013-8-1 9:05:07"},
        {2013, 12, 31, 23, 0, 0, "2013-12-31 23:00:00"},
        {2014, 1, 2, 0, 0, 9, "2014-1-2 0:00:09"},
    };
    for (const Case& c : cases) {
        SYSTEMTIME t{};
        t.wYear = c.y, t.wMonth = c.mo, t.wDay = c.d, t.wHour = c.h, t.wMinute = c.mi, t.wSecond = c.s;
        EXPECT_EQ(format_check_time(t), c.text);
    }
}

}  // namespace
