#include "form_field.h"

#include <algorithm>

#include "percent.h"

std::optional<std::string> form_field(std::string_view body, std::string_view name) {
  while (!body.empty()) {
    const std::size_t end = body.find('&');
    const std::string_view pair = body.substr(0, end);
    body = end == std::string_view::npos ? std::string_view{} : body.substr(end + 1);
    const std::size_t equals = pair.find('=');
    if (pair.substr(0, equals) != name) continue;
    std::string value(equals == std::string_view::npos ? std::string_view{} : pair.substr(equals + 1));
    std::replace(value.begin(), value.end(), '+', ' ');
    return percent_decode(value);
  }
  return std::nullopt;
}
