#include "bootstrap_text.h"

#include "file_bytes.h"

BootstrapText read_bootstrap_text(const std::filesystem::path& file) {
  const std::optional<std::string> bytes = file_bytes(file);
  if (!bytes) return {std::nullopt, "cannot read " + file.string()};
  std::string_view rest = *bytes;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    const bool blank = line.find_first_not_of(" \t") == std::string_view::npos;
    if (blank || line.starts_with('#')) continue;
    return {std::string(line), {}};
  }
  return {std::nullopt, "no bootstrap line in " + file.string()};
}

std::string local_base(int port) { return "http://127.0.0.1:" + std::to_string(port) + "/"; }

std::string with_base(std::string_view text, std::string_view base) {
  constexpr std::string_view kPlaceholder = "{base}";
  std::string out;
  for (std::size_t at = text.find(kPlaceholder); at != std::string_view::npos; at = text.find(kPlaceholder)) {
    out += text.substr(0, at);
    out += base;
    text.remove_prefix(at + kPlaceholder.size());
  }
  out += text;
  return out;
}
