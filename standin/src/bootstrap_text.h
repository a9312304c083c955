// The bootstrap text the two maker pages publish, "|"-separated fields such as
//   100|1|{base}|maker/|备用|备用|备用|0|{base}maker/download.html
// where {base} stands for this server's own address.
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

struct BootstrapText {
  std::optional<std::string> text;
  std::string detail;  // why there is no text
};

// The first line of the UTF-8 scenario file that is neither blank nor a #
// comment, without its line end. Read afresh on each call, so the file may be
// edited while the server runs.
BootstrapText read_bootstrap_text(const std::filesystem::path& file);

// "http://127.0.0.1:PORT/"
std::string local_base(int port);

// Every {base} in text replaced by base.
std::string with_base(std::string_view text, std::string_view base);
