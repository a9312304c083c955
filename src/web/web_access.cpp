#include "web/web_access.h"

#include <windows.h>
#include <wininet.h>

#include "app/wait_pumping.h"
#include "text/codepage.h"
#include "text/gbk.h"
#include "web/message_box.h"
#include "web/request_headers.h"
#include "web/url_rules.h"
#include "web/wininet_handle.h"

namespace {

constexpr DWORD READ_PIECE = 1024;
constexpr DWORD HEADER_BUFFER = 2048;

struct Exchange {
    bool sent = false;  // a request handle was opened and the send tried
    std::string body;
    std::string header_block;
};

// The raw header block up to its terminating zero. The usual buffer first;
// a longer block is read again into the size WinInet asks for, so no header
// line or cookie of a large response is lost. No response gives "".
std::string raw_headers(HINTERNET request) {
    std::string buffer(HEADER_BUFFER, '\0');
    DWORD size = HEADER_BUFFER;
    if (HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, buffer.data(), &size, nullptr))
        return gbk::until_zero(buffer);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size <= HEADER_BUFFER) return {};
    buffer.assign(size, '\0');
    if (HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, buffer.data(), &size, nullptr))
        return gbk::until_zero(buffer);
    return {};
}

Exchange exchange(const std::string& url, const char* verb, const std::string& proxy, const std::string& headers,
                  const std::string& body) {
    Exchange result;
    ProxySetting setting = proxy_setting(proxy);
    WininetHandle internet(InternetOpenA(USER_AGENT, setting.access_type, setting.proxy_list.c_str(), "", 0));
    if (!internet) return result;
    WininetHandle connection(InternetConnectA(internet.get(), url_host(url).c_str(),
                                              static_cast<INTERNET_PORT>(url_port(url)), "", "",
                                              INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) return result;
    WininetHandle request(HttpOpenRequestA(connection.get(), verb, url_path(url).c_str(), "HTTP/1.1", nullptr,
                                           nullptr, INTERNET_FLAG_RELOAD, 0));
    if (!request) return result;
    result.sent = true;

    // A failed send shows up below as nothing to read and no header block.
    HttpSendRequestA(request.get(), headers.c_str(), static_cast<DWORD>(headers.size()),
                     body.empty() ? nullptr : const_cast<char*>(body.data()), static_cast<DWORD>(body.size()));
    for (;;) {
        pump_pending_messages();  // keeps a window thread responsive during a download
        char piece[READ_PIECE] = {};
        DWORD read = 0;
        if (!InternetReadFile(request.get(), piece, READ_PIECE, &read) || read == 0) break;
        result.body.append(piece, read);
    }
    result.header_block = raw_headers(request.get());
    return result;
}

std::string page_as_gbk(const std::string& body, int page_encoding) {
    switch (page_encoding) {
        case PAGE_UTF8: return gbk::from_utf8(gbk::until_zero(body));
        case PAGE_BIG5: return gbk::from_big5(gbk::until_zero(body));
        default: return body;
    }
}

}  // namespace

std::string 网页_访问(const std::string& url, int 访问方式, const std::string& proxy, const std::string& request_headers,
                      const std::string& post_data, const std::string& cookies, int page_encoding,
                      std::string* response_headers) {
    const std::string address = normalise_url(url);
    if (访问方式 != 0 && 访问方式 != 1) {
        show_message_box("【网页_访问】命令的第二个【访问方式】参数有误,请返回修改");
        return {};
    }
    const bool is_post = 访问方式 == 1;
    const std::string headers = assemble_request_headers(request_headers, address, is_post, post_data, cookies);
    Exchange done = exchange(address, is_post ? "POST" : "GET", proxy, headers, is_post ? post_data : std::string());
    if (!done.sent) return {};
    if (response_headers) *response_headers = done.header_block;

    // WinInet stores the cookies itself too, but files one without a path
    // under the request's directory; stored again under the bare host, it
    // reaches every path there. Refusals (an HttpOnly cookie, a foreign
    // domain) change nothing and are ignored.
    const std::string cookie_url = "http://" + url_host(address);
    for (const CookiePair& cookie : set_cookie_pairs(done.header_block))
        InternetSetCookieA(cookie_url.c_str(), cookie.name.c_str(), cookie.data.c_str());
    return page_as_gbk(done.body, page_encoding);
}
