// GET /maker/<name>: the maker's web pages, served from DIR/maker/ and read
// afresh on each request so they can be edited while the server runs.
// /maker/ is index.html; /maker redirects there like a web server would.
#include <optional>
#include <string>
#include <string_view>

#include "file_bytes.h"
#include "http_reply.h"
#include "routes.h"

namespace {

// Plain file names only: no directories, no hidden files, no way out of the folder.
bool is_page_name(std::string_view name) {
  if (name.empty() || name.front() == '.') return false;
  for (const char c : name) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                    c == '-' || c == '_';
    if (!ok) return false;
  }
  return name.find("..") == std::string_view::npos;
}

std::string_view content_type_for(std::string_view name) {
  const auto ends = [name](std::string_view suffix) { return name.ends_with(suffix); };
  if (ends(".html") || ends(".htm")) return kHtml;
  if (ends(".css")) return "text/css; charset=utf-8";
  if (ends(".js")) return "application/javascript; charset=utf-8";
  if (ends(".txt")) return kText;
  if (ends(".png")) return "image/png";
  if (ends(".gif")) return "image/gif";
  if (ends(".jpg") || ends(".jpeg")) return "image/jpeg";
  if (ends(".ico")) return "image/x-icon";
  return "application/octet-stream";
}

std::string missing_page() {
  return "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head><meta charset=\"utf-8\"><title>页面不存在</title></head>\n"
         "<body><h1>404</h1><p>你要找的页面不存在。<a href=\"/maker/\">回到首页</a></p></body>\n</html>\n";
}

void serve(const std::filesystem::path& folder, const httplib::Request& req, httplib::Response& res) {
  std::string name = req.matches[1];
  if (name.empty()) name = "index.html";
  std::optional<std::string> bytes;
  if (is_page_name(name)) bytes = file_bytes(folder / name);
  if (!bytes) return reply(res, 404, kHtml, missing_page());
  reply(res, 200, content_type_for(name), std::move(*bytes));
}

}  // namespace

void add_maker_routes(httplib::Server& server, StandinContext& context) {
  const std::filesystem::path folder = context.data_dir / "maker";
  server.Get("/maker", logged(context.log, [](const httplib::Request&, httplib::Response& res) {
               res.set_redirect("/maker/", 301);
             }));
  server.Get(R"(/maker/([^/]*))", logged(context.log, [folder](const httplib::Request& req, httplib::Response& res) {
               serve(folder, req, res);
             }));
}
