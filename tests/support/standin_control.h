// Talks to the stand-in services from a test: its addresses, its request
// log and its scenario switches.
#pragma once
#include <string>

// Address of a path on the stand-in ("/__log", ...).
std::string standin_url(const std::string& path);
// GET of a stand-in path; the body.
std::string standin_get(const std::string& path_and_query);
// The bootstrap text the stand-in serves by default, in GBK.
std::string default_bootstrap_text();
// Serves text (GBK, "{base}" standing for the stand-in's address) as the bootstrap text.
void serve_bootstrap_text(const std::string& text);
