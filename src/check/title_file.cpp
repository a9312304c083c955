#include "check/title_file.h"

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
