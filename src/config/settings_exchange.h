// The scrambled settings exchange with the maker's configuration server.
#pragma once
#include <string>
#include <vector>

// The request text sent at start-up: names the program and its version.
extern const std::string STARTUP_SETTINGS_REQUEST;

// Posts "data=" + the scrambled request to the server base + endpoint and
// replaces reply, whatever it held, with the unscrambled reply's fields.
void exchange_settings(const std::string& endpoint, const std::string& request, std::vector<std::string>& reply);
