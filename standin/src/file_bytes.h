// Reading a whole file.
#pragma once
#include <filesystem>
#include <optional>
#include <string>

// The bytes of a regular file; nullopt when it is missing, not a regular
// file, or cannot be read.
std::optional<std::string> file_bytes(const std::filesystem::path& file);
