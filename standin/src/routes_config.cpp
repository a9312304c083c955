// Test controls of the maker's configuration services. Not recorded in the
// log, like /health, so switching modes does not disturb what tests inspect.
//   GET /__config/set?page1=MODE&page2=MODE&settings=MODE&text=TEXT
//       every parameter optional; TEXT is percent-encoded UTF-8 ('+' is a
//       space) and may hold {base}; nothing changes unless all are valid
//   GET /__config/reset                   modes good, text from the file
//   GET /__config/last-settings-request   unscrambled, bytes as sent
#include <string>

#include "gbk_text.h"
#include "http_reply.h"
#include "routes.h"

namespace {

// The change the query asks for, or the reason it cannot be made.
struct ParsedChange {
  RemoteConfigState::Change change;
  std::string error;
};

ParsedChange parse_change(const httplib::Params& params) {
  ParsedChange parsed;
  RemoteConfigState::Change& change = parsed.change;
  for (const auto& [name, value] : params) {
    if (name == "page1" || name == "page2") {
      const std::optional<PageMode> mode = parse_page_mode(value);
      if (!mode) {
        parsed.error = "unknown page mode '" + value + "' (good, down, nomarkers, nopipe, nostart, noend)";
        return parsed;
      }
      (name == "page1" ? change.page1 : change.page2) = mode;
    } else if (name == "settings") {
      change.settings = parse_settings_mode(value);
      if (!change.settings) {
        parsed.error = "unknown settings mode '" + value + "' (good, garbage, short, empty)";
        return parsed;
      }
    } else if (name == "text") {
      // The forum page goes out in GBK; refuse now what it could not carry.
      if (!utf8_to_gbk(value)) {
        parsed.error = "text is not UTF-8 that GBK can hold";
        return parsed;
      }
      change.text = value;
    } else {
      parsed.error = "unknown parameter '" + name + "' (page1, page2, settings, text)";
      return parsed;
    }
  }
  return parsed;
}

}  // namespace

void add_config_routes(httplib::Server& server, StandinContext& context) {
  RemoteConfigState& state = context.remote_config;
  server.Get("/__config/set", [&state](const httplib::Request& req, httplib::Response& res) {
    const ParsedChange parsed = parse_change(req.params);
    if (!parsed.error.empty()) return reply(res, 400, kText, parsed.error + "\n");
    state.apply(parsed.change);
    reply(res, 200, kText, "ok");
  });
  server.Get("/__config/reset", [&state](const httplib::Request&, httplib::Response& res) {
    state.reset();
    reply(res, 200, kText, "ok");
  });
  server.Get("/__config/last-settings-request", [&state](const httplib::Request&, httplib::Response& res) {
    reply(res, 200, "text/plain", state.last_settings_request());
  });
}
