// Downloads one file through the HTTP client, the way the products downloader
// does (GET with an observer), and reports its wall time and the process's peak
// working set. Run by tools/bench-download, which compares it with curl.
//
//     bench_http_download.exe [--raw] <host> <port> <path>
//     -> bytes=<n> seconds=<s> peak_working_set=<bytes> chunks=<reads>
//
// --raw fetches the same file with bare WinHTTP calls (1 MB reads, nothing
// kept), the most any WinHTTP client can get from the system it runs on; the
// benchmark prints it so a low ratio against curl can be told apart from a
// slow client.
#include "http/client.h"

#include <winsock2.h>
#include <windows.h>

#include <psapi.h>
#include <winhttp.h>

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

namespace http = general::windows::http;

namespace {

struct counting_observer : http::request_observer {
    std::int64_t announced = 0;
    std::int64_t received = 0;
    std::int64_t chunks = 0;
    void on_content_length(std::int64_t length) override { announced = length; }
    void on_data_received(std::int64_t count) override
    {
        received += count;
        ++chunks;
    }
};

struct transfer {
    std::size_t bytes = 0;
    std::int64_t chunks = 0;
};

transfer with_client(const wchar_t* host, std::uint16_t port, const wchar_t* path)
{
    counting_observer observer;
    http::session session{L"Sentovar installer", true};
    http::connection connection{session, host, port};
    const auto body = http::get(connection, path, &observer, false);
    if (observer.received != static_cast<std::int64_t>(body.size()) || observer.announced != observer.received)
        throw std::runtime_error("the signals do not match the body");
    return {body.size(), observer.chunks};
}

// Bare WinHTTP; handles are left to process exit, this is a measurement only.
transfer with_bare_winhttp(const wchar_t* host, std::uint16_t port, const wchar_t* path)
{
    HINTERNET session = WinHttpOpen(L"bench", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, nullptr, nullptr, 0);
    HINTERNET connection = WinHttpConnect(session, host, port, 0);
    HINTERNET request = WinHttpOpenRequest(connection, L"GET", path, nullptr, nullptr, nullptr, 0);
    if (!request || !WinHttpSendRequest(request, nullptr, 0, nullptr, 0, 0, 0) ||
        !WinHttpReceiveResponse(request, nullptr))
        throw std::runtime_error("bare WinHTTP request failed");
    static char buffer[1 << 20];
    transfer done;
    DWORD read = 0;
    while (WinHttpReadData(request, buffer, sizeof buffer, &read) && read != 0) {
        done.bytes += read;
        ++done.chunks;
    }
    return done;
}

double seconds_since(const LARGE_INTEGER& start)
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    const bool raw = argc == 5 && std::wstring{argv[1]} == L"--raw";
    if (argc != 4 && !raw) {
        std::fprintf(stderr, "usage: bench_http_download [--raw] <host> <port> <path>\n");
        return 2;
    }
    wchar_t** args = argv + (raw ? 2 : 1);
    try {
        const auto port = static_cast<std::uint16_t>(std::stoi(args[1]));
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        const transfer done = raw ? with_bare_winhttp(args[0], port, args[2]) : with_client(args[0], port, args[2]);
        const double seconds = seconds_since(start);

        PROCESS_MEMORY_COUNTERS memory{};
        memory.cb = sizeof memory;
        GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
        std::printf("bytes=%zu seconds=%.6f peak_working_set=%zu chunks=%lld\n", done.bytes, seconds,
                    static_cast<std::size_t>(memory.PeakWorkingSetSize), static_cast<long long>(done.chunks));
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "download failed: %s\n", error.what());
        return 1;
    }
}
