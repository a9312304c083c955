// What tests switched on the maker's configuration services, and the last
// settings request that arrived. Shared by handlers on the library's thread
// pool, so every access takes the lock.
#pragma once
#include <mutex>
#include <optional>
#include <string>

#include "config_modes.h"

class RemoteConfigState {
 public:
  struct Settings {
    PageMode page1 = PageMode::Good;  // /blog/qitong.html
    PageMode page2 = PageMode::Good;  // /bbs/qitong.html
    SettingsMode settings = SettingsMode::Good;
    // Served instead of the scenario file's text when set; {base} not yet replaced.
    std::optional<std::string> text;
  };

  // Only the parts that are set change.
  struct Change {
    std::optional<PageMode> page1;
    std::optional<PageMode> page2;
    std::optional<SettingsMode> settings;
    std::optional<std::string> text;
  };

  Settings current() const;
  void apply(const Change& change);
  // Defaults again, and no settings request remembered.
  void reset();

  void remember_settings_request(std::string text);
  // Empty before any request.
  std::string last_settings_request() const;

 private:
  mutable std::mutex mutex_;
  Settings settings_;
  std::string last_request_;
};
