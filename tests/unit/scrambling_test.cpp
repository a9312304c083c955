// The settings exchange's scrambling and hexadecimal forms.
#include <gtest/gtest.h>

#include <random>

#include "config/hex_codec.h"
#include "config/scrambling.h"
#include "text/gbk.h"

namespace {

TEST(Scrambling, WorkedExampleBothWays) {
    EXPECT_EQ(scramble_request("abc"), "b0e6362616");
    EXPECT_EQ(unscramble_reply("b0e6362616"), "abc");
    EXPECT_EQ(unscramble_reply("B0E6362616"), "abc");  // upper-case digits read the same
}

TEST(Scrambling, InverseForEveryLengthAndByte) {
    // 1, 2 and 3 bytes frame to 6, 8 and 10 digits: every remainder of L mod 3.
    for (const std::string text : {"a", "ab", "abc", "宝贝", "没有找到你要搜索的|13|10|"})
        EXPECT_EQ(unscramble_reply(scramble_request(text)), text) << text;
    std::mt19937 random(20261211);
    for (int length = 1; length < 300; ++length) {
        std::string text;
        for (int i = 0; i < length; ++i) text.push_back(static_cast<char>(1 + random() % 255));
        ASSERT_EQ(unscramble_reply(scramble_request(text)), text) << "length " << length;
    }
}

TEST(Scrambling, EmptyAndGarbageReplies) {
    EXPECT_EQ(unscramble_reply(""), "");
    EXPECT_EQ(gbk::split(unscramble_reply(""), "|"), std::vector<std::string>{});
    // A reply text ending in "|" has no empty last field.
    EXPECT_EQ(gbk::split(unscramble_reply(scramble_request("a|b|")), "|"), (std::vector<std::string>{"a", "b"}));
    // An error page is unscrambled all the same, into a short meaningless text.
    EXPECT_LT(unscramble_reply("<html>500 Internal Server Error</html>").size(), 20u);
}

TEST(HexCodec, Operations) {
    HexCodec codec;
    EXPECT_EQ(codec.text_to_hex("a\x0f\xff"), "610fff");
    EXPECT_EQ(codec.hex_pairs_from_hex("610fffa"), "61 0F FF ");  // odd last digit dropped
    EXPECT_EQ(codec.bytes_from_hex_pairs("61 0F ff "), "a\x0f\xff");
    EXPECT_EQ(codec.bytes_from_hex_pairs("6z "), "`");                // non-hex counts 0
    EXPECT_EQ(codec.hex_to_text("6100 62"), "a");                     // ends at a zero byte
    EXPECT_EQ(codec.hex_from_hex_pairs("61 0F FF "), "610fff");
    EXPECT_EQ(reverse_bytes("abc"), "cba");
}

}  // namespace
