#include "text/codepage.h"

#include <windows.h>

namespace gbk {

namespace {

constexpr UINT CP_GBK = 936;
constexpr UINT CP_BIG5 = 950;

std::wstring decode(UINT code_page, const std::string& bytes) {
    if (bytes.empty()) return {};
    int n = MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (n <= 0) return {};
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
    return out;
}

std::string encode(UINT code_page, const std::wstring& wide) {
    if (wide.empty()) return {};
    int n = WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                nullptr);
    if (n <= 0) return {};
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
    return out;
}

}  // namespace

std::wstring to_wide(const std::string& gbk_text) { return decode(CP_GBK, gbk_text); }
std::string from_wide(const std::wstring& wide_text) { return encode(CP_GBK, wide_text); }

std::string from_utf8(const std::string& utf8_text) { return encode(CP_GBK, decode(CP_UTF8, utf8_text)); }
std::string to_utf8(const std::string& gbk_text) { return encode(CP_UTF8, decode(CP_GBK, gbk_text)); }

std::wstring simplified(const std::wstring& wide_text) {
    if (wide_text.empty()) return {};
    // The mapping keeps the length: one simplified character per traditional one.
    std::wstring out(wide_text.size(), L'\0');
    int n = LCMapStringW(MAKELCID(0x0804, SORT_DEFAULT), LCMAP_SIMPLIFIED_CHINESE, wide_text.data(),
                         static_cast<int>(wide_text.size()), out.data(), static_cast<int>(out.size()));
    if (n <= 0) return wide_text;
    out.resize(static_cast<std::size_t>(n));
    return out;
}

// Mapped in UTF-16 before narrowing to GBK, so a traditional character that
// GBK lacks still arrives as its simplified form.
std::string from_big5(const std::string& big5_text) { return encode(CP_GBK, simplified(decode(CP_BIG5, big5_text))); }

}  // namespace gbk
