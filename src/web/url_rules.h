// Address rules of the page access routine. Plain text work on GBK strings,
// no network: the routine normalises the address once and takes the host,
// path and port for WinInet from the normalised form.
#pragma once
#include <string>

// Blanks trimmed at both ends; "http://" put in front unless the address
// already begins with "http://" or "https://" (lower case, exact).
std::string normalise_url(const std::string& url);

// Host in lower case, without scheme, port and path. Every "https://" and
// "http://" in the address is dropped first, so a query that itself carries
// an address never shifts the host.
std::string url_host(const std::string& url);

// Object path with its query, from the first "/" after the host; "/" when
// the host is followed by none.
std::string url_path(const std::string& url);

// Port after the ":" of the authority, 80 when there is none. Only a
// "http://" scheme is skipped when looking for the authority, so an
// "https://" address yields 0 (WinInet then takes the default port).
int url_port(const std::string& url);
