#include "routes.h"

void add_all_routes(httplib::Server& server, StandinContext& context) {
  add_health_routes(server, context);
  add_log_routes(server, context);
  add_search_routes(server, context);
  add_maker_routes(server, context);
  add_bootstrap_routes(server, context);
  add_settings_routes(server, context);
  add_config_routes(server, context);
  // Last: the library tries patterns in the order they were added, and this
  // group claims every path the ones above did not.
  add_fallback_routes(server, context);
}
