#include "web/request_headers.h"

#include "text/gbk.h"

namespace {

const std::string SET_COOKIE = "Set-Cookie: ";

}  // namespace

std::string assemble_request_headers(const std::string& request_headers, const std::string& normalised_url, bool is_post,
                                     const std::string& post_data, const std::string& cookies) {
    std::string text = request_headers;
    // Each test looks at the text as completed so far, as the lines are added in turn.
    if (!gbk::contains_nocase(text, "Accept: ")) text += DEFAULT_ACCEPT_LINE;
    if (!gbk::contains_nocase(text, "Referer: ")) text += "Referer: " + normalised_url + "\r\n";
    if (!gbk::contains_nocase(text, "Accept-Language: ")) text += DEFAULT_LANGUAGE_LINE;
    if (is_post && !post_data.empty()) {
        text += FORM_CONTENT_TYPE_LINE;
        text += "Content-Length: " + gbk::decimal(static_cast<long long>(post_data.size())) + "\r\n";
    }
    if (!cookies.empty()) text += "Cookie: " + cookies + "\r\n\r\n";
    return text;
}

ProxySetting proxy_setting(const std::string& proxy) {
    if (gbk::trim_blanks(proxy).empty()) return {1, ""};
    return {3, "http=" + proxy};
}

std::vector<CookiePair> set_cookie_pairs(const std::string& header_block) {
    std::vector<CookiePair> pairs;
    if (!gbk::contains_nocase(header_block, SET_COOKIE)) return pairs;
    for (const std::string& line : gbk::split(header_block, "\r\n")) {
        if (!gbk::contains_nocase(line, SET_COOKIE)) continue;
        std::size_t start = 0;
        for (std::size_t i = 0; i < SET_COOKIE.size() && start < line.size(); ++i) start = gbk::next_char(line, start);
        std::string cookie = line.substr(start);
        std::size_t eq = gbk::find(cookie, "=");
        if (eq == gbk::npos) continue;
        pairs.push_back({cookie.substr(0, eq), cookie.substr(eq + 1)});
    }
    return pairs;
}
