#include "text/gbk.h"

#include <climits>

namespace gbk {

bool is_lead_byte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

std::size_t next_char(const std::string& text, std::size_t pos) {
    if (pos + 1 < text.size() && is_lead_byte(static_cast<unsigned char>(text[pos]))) return pos + 2;
    return pos + 1;
}

namespace {

char fold_ascii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Compares needle with the text at pos. With fold_case, single-byte
// characters of the text compare as ASCII regardless of case; the bytes of a
// double-byte character always compare exactly (a trail byte such as 0x41
// is not the letter A).
bool matches_at(const std::string& text, std::size_t pos, const std::string& needle, bool fold_case) {
    if (text.size() - pos < needle.size()) return false;
    std::size_t i = 0;
    while (i < needle.size()) {
        std::size_t width = next_char(text, pos + i) - (pos + i);
        if (width == 1 && fold_case) {
            if (fold_ascii(text[pos + i]) != fold_ascii(needle[i])) return false;
        } else {
            for (std::size_t k = 0; k < width && i + k < needle.size(); ++k)
                if (text[pos + i + k] != needle[i + k]) return false;
        }
        i += width;
    }
    return true;
}

std::size_t find_with(const std::string& text, const std::string& needle, std::size_t from, bool fold_case) {
    if (needle.empty()) return npos;
    for (std::size_t pos = from; pos < text.size(); pos = next_char(text, pos)) {
        if (text.size() - pos < needle.size()) return npos;
        if (matches_at(text, pos, needle, fold_case)) return pos;
    }
    return npos;
}

}  // namespace

std::size_t find(const std::string& text, const std::string& needle, std::size_t from) {
    return find_with(text, needle, from, false);
}

std::size_t find_nocase(const std::string& text, const std::string& needle, std::size_t from) {
    return find_with(text, needle, from, true);
}

bool contains(const std::string& text, const std::string& needle) { return find(text, needle) != npos; }

bool contains_nocase(const std::string& text, const std::string& needle) {
    return find_nocase(text, needle) != npos;
}

std::string replace_all(const std::string& text, const std::string& from, const std::string& to) {
    if (from.empty()) return text;
    std::string out;
    std::size_t start = 0;
    for (std::size_t hit = find(text, from); hit != npos; hit = find(text, from, start)) {
        out.append(text, start, hit - start).append(to);
        start = hit + from.size();
    }
    return out.append(text, start, npos);
}

std::vector<std::string> split(const std::string& text, const std::string& separator) {
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;
    if (separator.empty()) return {text};
    std::size_t start = 0;
    for (std::size_t hit = find(text, separator); hit != npos; hit = find(text, separator, start)) {
        pieces.push_back(text.substr(start, hit - start));
        start = hit + separator.size();
    }
    if (start < text.size()) pieces.push_back(text.substr(start));
    return pieces;
}

namespace {

// Length of the blank at pos (1 for a space, 2 for A1 A1), 0 if none.
std::size_t blank_at(const std::string& text, std::size_t pos) {
    if (text[pos] == ' ') return 1;
    if (pos + 1 < text.size() && static_cast<unsigned char>(text[pos]) == 0xA1 &&
        static_cast<unsigned char>(text[pos + 1]) == 0xA1)
        return 2;
    return 0;
}

}  // namespace

std::string trim_blanks(const std::string& text) {
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t n = blank_at(text, begin);
        if (n == 0) break;
        begin += n;
    }
    // Walk forward so a trailing A1 A1 is only taken when it is a whole
    // character, never the trail byte of another character plus an A1.
    std::size_t end = begin, pos = begin;
    while (pos < text.size()) {
        std::size_t n = blank_at(text, pos);
        if (n == 0) {
            pos = next_char(text, pos);
            end = pos;
        } else {
            pos += n;
        }
    }
    return text.substr(begin, end - begin);
}

std::string to_half_width(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t next = next_char(text, pos);
        unsigned char a = static_cast<unsigned char>(text[pos]);
        unsigned char b = next - pos == 2 ? static_cast<unsigned char>(text[pos + 1]) : 0;
        if (a == 0xA3 && b >= 0xA1 && b <= 0xFE) {
            out.push_back(static_cast<char>(b - 0x80));  // A3 A1 '！' .. A3 FE '～'
        } else if (a == 0xA1 && b == 0xA1) {
            out.push_back(' ');
        } else {
            out.append(text, pos, next - pos);
        }
        pos = next;
    }
    return out;
}

int number_from_text(const std::string& text) {
    std::string half = to_half_width(text);
    std::size_t pos = 0;
    while (pos < half.size() && (half[pos] == ' ' || (half[pos] >= '\t' && half[pos] <= '\r'))) ++pos;
    bool negative = false;
    if (pos < half.size() && (half[pos] == '+' || half[pos] == '-')) negative = half[pos++] == '-';
    long long value = 0;
    for (; pos < half.size() && half[pos] >= '0' && half[pos] <= '9'; ++pos) {
        value = value * 10 + (half[pos] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    return static_cast<int>(value);
}

std::string until_zero(const std::string& bytes) {
    std::size_t zero = bytes.find('\0');
    return zero == std::string::npos ? bytes : bytes.substr(0, zero);
}

std::string ascii_lower(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t next = next_char(text, pos);
        if (next - pos == 1) out.push_back(fold_ascii(text[pos]));
        else out.append(text, pos, 2);
        pos = next;
    }
    return out;
}

std::string decimal(long long value) { return std::to_string(value); }

}  // namespace gbk
