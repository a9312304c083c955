// Anything no other group serves: recorded, then answered 404, so tests can
// see requests that went to a wrong address.
#include "http_reply.h"
#include "routes.h"

void add_fallback_routes(httplib::Server& server, StandinContext& context) {
  const auto not_found = logged(context.log, [](const httplib::Request& req, httplib::Response& res) {
    reply(res, 404, kText, "no such page: " + req.target + "\n");
  });
  // [\s\S] rather than '.', which would stop at line breaks in decoded paths.
  const char* const anything = R"([\s\S]*)";
  server.Get(anything, not_found);
  server.Post(anything, not_found);
  server.Put(anything, not_found);
  server.Delete(anything, not_found);
  server.Patch(anything, not_found);
  server.Options(anything, not_found);
}
