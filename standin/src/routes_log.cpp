// GET /__log shows the recorded requests; /__log/clear (GET or POST) forgets
// them. Neither is recorded itself.
#include "http_reply.h"
#include "routes.h"

void add_log_routes(httplib::Server& server, StandinContext& context) {
  RequestLog& log = context.log;
  server.Get("/__log", [&log](const httplib::Request&, httplib::Response& res) { reply(res, 200, kText, log.render()); });
  const auto clear = [&log](const httplib::Request&, httplib::Response& res) {
    log.clear();
    reply(res, 200, kText, "cleared\n");
  };
  server.Get("/__log/clear", clear);
  // Taking the body through a content reader lets a bare POST without
  // Content-Length through, which the library would otherwise refuse with
  // 400. A declared body is still read off the connection so the next
  // request on it parses cleanly.
  server.Post("/__log/clear", [clear](const httplib::Request& req, httplib::Response& res,
                                      const httplib::ContentReader& content) {
    if (req.has_header("Content-Length") || req.has_header("Transfer-Encoding")) {
      content([](const char*, std::size_t) { return true; });
    }
    clear(req, res);
  });
}
