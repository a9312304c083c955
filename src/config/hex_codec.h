// Hexadecimal forms of byte texts, as the settings exchange uses them.
// Plain code without Windows calls: the stand-in server links it too.
#pragma once
#include <string>

class HexCodec {
public:
    // Bytes from upper- or lower-case pairs separated by spaces; each pair is
    // read from its first and last character, a non-hex character counting 0.
    std::string bytes_from_hex_pairs(const std::string& pairs) const;
    // Upper-case pairs, each followed by one space; an odd last digit is dropped.
    std::string hex_pairs_from_hex(const std::string& digits) const;
    // Two lower-case digits per byte.
    std::string text_to_hex(const std::string& text) const;
    // The bytes of the digits, up to the first zero byte.
    std::string hex_to_text(const std::string& digits) const;
    // The pairs' digits with the spaces removed, in lower case.
    std::string hex_from_hex_pairs(const std::string& pairs) const;
};
