#include "stop_on_signal.h"

#include <pthread.h>
#include <signal.h>

#include <chrono>
#include <ctime>

namespace {

sigset_t stop_signals() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  return set;
}

}  // namespace

StopOnSignal::StopOnSignal(httplib::Server& server) : server_(server) {
  const sigset_t set = stop_signals();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
  waiter_ = std::thread([this] { wait(); });
}

StopOnSignal::~StopOnSignal() {
  finished_ = true;
  waiter_.join();
}

void StopOnSignal::wait() {
  const sigset_t set = stop_signals();
  // Wakes now and then to notice that the server ended on its own.
  while (!finished_) {
    const timespec tick{0, 200'000'000};
    const int signal = sigtimedwait(&set, nullptr, &tick);
    if (signal > 0) {
      received_ = signal;
      break;
    }
  }
  // stop() does nothing until the server is actually listening, so a signal
  // that arrives during start-up is honoured by asking again until it ends.
  while (received_ != 0 && !finished_) {
    server_.stop();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}
