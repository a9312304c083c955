#include "drop_connection.h"

#include <netinet/in.h>
#include <sys/socket.h>

#include <charconv>
#include <filesystem>
#include <string>

namespace {

int port_of(const sockaddr_storage& address) {
  if (address.ss_family == AF_INET) return ntohs(reinterpret_cast<const sockaddr_in&>(address).sin_port);
  if (address.ss_family == AF_INET6) return ntohs(reinterpret_cast<const sockaddr_in6&>(address).sin6_port);
  return -1;
}

// The connection is the only socket of ours with this pair of ports: the
// server listens on one loopback address, and the client's port is unique.
bool is_connection(int fd, int local_port, int remote_port) {
  sockaddr_storage local{}, remote{};
  socklen_t local_size = sizeof local, remote_size = sizeof remote;
  if (getsockname(fd, reinterpret_cast<sockaddr*>(&local), &local_size) != 0) return false;
  if (getpeername(fd, reinterpret_cast<sockaddr*>(&remote), &remote_size) != 0) return false;
  return port_of(local) == local_port && port_of(remote) == remote_port;
}

}  // namespace

bool drop_connection(const httplib::Request& req) {
  // The library does not hand the socket to handlers, so find it among our
  // open descriptors.
  std::error_code error;
  for (std::filesystem::directory_iterator it("/proc/self/fd", error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    int fd = -1;
    const auto [stop, failed] = std::from_chars(name.data(), name.data() + name.size(), fd);
    if (failed != std::errc{} || stop != name.data() + name.size()) continue;
    if (is_connection(fd, req.local_port, req.remote_port)) return shutdown(fd, SHUT_RDWR) == 0;
  }
  return false;
}
