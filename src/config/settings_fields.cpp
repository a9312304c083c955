#include "config/settings_fields.h"

#include "check/title_query.h"
#include "text/gbk.h"

namespace {

constexpr std::size_t SEPARATOR_FIRST_FIELD = 5;
constexpr std::size_t SEPARATOR_SECOND_FIELD = 3;
constexpr std::size_t NOT_FOUND_FIELD = 6;

// The byte with the code in a field; 0 when the field is missing, empty or
// holds no code of a byte.
char code_in(const std::vector<std::string>& reply, std::size_t field) {
    if (field >= reply.size() || reply[field].empty()) return 0;
    int code = gbk::number_from_text(reply[field]);
    return code >= 1 && code <= 255 ? static_cast<char>(code) : 0;
}

}  // namespace

std::string title_separator(const std::vector<std::string>& settings_reply) {
    char first = code_in(settings_reply, SEPARATOR_FIRST_FIELD);
    char second = code_in(settings_reply, SEPARATOR_SECOND_FIELD);
    if (!first || !second) return "\r\n";
    return std::string{first, second};
}

std::string batch_not_found_marker(const std::vector<std::string>& settings_reply) {
    if (NOT_FOUND_FIELD >= settings_reply.size() || settings_reply[NOT_FOUND_FIELD].empty()) return NOT_FOUND_MARKER;
    return settings_reply[NOT_FOUND_FIELD];
}
