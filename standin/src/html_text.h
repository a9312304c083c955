// Escaping of text placed into HTML.
#pragma once
#include <string>
#include <string_view>

// Safe for element content and quoted attribute values. Bytes other than
// & < > " ' pass through, so UTF-8 text stays UTF-8.
std::string html_escape(std::string_view text);
