// Owns one WinInet handle and closes it when it goes out of scope, so every
// path out of a request closes what it opened. Declare the internet handle,
// the connection and the request in that order: they close in reverse.
#pragma once
#include <windows.h>
#include <wininet.h>

#include <utility>

class WininetHandle {
public:
    WininetHandle() = default;
    explicit WininetHandle(HINTERNET handle) noexcept : handle_(handle) {}
    ~WininetHandle() { reset(); }

    WininetHandle(const WininetHandle&) = delete;
    WininetHandle& operator=(const WininetHandle&) = delete;
    WininetHandle(WininetHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    WininetHandle& operator=(WininetHandle&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }

    HINTERNET get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }

    void reset() noexcept {
        if (handle_) InternetCloseHandle(std::exchange(handle_, nullptr));
    }

private:
    HINTERNET handle_ = nullptr;
};
