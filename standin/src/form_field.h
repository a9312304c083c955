// Reading one field of a form-encoded request body.
#pragma once
#include <optional>
#include <string>
#include <string_view>

// The value of the first name=value pair called name, '+' as space and %XX
// decoded; nullopt when there is none. Works whatever Content-Type the
// client declared, so a request with a wrong one is still understood.
std::optional<std::string> form_field(std::string_view body, std::string_view name);
