#include "request_log.h"

#include <array>
#include <string_view>

namespace {

// The library adds these to the headers itself; they are not what the
// client sent, and the ports would make the log differ run to run.
bool added_by_library(std::string_view name) {
  static constexpr std::array<std::string_view, 4> kNames = {"REMOTE_ADDR", "REMOTE_PORT", "LOCAL_ADDR",
                                                             "LOCAL_PORT"};
  for (const auto added : kNames) {
    if (name == added) return true;
  }
  return false;
}

}  // namespace

void RequestLog::record(const httplib::Request& req) {
  Entry entry{req.method, req.target, {}, req.body};
  for (const auto& [name, value] : req.headers) {
    if (!added_by_library(name)) entry.headers.emplace_back(name, value);
  }
  const std::lock_guard lock(mutex_);
  entries_.push_back(std::move(entry));
}

void RequestLog::clear() {
  const std::lock_guard lock(mutex_);
  entries_.clear();
}

std::string RequestLog::render() const {
  const std::lock_guard lock(mutex_);
  std::string text;
  for (const auto& entry : entries_) {
    text += entry.method + " " + entry.target + "\n";
    for (const auto& [name, value] : entry.headers) text += name + ": " + value + "\n";
    text += "body-length: " + std::to_string(entry.body.size()) + "\n";
    if (!entry.body.empty()) text += entry.body + "\n";
    text += "--\n";
  }
  return text;
}

httplib::Server::Handler logged(RequestLog& log, httplib::Server::Handler handler) {
  return [&log, handler = std::move(handler)](const httplib::Request& req, httplib::Response& res) {
    log.record(req);
    handler(req, res);
  };
}
