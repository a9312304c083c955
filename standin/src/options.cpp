#include "options.h"

#include <charconv>
#include <string_view>

ParsedOptions parse_options(int argc, char** argv) {
  ParsedOptions parsed;
  Options& options = parsed.options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      return parsed;
    }
    if ((arg == "--port" || arg == "--data") && i + 1 >= argc) {
      parsed.error = std::string(arg) + " needs a value";
      return parsed;
    }
    if (arg == "--port") {
      const std::string_view value = argv[++i];
      int port = -1;
      const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), port);
      if (error != std::errc{} || end != value.data() + value.size() || port < 0 || port > 65535) {
        parsed.error = "bad port '" + std::string(value) + "'";
        return parsed;
      }
      options.port = port;
    } else if (arg == "--data") {
      options.data_dir = argv[++i];
    } else {
      parsed.error = "unknown argument '" + std::string(arg) + "'";
      return parsed;
    }
  }
  if (options.port < 0) {
    parsed.error = "--port is required";
  } else if (options.data_dir.empty()) {
    parsed.error = "--data is required";
  } else {
    std::error_code error;
    if (!std::filesystem::is_directory(options.data_dir, error)) {
      parsed.error = "data folder not found: " + options.data_dir.string();
    }
  }
  return parsed;
}
