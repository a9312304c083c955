// The settings file: a key of a section, kept as the exact bytes given, on
// any system code page (the platform's own INI routines would convert the
// text through the system code page and could change it).
#pragma once
#include <optional>
#include <string>

// The INI text with key set to value in section, as the platform's writer
// does: an existing key line is replaced, a missing key goes at the end of
// its section, a missing section is added at the end. Names compare without
// regard to ASCII case; lines end in CR LF.
std::string ini_with_value(const std::string& ini, const std::string& section, const std::string& key,
                           const std::string& value);

// The value of key in section; nothing when absent.
std::optional<std::string> ini_value(const std::string& ini, const std::string& section, const std::string& key);

// Sets the key in the file at path (GBK), creating it when needed; the file is
// replaced whole, so a failed write leaves the old one. False on failure.
bool write_ini_value(const std::string& path, const std::string& section, const std::string& key,
                     const std::string& value);
std::optional<std::string> read_ini_value(const std::string& path, const std::string& section, const std::string& key);

// Path of a file in the program's own directory (GBK).
std::string program_directory_file(const std::string& file_name);
