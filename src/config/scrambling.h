// The keyless scrambling of the settings request and reply: hexadecimal
// digits framed by "0b" and "6e", reversed, then rotated by halves and thirds.
// Plain code without Windows calls: the stand-in server links it too.
#pragma once
#include <string>

std::string reverse_bytes(const std::string& text);
std::string scramble_request(const std::string& text);
// The exact inverse of scramble_request for any length.
std::string unscramble_reply(const std::string& scrambled);
