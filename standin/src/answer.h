// The answer column of the catalogue: what the search does for one title.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

enum class AnswerKind {
  Count,        // N            page with the result count N
  Slow,         // !slow:MS:N   wait MS milliseconds, then the page with N
  Drop,         // !drop        close the connection without a byte
  ServerError,  // !500         status 500, no markers
  NoMarkers,    // !nomarkers   a verification page, no markers at all
  NoCount,      // !nocount     count markers with nothing between them
  Both,         // !both:N      not-found text and count N on one page
};

struct Answer {
  AnswerKind kind = AnswerKind::Count;
  std::uint64_t count = 0;     // Count, Slow, Both
  std::uint32_t delay_ms = 0;  // Slow
};

// nullopt when the text is not one of the forms above.
std::optional<Answer> parse_answer(std::string_view text);
