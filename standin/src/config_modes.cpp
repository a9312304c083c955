#include "config_modes.h"

std::optional<PageMode> parse_page_mode(std::string_view name) {
  if (name == "good") return PageMode::Good;
  if (name == "down") return PageMode::Down;
  if (name == "nomarkers") return PageMode::NoMarkers;
  if (name == "nopipe") return PageMode::NoPipe;
  if (name == "nostart") return PageMode::NoStart;
  if (name == "noend") return PageMode::NoEnd;
  return std::nullopt;
}

std::optional<SettingsMode> parse_settings_mode(std::string_view name) {
  if (name == "good") return SettingsMode::Good;
  if (name == "garbage") return SettingsMode::Garbage;
  if (name == "short") return SettingsMode::Short;
  if (name == "empty") return SettingsMode::Empty;
  return std::nullopt;
}
