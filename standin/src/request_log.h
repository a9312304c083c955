// Memory of the requests the stand-in received, for tests to inspect.
#pragma once
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include <httplib.h>

class RequestLog {
 public:
  void record(const httplib::Request& req);
  void clear();

  // One block per request, oldest first, lines ending in LF:
  //   METHOD TARGET          target as sent, still percent-encoded
  //   Name: value            one line per request header
  //   body-length: N
  //   <N body bytes>         followed by LF only when N > 0
  //   --
  std::string render() const;

 private:
  struct Entry {
    std::string method;
    std::string target;
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;
  };

  // Handlers run on the library's thread pool.
  mutable std::mutex mutex_;
  std::vector<Entry> entries_;
};

// Wraps a handler so each request it serves is recorded before it is handled;
// a slow or dropped answer is therefore still in the log.
httplib::Server::Handler logged(RequestLog& log, httplib::Server::Handler handler);
