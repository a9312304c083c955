// 网页_访问: the program's one routine for an HTTP request with full control
// over it (GET or POST through WinInet, browser-like default headers, an
// optional proxy, cookies sent and stored, the raw response header block),
// returning the body as bytes, optionally converted to GBK.
#pragma once
#include <string>

// page_encoding: how the body arrives. UTF-8 and Big5 bodies are converted
// to GBK (as text: they end at their first zero byte); any other value
// returns the bytes as received, zero bytes included.
constexpr int PAGE_AS_RECEIVED = 0;
constexpr int PAGE_UTF8 = 1;
constexpr int PAGE_BIG5 = 2;

// 访问方式: 0 = GET, 1 = POST; any other value shows a message box and sends
// nothing. request_headers are extra CR LF lines, completed with defaults;
// post_data is sent as is with POST; cookies is the value of a Cookie line.
// Returns empty bytes on every failure; response_headers (when given) gets
// the response's raw header block whenever a request went out.
std::string 网页_访问(const std::string& url, int 访问方式 = 0, const std::string& proxy = "",
                      const std::string& request_headers = "", const std::string& post_data = "",
                      const std::string& cookies = "", int page_encoding = PAGE_AS_RECEIVED,
                      std::string* response_headers = nullptr);
