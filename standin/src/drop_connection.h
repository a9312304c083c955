// Hanging up on a client without answering.
#pragma once
#include <httplib.h>

// Shuts down both directions of the socket the request arrived on, so the
// client sees the connection end before any response byte. The library still
// tries to write its response afterwards; that write fails quietly (SIGPIPE
// must be ignored). False when the socket could not be found.
bool drop_connection(const httplib::Request& req);
