// Command line: qitong-standin --port PORT --data DIR
#pragma once
#include <filesystem>
#include <string>

struct Options {
  int port = -1;  // 0 lets the system pick a free port
  std::filesystem::path data_dir;
  bool help = false;
};

struct ParsedOptions {
  Options options;
  std::string error;  // empty when the command line was understood
};

ParsedOptions parse_options(int argc, char** argv);

inline constexpr const char* kUsage =
    "usage: qitong-standin --port PORT --data DIR\n"
    "  Serves the stand-in search and maker pages on 127.0.0.1:PORT from DIR\n"
    "  (DIR/catalogue.txt, DIR/bootstrap.txt and DIR/maker/).\n";
