// qitong-standin: stands in for the shopping site's search and the maker's
// web pages on 127.0.0.1, so the Windows program can be tested offline.
#include <signal.h>
#include <sys/socket.h>

#include <cstdio>

#include <httplib.h>

#include "options.h"
#include "routes.h"
#include "stop_on_signal.h"

int main(int argc, char** argv) {
  const ParsedOptions parsed = parse_options(argc, argv);
  if (parsed.options.help) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "qitong-standin: %s\n%s", parsed.error.c_str(), kUsage);
    return 2;
  }

  // A client that hangs up (or a dropped connection) must not kill us when
  // the library writes to its socket.
  signal(SIGPIPE, SIG_IGN);

  StandinContext context;
  context.data_dir = parsed.options.data_dir;
  httplib::Server server;
  // The library's default also sets SO_REUSEPORT, which would let a second
  // stand-in share the port and take some of the requests; a busy port must
  // be an error instead. SO_REUSEADDR alone still allows a quick restart.
  server.set_socket_options([](int sock) {
    const int yes = 1;
    setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  });
  add_all_routes(server, context);
  // Headers and body go out in separate writes; without this, Nagle's rule
  // holds the body back for the client's delayed acknowledgement (tens of ms
  // per request), which a real site does not add.
  server.set_tcp_nodelay(true);
  StopOnSignal stopper(server);

  // Loopback only: the stand-in must never be reachable from elsewhere.
  const char* const host = "127.0.0.1";
  int port = parsed.options.port;
  const bool bound = port == 0 ? (port = server.bind_to_any_port(host)) > 0 : server.bind_to_port(host, port);
  if (!bound) {
    std::fprintf(stderr, "qitong-standin: cannot listen on %s:%d\n", host, parsed.options.port);
    return 1;
  }
  // The bootstrap pages name this address; no request is served before listen.
  context.port = port;
  std::printf("qitong-standin listening on http://%s:%d/ (data %s)\n", host, port,
              parsed.options.data_dir.c_str());
  std::fflush(stdout);

  server.listen_after_bind();
  if (stopper.received() != 0) std::printf("qitong-standin stopped by signal %d\n", stopper.received());
  return 0;
}
