#include "catalogue.h"

#include <optional>

#include "file_bytes.h"

namespace {

std::string_view trim_blanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

Lookup look_up_title(const std::filesystem::path& file, std::string_view title) {
  const auto content = file_bytes(file);
  if (!content) return {LookupStatus::Unreadable, {}, "cannot read " + file.string()};

  std::string_view rest = *content;
  if (rest.starts_with("\xEF\xBB\xBF")) rest.remove_prefix(3);  // editors may add a BOM

  std::optional<std::string_view> answer_text;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty() || line.starts_with('#')) continue;
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) continue;
    if (line.substr(0, tab) == title) answer_text = trim_blanks(line.substr(tab + 1));
  }

  if (!answer_text) return {LookupStatus::NotListed, {}, {}};
  const auto answer = parse_answer(*answer_text);
  if (!answer) {
    return {LookupStatus::Malformed, {}, "unknown answer '" + std::string(*answer_text) + "'"};
  }
  return {LookupStatus::Listed, *answer, {}};
}
