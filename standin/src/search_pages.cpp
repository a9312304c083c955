#include "search_pages.h"

#include <algorithm>

#include "html_text.h"

namespace {

std::string page(std::string_view head_title, std::string_view search_text, std::string_view main) {
  std::string html;
  html += "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n";
  html += "<meta charset=\"utf-8\">\n";
  html += "<title>" + html_escape(head_title) + "</title>\n";
  html += "</head>\n<body>\n";
  html += "<div class=\"header\"><form action=\"/book/search/\" method=\"get\">"
          "<input class=\"search-box\" name=\"q\" value=\"" + html_escape(search_text) + "\">"
          "<button type=\"submit\">搜索</button></form></div>\n";
  html += "<div class=\"main\">\n";
  html += main;
  html += "</div>\n<div class=\"footer\">本地测试站点</div>\n</body>\n</html>\n";
  return html;
}

// The line the client counts from. count_text is empty for the marker-only form.
std::string count_line(std::string_view title, std::string_view count_text) {
  std::string line = "<div class=\"title fl\">找到";
  line += count_text;
  line += "个“<em>" + html_escape(title) + "</em>”相关宝贝</div>\n";
  return line;
}

std::string not_found_line(std::string_view title) {
  return "<p class=\"no-result\">没有找到你要搜索的“" + html_escape(title) + "”相关宝贝</p>\n";
}

// A few result rows so the page looks like a result list; the count line is
// what matters, so at most four rows are shown whatever the count.
std::string result_rows(std::string_view title, std::uint64_t count) {
  std::string rows = "<ul class=\"items\">\n";
  const std::uint64_t shown = std::min<std::uint64_t>(count, 4);
  for (std::uint64_t i = 0; i < shown; ++i) {
    rows += "<li class=\"item\"><a href=\"#item-" + std::to_string(i + 1) + "\">" + html_escape(title) +
            "</a><span class=\"price\">¥" + std::to_string(39 + 10 * i) + ".00</span></li>\n";
  }
  rows += "</ul>\n";
  return rows;
}

}  // namespace

std::string found_page(std::string_view title, std::uint64_t count) {
  const std::string number = std::to_string(count);
  return page(std::string(title) + " - 宝贝搜索", title, count_line(title, number) + result_rows(title, count));
}

std::string not_found_page(std::string_view title) {
  return page(std::string(title) + " - 宝贝搜索", title,
              not_found_line(title) + "<p class=\"tip\">请检查输入的文字，或换个词再试试。</p>\n");
}

std::string count_missing_page(std::string_view title) {
  return page(std::string(title) + " - 宝贝搜索", title, count_line(title, ""));
}

std::string both_markers_page(std::string_view title, std::uint64_t count) {
  const std::string number = std::to_string(count);
  return page(std::string(title) + " - 宝贝搜索", title,
              not_found_line(title) + "<p class=\"tip\">为你推荐：</p>\n" + count_line(title, number) +
                  result_rows(title, count));
}

std::string verification_page() {
  return page("安全验证", "",
              "<div class=\"verify\"><h2>请完成安全验证</h2>\n"
              "<p>为了保护你的账号安全，请拖动下方滑块完成验证后继续访问。</p>\n"
              "<div class=\"slider\">&gt;&gt; 请按住滑块，拖动到最右边</div></div>\n");
}

std::string server_error_page() {
  return "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head><meta charset=\"utf-8\"><title>500 服务器错误</title></head>\n"
         "<body><h1>500</h1><p>服务器开小差了，请稍后再试。</p></body>\n</html>\n";
}
