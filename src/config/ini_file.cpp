#include "config/ini_file.h"

#include <windows.h>

#include <vector>

#include "app/file_bytes.h"
#include "text/codepage.h"
#include "text/gbk.h"

namespace {

struct Line {
    std::size_t begin, end;  // the line's bytes, without its line break
    std::size_t next;        // start of the next line
};

std::vector<Line> lines_of(const std::string& text) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t lf = text.find('\n', pos);
        std::size_t end = lf == std::string::npos ? text.size() : lf;
        std::size_t next = lf == std::string::npos ? text.size() : lf + 1;
        if (end > pos && text[end - 1] == '\r') --end;
        lines.push_back({pos, end, next});
        pos = next;
    }
    return lines;
}

std::string trimmed(const std::string& s) {
    std::size_t b = s.find_first_not_of(" \t"), e = s.find_last_not_of(" \t");
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

bool same_name(const std::string& a, const std::string& b) { return gbk::ascii_lower(a) == gbk::ascii_lower(b); }

// Section name of a "[name]" line, or nothing.
std::optional<std::string> section_name(const std::string& line) {
    std::string t = trimmed(line);
    if (t.size() < 2 || t.front() != '[') return std::nullopt;
    std::size_t close = t.find(']');
    if (close == std::string::npos) return std::nullopt;
    return trimmed(t.substr(1, close - 1));
}

// Key of a "key=value" line, or nothing.
std::optional<std::string> key_name(const std::string& line) {
    std::size_t eq = line.find('=');
    if (eq == std::string::npos) return std::nullopt;
    return trimmed(line.substr(0, eq));
}

struct Found {
    bool section = false;
    std::size_t key_line = SIZE_MAX;       // index of the key's line
    std::size_t section_end = SIZE_MAX;    // index after the section's last non-blank line
};

Found locate(const std::string& ini, const std::vector<Line>& lines, const std::string& section,
             const std::string& key) {
    Found found;
    bool inside = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string line = ini.substr(lines[i].begin, lines[i].end - lines[i].begin);
        if (auto name = section_name(line)) {
            if (inside) break;
            inside = same_name(*name, section);
            if (inside) {
                found.section = true;
                found.section_end = i + 1;
            }
            continue;
        }
        if (!inside) continue;
        if (!trimmed(line).empty()) found.section_end = i + 1;
        auto name = key_name(line);
        if (name && same_name(*name, key) && found.key_line == SIZE_MAX) found.key_line = i;
    }
    return found;
}

// The file's bytes; a file that does not exist yet reads as empty. Nothing
// when it exists but cannot be read, so it is never overwritten blindly.
std::optional<std::string> current_ini(const std::string& path) {
    if (std::optional<std::string> bytes = read_file_bytes(path)) return bytes;
    if (!file_exists(path)) return std::string();
    return std::nullopt;
}

}  // namespace

std::string ini_with_value(const std::string& ini, const std::string& section, const std::string& key,
                           const std::string& value) {
    const std::vector<Line> lines = lines_of(ini);
    const Found found = locate(ini, lines, section, key);
    const std::string entry = key + "=" + value;
    if (found.key_line != SIZE_MAX) {
        const Line& line = lines[found.key_line];
        return ini.substr(0, line.begin) + entry + ini.substr(line.end);
    }
    if (found.section) {
        const std::size_t at = lines[found.section_end - 1].next;
        std::string before = ini.substr(0, at);
        if (!before.empty() && before.back() != '\n') before += "\r\n";
        return before + entry + "\r\n" + ini.substr(at);
    }
    std::string out = ini;
    if (!out.empty() && out.back() != '\n') out += "\r\n";
    return out + "[" + section + "]\r\n" + entry + "\r\n";
}

std::optional<std::string> ini_value(const std::string& ini, const std::string& section, const std::string& key) {
    const std::vector<Line> lines = lines_of(ini);
    const Found found = locate(ini, lines, section, key);
    if (found.key_line == SIZE_MAX) return std::nullopt;
    const Line& line = lines[found.key_line];
    const std::string text = ini.substr(line.begin, line.end - line.begin);
    return text.substr(text.find('=') + 1);
}

bool write_ini_value(const std::string& path, const std::string& section, const std::string& key,
                     const std::string& value) {
    const std::optional<std::string> old = current_ini(path);
    return old && replace_file_bytes(path, ini_with_value(*old, section, key, value));
}

std::optional<std::string> read_ini_value(const std::string& path, const std::string& section,
                                          const std::string& key) {
    const std::optional<std::string> ini = read_file_bytes(path);
    if (!ini) return std::nullopt;
    return ini_value(*ini, section, key);
}

std::string program_directory_file(const std::string& file_name) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return file_name;
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    return gbk::from_wide(path.substr(0, slash + 1)) + file_name;
}
