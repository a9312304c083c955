#include "config/scrambling.h"

#include "config/hex_codec.h"

std::string reverse_bytes(const std::string& text) { return std::string(text.rbegin(), text.rend()); }

std::string scramble_request(const std::string& text) {
    std::string s = "0b" + HexCodec().text_to_hex(text) + "6e";
    const std::size_t length = s.size();
    s = reverse_bytes(s);
    const std::size_t half = length / 2;
    s = s.substr(half) + s.substr(0, half);
    const std::size_t third = length / 3;
    return s.substr(third, third) + s.substr(2 * third) + s.substr(0, third);
}

std::string unscramble_reply(const std::string& scrambled) {
    const std::size_t length = scrambled.size();
    const std::size_t q = length / 3, r = length % 3;
    std::string x = scrambled.substr(2 * q + r) + scrambled.substr(0, q) + scrambled.substr(q, q + r);
    const std::size_t h = length / 2, r2 = length % 2;
    x = x.substr(h + r2) + x.substr(0, h + r2);
    x = reverse_bytes(x);
    // The two-character frame at each end is dropped unchecked.
    x = length >= 4 ? x.substr(2, length - 4) : std::string();
    return HexCodec().hex_to_text(x);
}
