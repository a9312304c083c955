#include "app/file_bytes.h"

#include <windows.h>

#include "app/win_handle.h"
#include "text/codepage.h"

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

bool file_exists(const std::string& path) {
    return GetFileAttributesW(gbk::to_wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

namespace {

// Creates or truncates the file and writes every byte; the file is closed on return.
bool write_whole_file(const std::wstring& path, const std::string& bytes) {
    KernelHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

}  // namespace

bool replace_file_bytes(const std::string& path, const std::string& bytes) {
    const std::wstring target = gbk::to_wide(path);
    const std::wstring temporary = target + L".new";
    if (write_whole_file(temporary, bytes) &&
        MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temporary.c_str());
    return false;
}
