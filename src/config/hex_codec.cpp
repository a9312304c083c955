#include "config/hex_codec.h"

namespace {

// "A".."F" (either case) count 10..15, digits their value, anything else 0.
int digit_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string HexCodec::bytes_from_hex_pairs(const std::string& pairs) const {
    std::string bytes;
    std::size_t start = 0;
    while (start < pairs.size()) {
        std::size_t end = pairs.find(' ', start);
        if (end == std::string::npos) end = pairs.size();
        if (end > start) {
            const int high = digit_value(pairs[start]), low = digit_value(pairs[end - 1]);
            bytes.push_back(static_cast<char>(16 * high + low));
        } else {
            bytes.push_back('\0');  // an empty part between two spaces
        }
        start = end + 1;
    }
    return bytes;
}

std::string HexCodec::hex_pairs_from_hex(const std::string& digits) const {
    std::string pairs;
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
        pairs.push_back(upper(digits[i]));
        pairs.push_back(upper(digits[i + 1]));
        pairs.push_back(' ');
    }
    return pairs;
}

std::string HexCodec::text_to_hex(const std::string& text) const {
    static const char HEX[] = "0123456789ABCDEF";
    std::string pairs;
    for (unsigned char byte : text) {
        pairs.push_back(HEX[byte >> 4]);
        pairs.push_back(HEX[byte & 0x0F]);
        pairs.push_back(' ');
    }
    return hex_from_hex_pairs(pairs);
}

std::string HexCodec::hex_to_text(const std::string& digits) const {
    std::string bytes = bytes_from_hex_pairs(hex_pairs_from_hex(digits));
    std::size_t zero = bytes.find('\0');
    return zero == std::string::npos ? bytes : bytes.substr(0, zero);
}

std::string HexCodec::hex_from_hex_pairs(const std::string& pairs) const {
    std::string digits;
    for (char c : pairs)
        if (c != ' ') digits.push_back(lower(c));
    return digits;
}
