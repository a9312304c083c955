#include "web/url_rules.h"

#include "text/gbk.h"

namespace {

const std::string HTTP_SCHEME = "http://";
const std::string HTTPS_SCHEME = "https://";

bool starts_with(const std::string& text, const std::string& prefix) { return text.compare(0, prefix.size(), prefix) == 0; }

// The text before the first separator, or all of it.
std::string before_first(const std::string& text, const std::string& separator) {
    std::size_t at = gbk::find(text, separator);
    return at == gbk::npos ? text : text.substr(0, at);
}

}  // namespace

std::string normalise_url(const std::string& url) {
    std::string out = gbk::trim_blanks(url);
    if (!starts_with(out, HTTP_SCHEME) && !starts_with(out, HTTPS_SCHEME)) out = HTTP_SCHEME + out;
    return out;
}

std::string url_host(const std::string& url) {
    std::string rest = gbk::replace_all(gbk::replace_all(url, HTTPS_SCHEME, ""), HTTP_SCHEME, "");
    return gbk::ascii_lower(before_first(before_first(rest, "/"), ":"));
}

std::string url_path(const std::string& url) {
    // A host that is not found (an empty one) leaves the search at the start.
    std::size_t host_at = gbk::find_nocase(url, url_host(url));
    std::size_t slash = gbk::find(url, "/", host_at == gbk::npos ? 0 : host_at);
    return slash == gbk::npos ? "/" : url.substr(slash);
}

int url_port(const std::string& url) {
    std::string authority;
    if (starts_with(gbk::ascii_lower(url.substr(0, HTTP_SCHEME.size())), HTTP_SCHEME))
        authority = before_first(url.substr(HTTP_SCHEME.size()), "/");
    else
        authority = before_first(url, "/");
    std::size_t colon = gbk::find(authority, ":");
    return gbk::number_from_text(colon == gbk::npos ? "80" : authority.substr(colon + 1));
}
