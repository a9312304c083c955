#include "config/config_page_reader.h"

#include <memory>

#include "app/wait_pumping.h"
#include "text/codepage.h"
#include "text/gbk.h"
#include "web/page_fetch.h"

namespace {

const char START_MARKER[] = "开始喽";
const char END_MARKER[] = "结束喽";

// The page's bytes, fetched on a worker while the window keeps answering.
std::string fetch_pumping(const std::string& address) {
    auto body = std::make_shared<std::string>();
    if (!run_pumping([body, address] { *body = http_get_body(address); })) return {};
    return *body;
}

}  // namespace

std::string ConfigPageReader::read_fields(const std::string& page_address, std::vector<std::string>* fields,
                                          int page_is_utf8) const {
    const std::string text = fetch_marked_text(page_address, page_is_utf8);
    if (!contains_text(text, "|")) return {};
    std::vector<std::string> split = gbk::split(text, "|");
    // A text too short to hold every field counts as no text, so nothing
    // reads past its end and the next page gets its turn.
    if (split.size() < BOOTSTRAP_FIELD_COUNT) return {};
    if (fields) *fields = std::move(split);
    return text;
}

std::string ConfigPageReader::fetch_marked_text(const std::string& page_address, int page_is_utf8) const {
    std::string bytes = fetch_pumping(page_address);
    if (page_is_utf8 == 1) bytes = gbk::from_utf8(bytes);
    return section_between(gbk::until_zero(bytes), START_MARKER, END_MARKER);
}

std::string ConfigPageReader::section_between(const std::string& text, const std::string& start_marker,
                                              const std::string& end_marker) const {
    // Without its start marker a page yields nothing (rather than whatever
    // stands before the end marker).
    const std::size_t start = gbk::find(text, start_marker);
    if (start == gbk::npos) return {};
    const std::size_t from = start + start_marker.size();
    const std::size_t end = gbk::find(text, end_marker, from);
    if (end == gbk::npos) return {};
    return text.substr(from, end - from);
}

bool ConfigPageReader::contains_text(const std::string& text, const std::string& what) const {
    return gbk::contains(text, what);
}
