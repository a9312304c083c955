// Address rules of the page access routine: normalising, host, path, port.
#include <gtest/gtest.h>

#include "web/url_rules.h"

namespace {

const std::string FULL_SPACE = "\xA1\xA1";

TEST(UrlRules, NormaliseTrimsBlanksAndAddsScheme) {
    struct Case { std::string in, out; };
    const Case cases[] = {
        {"example.com/a", "http://example.com/a"},
        {"  http://example.com/a  ", "http://example.com/a"},
        {FULL_SPACE + "example.com" + FULL_SPACE, "http://example.com"},
        {"https://example.com/", "https://example.com/"},
        // Only the lower-case schemes count as present.
        {"HTTP://example.com/", "http://HTTP://example.com/"},
        {"\texample.com", "http://\texample.com"},
    };
    for (const auto& c : cases) EXPECT_EQ(normalise_url(c.in), c.out) << c.in;
}

TEST(UrlRules, HostPathAndPort) {
    struct Case { std::string url, host, path; int port; };
    const Case cases[] = {
        {"http://example.com/book/search/x?y=1", "example.com", "/book/search/x?y=1", 80},
        {"http://HOST:8080/x", "host", "/x", 8080},
        {"http://LOCALHOST:8080/A/B", "localhost", "/A/B", 8080},
        // No "/" after the host: the root is asked for.
        {"http://example.com", "example.com", "/", 80},
        {"http://example.com:81", "example.com", "/", 81},
        // A query carrying an address changes neither host nor port.
        {"http://example.com/r?to=http://other.org:99/p", "example.com", "/r?to=http://other.org:99/p", 80},
        {"http://a.com/r?u=https://b.com/", "a.com", "/r?u=https://b.com/", 80},
        // The path starts at the first "/" after the host, found without regard to case.
        {"http://Example.COM/Path", "example.com", "/Path", 80},
        // Port text is read as a number: leading digits only, none gives 0.
        {"http://example.com:8080abc/x", "example.com", "/x", 8080},
        {"http://example.com:/x", "example.com", "/x", 0},
        {"HTTP://example.com:82/x", "http", "//example.com:82/x", 82},
        // Only "http://" is skipped for the port: https yields 0, the default port.
        {"https://example.com:8443/x", "example.com", "/x", 0},
        {"https://example.com/x", "example.com", "/x", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(url_host(c.url), c.host) << c.url;
        EXPECT_EQ(url_path(c.url), c.path) << c.url;
        EXPECT_EQ(url_port(c.url), c.port) << c.url;
    }
}

TEST(UrlRules, PortOfAddressWithoutScheme) {
    EXPECT_EQ(url_port("example.com:8080/x"), 8080);
    EXPECT_EQ(url_port("example.com:8080"), 8080);
    EXPECT_EQ(url_port("example.com"), 80);
}

}  // namespace
