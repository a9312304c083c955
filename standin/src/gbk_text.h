// UTF-8 to GBK, for pages the maker's site serves in the Chinese Windows code
// page rather than UTF-8. The search pages and maker pages are UTF-8 and do
// not need it.
#pragma once
#include <optional>
#include <string>
#include <string_view>

// nullopt when the text is not valid UTF-8 or holds a character GBK lacks.
std::optional<std::string> utf8_to_gbk(std::string_view utf8);
