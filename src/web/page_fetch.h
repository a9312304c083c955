// A plain HTTP GET of a whole page, for the bootstrap pages: separate from
// 网页_访问, with time limits, and refusing a body cut short.
#pragma once
#include <string>

// Time limit of each connect, send and receive step of a page fetch.
constexpr unsigned long PAGE_FETCH_TIMEOUT_MS = 15000;

// The body bytes of the address; empty when nothing (or not all of it) could
// be read.
std::string http_get_body(const std::string& url);
