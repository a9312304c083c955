#include "bootstrap_pages.h"

namespace {

constexpr std::string_view kStart = "开始喽";
constexpr std::string_view kEnd = "结束喽";
// What the maker writes when the service is paused: no fields at all.
constexpr std::string_view kPaused = "服务暂停，请稍后再来";

std::string joined(std::string_view a, std::string_view b, std::string_view c = {}) {
  std::string out;
  out.reserve(a.size() + b.size() + c.size());
  out.append(a).append(b).append(c);
  return out;
}

}  // namespace

std::string marked_text(PageMode mode, std::string_view text) {
  switch (mode) {
    case PageMode::Good: return joined(kStart, text, kEnd);
    case PageMode::NoMarkers: return std::string(text);
    case PageMode::NoPipe: return joined(kStart, kPaused, kEnd);
    case PageMode::NoStart: return joined(text, kEnd);
    case PageMode::NoEnd: return joined(kStart, text);
    case PageMode::Down: return {};
  }
  return {};
}

std::string blog_page(std::string_view marked) {
  std::string page =
      "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<title>栖桐小工具启动配置 - 梧桐树下的博客</title>\n"
      "<style>\nbody { font-family: sans-serif; margin: 0; background: #f4f4f0; color: #333; }\n"
      ".head { background: #3e6b8a; color: #fff; padding: 12px 20px; font-size: 18px; }\n"
      ".post { background: #fff; margin: 14px 20px; padding: 12px 20px; border: 1px solid #ddd; }\n"
      ".meta { color: #999; font-size: 12px; }\n.cfg { font-family: monospace; color: #666; margin: 10px 0; }\n"
      ".comment { border-top: 1px dashed #ddd; padding: 6px 0; font-size: 13px; }\n</style>\n</head>\n<body>\n"
      "<div class=\"head\">梧桐树下的博客</div>\n<div class=\"post\">\n"
      "<h1>栖桐小工具启动配置</h1>\n<p class=\"meta\">发表于 2014-03-08 21:16　分类：小工具　阅读(1208)</p>\n"
      "<p>这篇日志是给栖桐小工具用的：程序每次打开时会来读下面这一行，看看有没有新版本、服务开着没有。</p>\n"
      "<p>下面这一行请不要转载，也不要改动。</p>\n<div class=\"cfg\">";
  page += marked;
  page +=
      "</div>\n<p>用着有问题的朋友，欢迎在下面留言。</p>\n</div>\n<div class=\"post\">\n<h2>评论(2)</h2>\n"
      "<div class=\"comment\">小雨点：用了一个月，挺好用的，谢谢作者！</div>\n"
      "<div class=\"comment\">青青河边草：请问有没有说明书？</div>\n</div>\n</body>\n</html>\n";
  return page;
}

std::string forum_page(std::string_view marked) {
  std::string page =
      "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
      "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\n<html>\n<head>\n"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\" />\n"
      "<title>【置顶】栖桐小工具配置帖 - 小工具交流 - 梧桐论坛</title>\n"
      "<style type=\"text/css\">\nbody { font: 12px/1.6 Tahoma, sans-serif; margin: 0; background: #fff; }\n"
      ".nav { background: #e8f0f7; padding: 6px 12px; border-bottom: 1px solid #c2d5e3; }\n"
      "table.t { width: 96%; margin: 10px auto; border: 1px solid #c2d5e3; border-collapse: collapse; }\n"
      "td.author { width: 160px; background: #e5edf2; vertical-align: top; padding: 8px; }\n"
      "td.msg { padding: 8px; vertical-align: top; }\n.time { color: #999; }\n</style>\n</head>\n<body>\n"
      "<div class=\"nav\">梧桐论坛 &gt; 软件交流 &gt; 小工具交流 &gt; 栖桐小工具配置帖</div>\n"
      "<table class=\"t\">\n<tr><td class=\"author\"><b>栖桐作者</b><br />版主<br />帖子 356</td>\n"
      "<td class=\"msg\"><div class=\"time\">1楼　发表于 2014-3-8 21:20</div>\n"
      "<p>本帖给栖桐小工具读取配置用，请勿回复灌水。</p>\n<div class=\"cfg\">";
  page += marked;
  page +=
      "</div>\n</td></tr>\n<tr><td class=\"author\"><b>路过的卖家</b><br />注册会员<br />帖子 12</td>\n"
      "<td class=\"msg\"><div class=\"time\">2楼　发表于 2014-3-9 09:02</div>\n"
      "<p>支持一下，好工具。</p>\n</td></tr>\n</table>\n</body>\n</html>\n";
  return page;
}
