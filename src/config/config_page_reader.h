// Reads the bootstrap text that the maker publishes on a web page between
// the markers "开始喽" and "结束喽".
#pragma once
#include <string>
#include <vector>

// The bootstrap text has at least this many "|"-separated fields.
constexpr std::size_t BOOTSTRAP_FIELD_COUNT = 9;

class ConfigPageReader {
public:
    // The bootstrap text of the page, its fields put into fields. Empty, with
    // fields untouched, when the page gave no text with "|" or too few fields.
    std::string read_fields(const std::string& page_address, std::vector<std::string>* fields, int page_is_utf8) const;
    // The page's text (converted from UTF-8 when page_is_utf8 is 1) between the markers.
    std::string fetch_marked_text(const std::string& page_address, int page_is_utf8) const;
    // The text strictly between the first start marker and the first end
    // marker after it; empty when either is missing.
    std::string section_between(const std::string& text, const std::string& start_marker,
                                const std::string& end_marker) const;
    bool contains_text(const std::string& text, const std::string& what) const;
};
