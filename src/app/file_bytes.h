// Whole files as bytes (paths are GBK): read in one piece, and written by
// replacing the old file only once the new one is complete.
#pragma once
#include <optional>
#include <string>

// The file's bytes; nothing when it cannot be opened or read.
std::optional<std::string> read_file_bytes(const std::string& path);
bool file_exists(const std::string& path);
// Writes bytes to path through a temporary file beside it, so a failed
// write leaves the old file as it was. False on failure.
bool replace_file_bytes(const std::string& path, const std::string& bytes);
