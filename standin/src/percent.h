// Percent-decoding of URL path pieces.
#pragma once
#include <string>
#include <string_view>

// Turns every %XX (two hex digits) into its byte. Anything else, including a
// malformed escape or '+', is kept as written: path pieces are not form data.
std::string percent_decode(std::string_view text);
