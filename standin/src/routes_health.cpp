// GET /health: readiness probe for the start script. Not recorded in the log,
// so polling it does not disturb what tests inspect.
#include "http_reply.h"
#include "routes.h"

void add_health_routes(httplib::Server& server, StandinContext&) {
  server.Get("/health", [](const httplib::Request&, httplib::Response& res) { reply(res, 200, kText, "ok"); });
}
