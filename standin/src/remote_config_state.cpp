#include "remote_config_state.h"

#include <utility>

RemoteConfigState::Settings RemoteConfigState::current() const {
  const std::lock_guard lock(mutex_);
  return settings_;
}

void RemoteConfigState::apply(const Change& change) {
  const std::lock_guard lock(mutex_);
  if (change.page1) settings_.page1 = *change.page1;
  if (change.page2) settings_.page2 = *change.page2;
  if (change.settings) settings_.settings = *change.settings;
  if (change.text) settings_.text = *change.text;
}

void RemoteConfigState::reset() {
  const std::lock_guard lock(mutex_);
  settings_ = Settings{};
  last_request_.clear();
}

void RemoteConfigState::remember_settings_request(std::string text) {
  const std::lock_guard lock(mutex_);
  last_request_ = std::move(text);
}

std::string RemoteConfigState::last_settings_request() const {
  const std::lock_guard lock(mutex_);
  return last_request_;
}
