// Request header assembly, the proxy choice and the Set-Cookie lines the
// page access routine hands to WinInet.
#include <gtest/gtest.h>

#include "web/request_headers.h"

namespace {

const std::string URL = "http://example.com/s?q=1";
const std::string REFERER = "Referer: http://example.com/s?q=1\r\n";
const std::string FORM = "Content-Type: application/x-www-form-urlencoded\r\n";
const std::string ACCEPT = DEFAULT_ACCEPT_LINE;
const std::string LANGUAGE = DEFAULT_LANGUAGE_LINE;

TEST(RequestHeaders, DefaultsAppendedInOrderUnlessPresent) {
    struct Case {
        std::string name, given;
        bool is_post;
        std::string post_data, cookies, expected;
    };
    const Case cases[] = {
        {"plain GET", "", false, "", "", ACCEPT + REFERER + LANGUAGE},
        {"caller's lines come first", "X-A: 1\r\n", false, "", "", "X-A: 1\r\n" + ACCEPT + REFERER + LANGUAGE},
        {"lower-case accept suppresses only Accept", "accept: */*\r\n", false, "", "",
         "accept: */*\r\n" + REFERER + LANGUAGE},
        {"own Referer and language kept", "REFERER: http://x/\r\naccept-language: en\r\n", false, "", "",
         "REFERER: http://x/\r\naccept-language: en\r\n" + ACCEPT},
        // "Accept-Language: " does not contain "Accept: ", so Accept is still added.
        {"language line alone", "Accept-Language: en\r\n", false, "", "",
         "Accept-Language: en\r\n" + ACCEPT + REFERER},
        {"POST with data", "", true, "a=1&b=%E5", "", ACCEPT + REFERER + LANGUAGE + FORM + "Content-Length: 9\r\n"},
        {"POST without data", "", true, "", "", ACCEPT + REFERER + LANGUAGE},
        {"GET ignores data", "", false, "a=1", "", ACCEPT + REFERER + LANGUAGE},
        {"cookie with GET ends in an empty line", "", false, "", "a=1; b=2",
         ACCEPT + REFERER + LANGUAGE + "Cookie: a=1; b=2\r\n\r\n"},
        {"cookie after the form lines", "", true, "x=1", "s=9",
         ACCEPT + REFERER + LANGUAGE + FORM + "Content-Length: 3\r\nCookie: s=9\r\n\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(assemble_request_headers(c.given, URL, c.is_post, c.post_data, c.cookies), c.expected) << c.name;
}

TEST(RequestHeaders, ProxyOfBlanksConnectsDirectly) {
    struct Case { std::string proxy; unsigned long type; std::string list; };
    const Case cases[] = {
        {"", 1, ""},
        {"   ", 1, ""},
        {"\xA1\xA1 ", 1, ""},
        {"127.0.0.1:8888", 3, "http=127.0.0.1:8888"},
        {" proxy:3128 ", 3, "http= proxy:3128 "},
    };
    for (const auto& c : cases) {
        ProxySetting s = proxy_setting(c.proxy);
        EXPECT_EQ(s.access_type, c.type) << "[" << c.proxy << "]";
        EXPECT_EQ(s.proxy_list, c.list) << "[" << c.proxy << "]";
    }
}

TEST(SetCookieLines, EachLineGivesNameAndDataWithAttributes) {
    const std::string block =
        "HTTP/1.1 200 OK\r\n"
        "Set-Cookie: sid=abc=def; path=/; expires=Wed, 01 Jan 2031 00:00:00 GMT\r\n"
        "Content-Type: text/html\r\n"
        "set-cookie: lang=zh\r\n"
        "Set-Cookie: broken\r\n"
        "Set-Cookie: =empty\r\n"
        "\r\n";
    const std::vector<CookiePair> expected = {
        {"sid", "abc=def; path=/; expires=Wed, 01 Jan 2031 00:00:00 GMT"},
        {"lang", "zh"},
        {"", "empty"},
    };
    EXPECT_EQ(set_cookie_pairs(block), expected);
}

TEST(SetCookieLines, PrefixIsDroppedByCountNotByName) {
    // A line that only contains the marker still loses its first 12 characters.
    EXPECT_EQ(set_cookie_pairs("X-Set-Cookie: a=1\r\n"), (std::vector<CookiePair>{{": a", "1"}}));
    EXPECT_TRUE(set_cookie_pairs("HTTP/1.1 200 OK\r\nSet-Cookie:a=1\r\n\r\n").empty());
    EXPECT_TRUE(set_cookie_pairs("").empty());
}

}  // namespace

