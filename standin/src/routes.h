// Route groups of the stand-in. Each group lives in its own routes_*.cpp and
// is listed once in add_all_routes (routes.cpp); to serve something new, add a
// file and a line there.
#pragma once
#include <filesystem>

#include <httplib.h>

#include "remote_config_state.h"
#include "request_log.h"

// What the handlers share. Lives as long as the server.
struct StandinContext {
  std::filesystem::path data_dir;
  int port = 0;  // the bound port, set before the first request is served
  RequestLog log;
  RemoteConfigState remote_config;
};

void add_all_routes(httplib::Server& server, StandinContext& context);

void add_health_routes(httplib::Server& server, StandinContext& context);
void add_log_routes(httplib::Server& server, StandinContext& context);
void add_search_routes(httplib::Server& server, StandinContext& context);
void add_maker_routes(httplib::Server& server, StandinContext& context);
void add_bootstrap_routes(httplib::Server& server, StandinContext& context);
void add_settings_routes(httplib::Server& server, StandinContext& context);
void add_config_routes(httplib::Server& server, StandinContext& context);
void add_fallback_routes(httplib::Server& server, StandinContext& context);
