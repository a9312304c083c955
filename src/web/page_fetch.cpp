#include "web/page_fetch.h"

#include <windows.h>
#include <wininet.h>

#include <cstdlib>

#include "web/request_headers.h"
#include "web/wininet_handle.h"

namespace {

void set_timeouts(HINTERNET handle) {
    DWORD ms = PAGE_FETCH_TIMEOUT_MS;
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT})
        InternetSetOptionA(handle, option, &ms, sizeof ms);
}

// The announced body length; -1 when the answer names none.
long long content_length(HINTERNET request) {
    char buffer[32] = {};
    DWORD size = sizeof buffer;
    if (!HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH, buffer, &size, nullptr)) return -1;
    return std::atoll(buffer);
}

}  // namespace

std::string http_get_body(const std::string& url) {
    char host[256] = {}, path[4096] = {};
    URL_COMPONENTSA parts{};
    parts.dwStructSize = sizeof parts;
    parts.lpszHostName = host;
    parts.dwHostNameLength = sizeof host;
    parts.lpszUrlPath = path;
    parts.dwUrlPathLength = sizeof path;
    char extra[4096] = {};
    parts.lpszExtraInfo = extra;
    parts.dwExtraInfoLength = sizeof extra;
    if (!InternetCrackUrlA(url.c_str(), 0, 0, &parts) || !*host) return {};

    WininetHandle internet(InternetOpenA(USER_AGENT, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!internet) return {};
    set_timeouts(internet.get());
    WininetHandle connection(InternetConnectA(internet.get(), host, parts.nPort, nullptr, nullptr,
                                              INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) return {};
    set_timeouts(connection.get());
    const std::string object = std::string(*path ? path : "/") + extra;
    const DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                        (parts.nScheme == INTERNET_SCHEME_HTTPS ? INTERNET_FLAG_SECURE : 0);
    WininetHandle request(HttpOpenRequestA(connection.get(), "GET", object.c_str(), "HTTP/1.1", nullptr, nullptr,
                                           flags, 0));
    if (!request) return {};
    set_timeouts(request.get());
    if (!HttpSendRequestA(request.get(), nullptr, 0, nullptr, 0)) return {};

    std::string body;
    char piece[4096];
    for (;;) {
        DWORD read = 0;
        if (!InternetReadFile(request.get(), piece, sizeof piece, &read)) return {};
        if (read == 0) break;
        body.append(piece, read);
    }
    // A connection that ends early looks like a normal end; only the
    // announced length tells, and a partial page is no page.
    const long long announced = content_length(request.get());
    if (announced >= 0 && static_cast<long long>(body.size()) != announced) return {};
    return body;
}
