// A loopback HTTP server for client tests. It listens on 127.0.0.1 on a
// free port, reads whole requests (head and Content-Length body), records
// them, and answers each with the next reply of its script, byte for byte.
// Connections stay open between requests (clients may reuse them) unless a
// reply says "Connection: close" or has no Content-Length, and are closed
// without an answer once the script is used up. Stops on destruction.
//
//   ScriptedServer server({"HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nhi"});
//   fetch(server.url("/a?b=1"));
//   server.requests()[0].request_line();   // "GET /a?b=1 HTTP/1.1"
#pragma once
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct ScriptedRequest {
    std::string head;  // request line and header lines, blank line included
    std::string body;

    std::string request_line() const;
    // Value of the first header line with this name (any case), without the
    // blanks after the colon; "" when there is none.
    std::string header(const std::string& name) const;
    bool has_header(const std::string& name) const;
};

class ScriptedServer {
public:
    explicit ScriptedServer(std::vector<std::string> replies);
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;

    std::uint16_t port() const { return port_; }
    // "http://127.0.0.1:<port>" followed by path.
    std::string url(const std::string& path = "/") const;
    // Every request received so far, in order (also those past the script).
    std::vector<ScriptedRequest> requests() const;

private:
    void serve();

    std::vector<std::string> replies_;
    std::uintptr_t listener_;
    std::uint16_t port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::vector<ScriptedRequest> requests_;
    std::thread thread_;
};

// A port on 127.0.0.1 where nothing listens (it was free a moment ago).
std::uint16_t unused_loopback_port();
