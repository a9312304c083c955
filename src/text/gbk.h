// GBK (code page 936) text primitives. Every text inside the program is a
// std::string of GBK bytes; positions count bytes and are 0-based here.
// Searches and splits step character by character: a lead byte 0x81..0xFE
// takes the next byte with it, so a match never starts inside a character.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace gbk {

constexpr std::size_t npos = std::string::npos;

// True for a byte that starts a double-byte character.
bool is_lead_byte(unsigned char byte);

// Position of the character after the one starting at pos. A lead byte at
// the very end counts as a character of one byte.
std::size_t next_char(const std::string& text, std::size_t pos);

// First match of needle starting at a character start at or after from
// (from must itself be a character start). npos when none; an empty needle
// matches nowhere.
std::size_t find(const std::string& text, const std::string& needle, std::size_t from = 0);

// As find, with ASCII letters compared regardless of case; other bytes exact.
std::size_t find_nocase(const std::string& text, const std::string& needle, std::size_t from = 0);

bool contains(const std::string& text, const std::string& needle);
bool contains_nocase(const std::string& text, const std::string& needle);

// Every exact occurrence of from (at character starts) replaced by to.
std::string replace_all(const std::string& text, const std::string& from, const std::string& to);

// Pieces before each separator become elements (empty ones too); the piece
// after the last separator only when it is not empty; an empty text gives none.
std::vector<std::string> split(const std::string& text, const std::string& separator);

// Removes blanks (ASCII space and the full-width space A1 A1) at both ends;
// tabs and line breaks stay.
std::string trim_blanks(const std::string& text);

// Full-width ASCII forms (A3 A1..A3 FE) and the full-width space become
// their half-width bytes; everything else is copied.
std::string to_half_width(const std::string& text);

// Leading decimal integer after half-width folding and leading white space,
// with an optional sign; 0 when the text does not begin with a number.
// Saturates at the 32-bit limits.
int number_from_text(const std::string& text);

// The bytes up to the first zero byte.
std::string until_zero(const std::string& bytes);

// ASCII letters lowered, other bytes (double-byte characters too) unchanged.
std::string ascii_lower(const std::string& text);

// Decimal text of a number, no leading zeros.
std::string decimal(long long value);

}  // namespace gbk
