// POST /maker/peizhi.php: the maker's settings server. The form field "data"
// holds the client's scrambled request; the answer is the scrambled reply,
// "|"-separated GBK fields, or whatever the test's fault mode calls for.
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "config/scrambling.h"
#include "form_field.h"
#include "gbk_text.h"
#include "http_reply.h"
#include "routes.h"

namespace {

constexpr std::string_view kPlain = "text/plain";

// Field 3 and 5 are the character codes of the title file's line separator
// (CR LF); field 6 is the search site's not-found text.
constexpr std::string_view kReplyFields = "1|qitong-standin|settings|10|0|13|没有找到你要搜索的";
constexpr std::string_view kShortReply = "1|2|3|4";

std::string error_page() {
  return "<html>\r\n<head><title>500 Internal Server Error</title></head>\r\n<body>\r\n"
         "<center><h1>500 Internal Server Error</h1></center>\r\n<hr><center>nginx</center>\r\n</body>\r\n</html>\r\n";
}

void answer(SettingsMode mode, httplib::Response& res) {
  switch (mode) {
    case SettingsMode::Good: {
      const std::optional<std::string> fields = utf8_to_gbk(kReplyFields);
      if (!fields) return reply(res, 500, kText, "stand-in could not convert the settings reply to GBK\n");
      return reply(res, 200, kPlain, scramble_request(*fields));
    }
    case SettingsMode::Garbage:
      return reply(res, 500, kHtml, error_page());
    case SettingsMode::Short:
      return reply(res, 200, kPlain, scramble_request(std::string(kShortReply)));
    case SettingsMode::Empty:
      return reply(res, 200, kPlain, "");
  }
}

void settings(RemoteConfigState& state, const httplib::Request& req, httplib::Response& res) {
  const std::optional<std::string> data = form_field(req.body, "data");
  if (!data) return reply(res, 400, kText, "no data field in the form\n");
  state.remember_settings_request(unscramble_reply(*data));
  answer(state.current().settings, res);
}

}  // namespace

void add_settings_routes(httplib::Server& server, StandinContext& context) {
  RemoteConfigState& state = context.remote_config;
  server.Post("/maker/peizhi.php", logged(context.log, [&state](const httplib::Request& req, httplib::Response& res) {
                settings(state, req, res);
              }));
}
