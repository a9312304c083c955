// What the page access routine sends and what it takes from the answer,
// as plain functions: the header text it hands to HttpSendRequestA, the
// way it opens WinInet for a proxy, and the cookies it stores from the
// "Set-Cookie: " lines of a response header block.
#pragma once
#include <string>
#include <vector>

// Browser-like lines the routine adds after the caller's own.
inline constexpr char USER_AGENT[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
inline constexpr char DEFAULT_ACCEPT_LINE[] =
    "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n";
inline constexpr char DEFAULT_LANGUAGE_LINE[] = "Accept-Language: zh-cn\r\n";
inline constexpr char FORM_CONTENT_TYPE_LINE[] = "Content-Type: application/x-www-form-urlencoded\r\n";

// The caller's header lines completed with the defaults it lacks (Accept,
// Referer = the normalised url, Accept-Language; looked for regardless of
// case), the form type and length for a POST with data, and a Cookie line
// ending in an empty line when cookies are given.
std::string assemble_request_headers(const std::string& request_headers, const std::string& normalised_url, bool is_post,
                                     const std::string& post_data, const std::string& cookies);

// How InternetOpenA is called for a proxy text: blanks only (or nothing)
// means a direct connection.
struct ProxySetting {
    unsigned long access_type;  // INTERNET_OPEN_TYPE_DIRECT (1) or INTERNET_OPEN_TYPE_PROXY (3)
    std::string proxy_list;     // "" or "http=" + proxy
};
ProxySetting proxy_setting(const std::string& proxy);

// A cookie as it is handed to InternetSetCookieA: the name, and the data
// after the "=" with its attributes (path, expiry, ...) left on.
struct CookiePair {
    std::string name;
    std::string data;
    bool operator==(const CookiePair&) const = default;
};

// One pair for each line of a raw header block (CR LF lines) that contains
// "Set-Cookie: " in any case, in the order of the lines. The line's first
// 12 characters are dropped; a line with no "=" after that gives no pair.
std::vector<CookiePair> set_cookie_pairs(const std::string& header_block);
