#include "check/title_file.h"

#include <windows.h>

#include "app/win_handle.h"
#include "text/codepage.h"
#include "text/gbk.h"

std::string title_file_text(const std::string& bytes) {
    for (std::size_t pos = 0; pos < bytes.size(); pos = gbk::next_char(bytes, pos)) {
        if (bytes[pos] == '\0' || bytes[pos] == '\x1A') return bytes.substr(0, pos);
    }
    return bytes;
}

std::vector<std::string> split_titles(const std::string& text, const std::string& separator) {
    return gbk::split(text, separator);
}

std::optional<std::string> read_file_bytes(const std::string& path) {
    KernelHandle file(CreateFileW(gbk::to_wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    LARGE_INTEGER size{};
    std::string bytes;
    if (GetFileSizeEx(file.get(), &size) && size.QuadPart > 0 && size.QuadPart < (1LL << 31))
        bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    char buffer[65536];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) return std::nullopt;
        if (read == 0) break;
        bytes.append(buffer, read);
    }
    return bytes;
}
