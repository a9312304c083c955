#include "answer.h"

#include <charconv>

namespace {

// Whole-text decimal number; no signs, no blanks, no trailing bytes.
template <typename Number>
std::optional<Number> whole_number(std::string_view text) {
  Number value{};
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end) return std::nullopt;
  return value;
}

std::optional<Answer> with_count(AnswerKind kind, std::string_view count_text) {
  const auto count = whole_number<std::uint64_t>(count_text);
  if (!count) return std::nullopt;
  return Answer{kind, *count, 0};
}

}  // namespace

std::optional<Answer> parse_answer(std::string_view text) {
  if (!text.starts_with('!')) return with_count(AnswerKind::Count, text);
  if (text == "!drop") return Answer{AnswerKind::Drop, 0, 0};
  if (text == "!500") return Answer{AnswerKind::ServerError, 0, 0};
  if (text == "!nomarkers") return Answer{AnswerKind::NoMarkers, 0, 0};
  if (text == "!nocount") return Answer{AnswerKind::NoCount, 0, 0};
  if (text.starts_with("!both:")) return with_count(AnswerKind::Both, text.substr(6));
  if (text.starts_with("!slow:")) {
    const std::string_view rest = text.substr(6);
    const std::size_t colon = rest.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const auto delay = whole_number<std::uint32_t>(rest.substr(0, colon));
    auto answer = with_count(AnswerKind::Slow, rest.substr(colon + 1));
    if (!delay || !answer) return std::nullopt;
    answer->delay_ms = *delay;
    return answer;
  }
  return std::nullopt;
}
