// Code-page conversions at the edges of the program. GBK is the inner
// encoding; UTF-16 is what the window system is spoken to in; UTF-8 and
// Big5 arrive from the network. Characters a target lacks become '?'.
#pragma once
#include <string>

namespace gbk {

std::wstring to_wide(const std::string& gbk_text);
std::string from_wide(const std::wstring& wide_text);

std::string from_utf8(const std::string& utf8_text);
std::string to_utf8(const std::string& gbk_text);

// Big5 (code page 950) to GBK with traditional characters mapped to their
// simplified forms by the system (locale 0x0804).
std::string from_big5(const std::string& big5_text);

// Traditional to simplified characters as the system maps them.
std::wstring simplified(const std::wstring& wide_text);

}  // namespace gbk
