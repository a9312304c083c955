#include "config/settings_exchange.h"

#include <memory>

#include "app/global_state.h"
#include "app/wait_pumping.h"
#include "config/scrambling.h"
#include "text/gbk.h"
#include "web/web_access.h"

const std::string STARTUP_SETTINGS_REQUEST = "qitong|1.0|start-up";

void exchange_settings(const std::string& endpoint, const std::string& request, std::vector<std::string>& reply) {
    const GlobalState& state = global_state();
    const std::string url = state.server_base_head + state.server_base_tail + endpoint;
    const std::string form = "data=" + scramble_request(request);
    // Fetched on a worker while the window keeps answering: a slow server
    // must not freeze the program.
    auto body = std::make_shared<std::string>();
    if (!run_pumping([body, url, form] { *body = 网页_访问(url, 1, "", "", form); })) return;
    reply = gbk::split(unscramble_reply(gbk::until_zero(*body)), "|");
}
