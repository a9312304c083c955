#include "support/scripted_server.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

std::string lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// Header value by name in a head of CR LF lines (the first line skipped).
std::string find_header(const std::string& head, const std::string& name, bool* found = nullptr) {
    const std::string wanted = lower(name) + ":";
    std::size_t at = head.find("\r\n");
    while (at != std::string::npos && at + 2 < head.size()) {
        std::size_t start = at + 2;
        std::size_t end = head.find("\r\n", start);
        if (end == std::string::npos) end = head.size();
        std::string line = head.substr(start, end - start);
        if (lower(line.substr(0, wanted.size())) == wanted) {
            if (found) *found = true;
            std::size_t value = line.find_first_not_of(' ', wanted.size());
            return value == std::string::npos ? "" : line.substr(value);
        }
        at = end;
    }
    if (found) *found = false;
    return "";
}

// Winsock stays started for the life of the test program.
void start_winsock() {
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    (void)started;
}

// A listening socket on 127.0.0.1 and a free port; INVALID_SOCKET (and a
// test failure) when there is none.
SOCKET listen_on_loopback(std::uint16_t* port) {
    start_winsock();
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) {
        ADD_FAILURE() << "scripted server: no socket, error " << WSAGetLastError();
        return s;
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    int length = sizeof address;
    if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(s, 16) != 0 ||
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ADD_FAILURE() << "scripted server: cannot listen on 127.0.0.1, error " << WSAGetLastError();
        closesocket(s);
        return INVALID_SOCKET;
    }
    *port = ntohs(address.sin_port);
    return s;
}

void send_all(SOCKET s, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        int n = send(s, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
        if (n <= 0) return;
        sent += static_cast<std::size_t>(n);
    }
}

// After this reply the client can only tell the end of the body by the close.
bool closes_after(const std::string& reply) {
    std::string head = reply.substr(0, reply.find("\r\n\r\n"));
    bool has_length = false;
    find_header(head, "Content-Length", &has_length);
    return !has_length || lower(find_header(head, "Connection")) == "close";
}

struct Connection {
    SOCKET socket;
    std::string pending;  // bytes received and not yet part of a whole request
};

// Takes one whole request off the front of pending, if it is all there.
bool take_request(std::string& pending, ScriptedRequest* request) {
    std::size_t end = pending.find("\r\n\r\n");
    if (end == std::string::npos) return false;
    std::string head = pending.substr(0, end + 4);
    std::size_t length = static_cast<std::size_t>(std::strtoul(find_header(head, "Content-Length").c_str(), nullptr, 10));
    if (pending.size() < head.size() + length) return false;
    request->head = head;
    request->body = pending.substr(head.size(), length);
    pending.erase(0, head.size() + length);
    return true;
}

void close_connection(SOCKET s) {
    shutdown(s, SD_SEND);
    closesocket(s);
}

}  // namespace

std::string ScriptedRequest::request_line() const { return head.substr(0, head.find("\r\n")); }
std::string ScriptedRequest::header(const std::string& name) const { return find_header(head, name); }
bool ScriptedRequest::has_header(const std::string& name) const {
    bool found = false;
    find_header(head, name, &found);
    return found;
}

ScriptedServer::ScriptedServer(std::vector<std::string> replies) : replies_(std::move(replies)) {
    listener_ = listen_on_loopback(&port_);
    if (listener_ != INVALID_SOCKET) thread_ = std::thread([this] { serve(); });
}

ScriptedServer::~ScriptedServer() {
    stopping_ = true;
    if (thread_.joinable()) thread_.join();
    if (listener_ != INVALID_SOCKET) closesocket(listener_);
}

std::string ScriptedServer::url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<ScriptedRequest> ScriptedServer::requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

void ScriptedServer::serve() {
    std::vector<Connection> connections;
    std::size_t next_reply = 0;
    while (!stopping_) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(listener_, &readable);
        for (const Connection& c : connections) FD_SET(c.socket, &readable);
        timeval wait{0, 20000};  // checks for the stop now and then
        if (select(0, &readable, nullptr, nullptr, &wait) <= 0) continue;

        if (FD_ISSET(listener_, &readable)) {
            SOCKET accepted = accept(listener_, nullptr, nullptr);
            if (accepted != INVALID_SOCKET) connections.push_back({accepted, {}});
        }
        for (std::size_t i = 0; i < connections.size();) {
            Connection& c = connections[i];
            bool keep = true;
            if (FD_ISSET(c.socket, &readable)) {
                char buffer[4096];
                int n = recv(c.socket, buffer, sizeof buffer, 0);
                if (n <= 0) keep = false;
                else c.pending.append(buffer, static_cast<std::size_t>(n));
                ScriptedRequest request;
                while (keep && take_request(c.pending, &request)) {
                    {
                        std::lock_guard<std::mutex> lock(mutex_);
                        requests_.push_back(request);
                    }
                    if (next_reply == replies_.size()) {
                        keep = false;
                        break;
                    }
                    const std::string& reply = replies_[next_reply++];
                    send_all(c.socket, reply);
                    if (closes_after(reply)) keep = false;
                }
            }
            if (keep) {
                ++i;
            } else {
                close_connection(c.socket);
                connections.erase(connections.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
    }
    for (const Connection& c : connections) close_connection(c.socket);
}

std::uint16_t unused_loopback_port() {
    std::uint16_t port = 0;
    SOCKET s = listen_on_loopback(&port);
    if (s != INVALID_SOCKET) closesocket(s);
    return port;
}
