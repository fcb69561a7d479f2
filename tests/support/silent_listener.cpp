#include "tests/support/silent_listener.h"

#include <winsock2.h>
#include <windows.h>

#include <stdexcept>
#include <string>

namespace test_support {

namespace {

// Winsock for the life of one listener; the system counts the starts.
struct winsock_user {
    winsock_user()
    {
        WSADATA data{};
        if (WSAStartup(MAKEWORD(2, 2), &data) != 0)
            throw std::runtime_error("WSAStartup failed");
    }
    ~winsock_user() { WSACleanup(); }
};

[[noreturn]] void fail(const char* step)
{
    throw std::runtime_error(std::string("silent listener: ") + step + " failed with " +
                             std::to_string(WSAGetLastError()));
}

} // namespace

silent_listener::silent_listener() : socket_(INVALID_SOCKET)
{
    static winsock_user winsock; // once per process, ended at exit
    const SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (listener == INVALID_SOCKET)
        fail("socket");
    socket_ = listener;
    try {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = 0;
        if (bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
            fail("bind");
        if (listen(listener, SOMAXCONN) != 0)
            fail("listen");
        int size = sizeof address;
        if (getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            fail("getsockname");
        port_ = ntohs(address.sin_port);
    } catch (...) {
        closesocket(listener);
        throw;
    }
}

silent_listener::~silent_listener()
{
    closesocket(static_cast<SOCKET>(socket_));
}

} // namespace test_support
