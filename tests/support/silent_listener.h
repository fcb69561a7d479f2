#pragma once
// A loopback TCP port that takes connections and never says a word: the system
// completes each client's connect from the listen queue, and nothing is ever
// read or written. For the cases that need a server which hangs before its
// first byte (a TLS handshake that never starts, a reply that never comes).
#include <cstdint>

namespace test_support {

class silent_listener {
public:
    // Listens on 127.0.0.1 at a port the system picks. Throws
    // std::runtime_error when the socket cannot be set up.
    silent_listener();
    ~silent_listener();
    silent_listener(const silent_listener&) = delete;
    silent_listener& operator=(const silent_listener&) = delete;

    std::uint16_t port() const { return port_; }

private:
    std::uintptr_t socket_; // SOCKET, kept out of this header with winsock2.h
    std::uint16_t port_ = 0;
};

} // namespace test_support
