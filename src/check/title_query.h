// The search address of a title and the reading of a search page: shared by
// the single query and the batch check.
#pragma once
#include <string>

// Not-found marker of the single query; the batch check takes its own from
// the settings reply and falls back to this one.
extern const std::string NOT_FOUND_MARKER;
// The result count stands between these two markers.
extern const std::string COUNT_START_MARKER;
extern const std::string COUNT_END_MARKER;
// Stands for a double quote inside a marker given to text_between.
extern const std::string QUOTE_PLACEHOLDER;
constexpr int COUNT_HINT_THRESHOLD = 2;

// Every UTF-8 byte of the title as %XX (upper-case hex); empty for empty.
std::string encode_title(const std::string& title);

// SEARCH_BASE followed by the encoded title.
std::string search_url(const std::string& title);

// Text between the first start marker and the first end marker after it,
// found character by character with ASCII letters regardless of case.
// Empty when either is missing.
std::string text_between(const std::string& text, const std::string& start_marker, const std::string& end_marker);

enum class SearchVerdict { NotIndexed, Indexed, Failed };

struct SearchOutcome {
    SearchVerdict verdict = SearchVerdict::Failed;
    int count = 0;  // result count when Indexed
};

// Reads a fetched search page. The not-found marker wins; otherwise the page
// is indexed only when it positively says so (count start marker present).
// A page with neither (nothing fetched, an error, block or verification
// page, a changed layout) is a failed query, never a result.
SearchOutcome classify_search_page(const std::string& page, const std::string& not_found_marker);

// The lines the single query appends to the result box for an outcome.
std::string single_query_message(const SearchOutcome& outcome);
