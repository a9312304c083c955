// Stopping the server cleanly on SIGINT or SIGTERM.
#pragma once
#include <atomic>
#include <thread>

#include <httplib.h>

// Blocks SIGINT and SIGTERM in this thread and every thread started after it,
// and waits for them on a thread of its own, where it is safe to call
// Server::stop (a signal handler could not). Create it before the server
// starts listening; destroy it after listening returns.
class StopOnSignal {
 public:
  explicit StopOnSignal(httplib::Server& server);
  ~StopOnSignal();
  StopOnSignal(const StopOnSignal&) = delete;
  StopOnSignal& operator=(const StopOnSignal&) = delete;

  // The signal that stopped the server, 0 if none did.
  int received() const { return received_; }

 private:
  void wait();

  httplib::Server& server_;
  std::atomic<bool> finished_{false};
  std::atomic<int> received_{0};
  std::thread waiter_;
};
