// Title files: the text of a file's bytes and its titles.
#pragma once
#include <string>
#include <vector>

// The file's bytes as text: up to the end, or to the first zero byte or
// 0x1A byte that does not stand inside a double-byte character.
std::string title_file_text(const std::string& bytes);

// The titles of a file's text: pieces between separators (empty ones too),
// the last piece only when not empty; not trimmed.
std::vector<std::string> split_titles(const std::string& text, const std::string& separator);
