// Setting a response body byte for byte.
#pragma once
#include <string>
#include <string_view>

#include <httplib.h>

// Sets status, Content-Type and body. The body always goes out as is, with a
// Content-Length: the library would otherwise gzip text for clients that
// accept it, and tests compare the exact bytes of pages.
void reply(httplib::Response& res, int status, std::string_view content_type, std::string body);

inline constexpr std::string_view kHtml = "text/html; charset=utf-8";
inline constexpr std::string_view kText = "text/plain; charset=utf-8";
