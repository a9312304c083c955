#include "gbk_text.h"

#include <iconv.h>

std::optional<std::string> utf8_to_gbk(std::string_view utf8) {
  iconv_t converter = iconv_open("GBK", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;

  // GBK never needs more bytes than UTF-8 for the same text.
  std::string out(utf8.size(), '\0');
  char* in_ptr = const_cast<char*>(utf8.data());  // iconv's signature is not const-correct
  std::size_t in_left = utf8.size();
  char* out_ptr = out.data();
  std::size_t out_left = out.size();
  const std::size_t result = iconv(converter, &in_ptr, &in_left, &out_ptr, &out_left);
  iconv_close(converter);

  if (result == static_cast<std::size_t>(-1) || in_left != 0) return std::nullopt;
  out.resize(out.size() - out_left);
  return out;
}
