// The stand-in's list of titles the search "knows", kept in a UTF-8 text file:
// one entry per line, title TAB answer; blank lines and lines starting with #
// are skipped; LF or CR LF line ends.
#pragma once
#include <filesystem>
#include <string>
#include <string_view>

#include "answer.h"

enum class LookupStatus {
  Listed,      // answer holds what to do
  NotListed,   // no line for this title
  Malformed,   // the title's answer column is not understood; detail says what
  Unreadable,  // the file could not be read; detail names it
};

struct Lookup {
  LookupStatus status = LookupStatus::NotListed;
  Answer answer;
  std::string detail;
};

// Reads the file afresh on every call, so tests may append entries while the
// server runs. Titles compare byte for byte; when a title appears twice the
// later line wins, so an appended line can override an earlier one.
Lookup look_up_title(const std::filesystem::path& file, std::string_view title);
