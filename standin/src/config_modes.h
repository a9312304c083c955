// Fault modes of the maker's configuration services, switched by tests
// through /__config/set.
#pragma once
#include <optional>
#include <string_view>

// What one bootstrap page does.
enum class PageMode {
  Good,       // good       the bootstrap text between the two markers
  Down,       // down       close the connection without answering
  NoMarkers,  // nomarkers  the bootstrap text with neither marker
  NoPipe,     // nopipe     both markers around a text without '|'
  NoStart,    // nostart    the text and the end marker, no start marker
  NoEnd,      // noend      the start marker and the text, no end marker
};

// What the settings server does.
enum class SettingsMode {
  Good,     // good     the scrambled settings reply
  Garbage,  // garbage  status 500 with an HTML error page, not scrambled
  Short,    // short    a scrambled reply of only four fields
  Empty,    // empty    status 200 with an empty body
};

// nullopt for a name not listed above.
std::optional<PageMode> parse_page_mode(std::string_view name);
std::optional<SettingsMode> parse_settings_mode(std::string_view name);
