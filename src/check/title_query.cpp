#include "check/title_query.h"

#include "endpoints.h"
#include "text/codepage.h"
#include "text/gbk.h"

const std::string NOT_FOUND_MARKER = "没有找到你要搜索的";
const std::string COUNT_START_MARKER = "title fl\">找到";
const std::string COUNT_END_MARKER = "个“";
const std::string QUOTE_PLACEHOLDER = "#引号";

std::string encode_title(const std::string& title) {
    static const char HEX[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char byte : gbk::to_utf8(title)) {
        out.push_back('%');
        out.push_back(HEX[byte >> 4]);
        out.push_back(HEX[byte & 0x0F]);
    }
    return out;
}

std::string search_url(const std::string& title) { return QITONG_SEARCH_BASE + encode_title(title); }

std::string text_between(const std::string& text, const std::string& start_marker, const std::string& end_marker) {
    const std::string start = gbk::replace_all(start_marker, QUOTE_PLACEHOLDER, "\"");
    const std::string end = gbk::replace_all(end_marker, QUOTE_PLACEHOLDER, "\"");
    std::size_t at = gbk::find_nocase(text, start);
    if (at == gbk::npos) return {};
    const std::string rest = text.substr(at + start.size());
    std::size_t stop = gbk::find_nocase(rest, end);
    if (stop == gbk::npos) return {};
    return rest.substr(0, stop);
}

SearchOutcome classify_search_page(const std::string& page, const std::string& not_found_marker) {
    if (gbk::contains(page, not_found_marker)) return {SearchVerdict::NotIndexed, 0};
    if (!gbk::contains_nocase(page, COUNT_START_MARKER)) return {SearchVerdict::Failed, 0};
    return {SearchVerdict::Indexed, gbk::number_from_text(text_between(page, COUNT_START_MARKER, COUNT_END_MARKER))};
}

std::string single_query_message(const SearchOutcome& outcome) {
    switch (outcome.verdict) {
        case SearchVerdict::NotIndexed:
            return "真遗憾...这个宝贝木有被收录哦\r\n";
        case SearchVerdict::Failed:
            return "查询失败：未取得搜索结果，请稍后重试\r\n";
        case SearchVerdict::Indexed:
            break;
    }
    std::string message = "恭喜您！这个宝贝已经被收录了\r\n宝贝个数：" + gbk::decimal(outcome.count);
    if (outcome.count >= COUNT_HINT_THRESHOLD) message += " [建议您进行精准核对哦]";
    return message;
}
