// What the batch check takes from the settings reply, with one fallback for
// a reply that lacks a field: a short or garbled reply must not leave the
// check without a separator or a not-found marker.
#pragma once
#include <string>
#include <vector>

// Separator of a title file: the characters with the codes of fields 5 and
// 3; CR LF when either is missing, empty or not a byte code.
std::string title_separator(const std::vector<std::string>& settings_reply);

// Field 6, the search page's not-found text; the single query's fixed
// marker when the field is missing or empty.
std::string batch_not_found_marker(const std::vector<std::string>& settings_reply);
