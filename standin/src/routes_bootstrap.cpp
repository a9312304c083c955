// GET /blog/qitong.html (UTF-8) and /bbs/qitong.html (GBK): the two pages the
// client reads its bootstrap text from at start-up. The text comes from
// DIR/bootstrap.txt unless a test set one; each page has its own fault mode.
#include <cstdio>
#include <string>

#include "bootstrap_pages.h"
#include "bootstrap_text.h"
#include "drop_connection.h"
#include "gbk_text.h"
#include "http_reply.h"
#include "routes.h"

namespace {

constexpr std::string_view kGbkHtml = "text/html; charset=gbk";

enum class Page { Blog, Forum };

void serve(StandinContext& context, Page page, const httplib::Request& req, httplib::Response& res) {
  const RemoteConfigState::Settings settings = context.remote_config.current();
  const PageMode mode = page == Page::Blog ? settings.page1 : settings.page2;
  if (mode == PageMode::Down) {
    if (!drop_connection(req)) {
      std::fprintf(stderr, "qitong-standin: could not find the connection to drop for %s\n", req.target.c_str());
      reply(res, 500, kText, "stand-in could not drop this connection\n");
    }
    return;
  }

  std::string text;
  if (settings.text) {
    text = *settings.text;
  } else {
    BootstrapText read = read_bootstrap_text(context.data_dir / "bootstrap.txt");
    if (!read.text) {
      // A broken test setup, not a site behaviour: say so plainly.
      std::fprintf(stderr, "qitong-standin: bootstrap: %s\n", read.detail.c_str());
      return reply(res, 500, kText, "stand-in bootstrap problem: " + read.detail + "\n");
    }
    text = std::move(*read.text);
  }
  const std::string marked = marked_text(mode, with_base(text, local_base(context.port)));

  if (page == Page::Blog) return reply(res, 200, kHtml, blog_page(marked));
  std::optional<std::string> gbk = utf8_to_gbk(forum_page(marked));
  if (!gbk) return reply(res, 500, kText, "stand-in bootstrap problem: text is not UTF-8 that GBK can hold\n");
  reply(res, 200, kGbkHtml, std::move(*gbk));
}

}  // namespace

void add_bootstrap_routes(httplib::Server& server, StandinContext& context) {
  server.Get("/blog/qitong.html", logged(context.log, [&context](const httplib::Request& req, httplib::Response& res) {
               serve(context, Page::Blog, req, res);
             }));
  server.Get("/bbs/qitong.html", logged(context.log, [&context](const httplib::Request& req, httplib::Response& res) {
               serve(context, Page::Forum, req, res);
             }));
}
