// The HTML pages the stand-in search answers with. All are UTF-8.
//
// The client reads two things from a result page:
//   the not-found text   没有找到你要搜索的
//   the count markers    title fl">找到  N  个“   (N in decimal)
// Each page below holds exactly the markers its name says and no others.
// Echoed titles are HTML-escaped, so a title cannot forge the count markers
// (it could still carry the not-found text, which no catalogue title does).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

std::string found_page(std::string_view title, std::uint64_t count);
std::string not_found_page(std::string_view title);
// Count markers with nothing between them.
std::string count_missing_page(std::string_view title);
// Both the not-found text and the count markers with count.
std::string both_markers_page(std::string_view title, std::uint64_t count);
// What the site shows when it wants a human check first: no markers at all.
std::string verification_page();
std::string server_error_page();
