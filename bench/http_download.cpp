// Downloads one file and reports its wall time and the process's peak working
// set. Run by tools/bench-download, which compares the ways with curl.
//
//     bench_http_download.exe client|bare|bare-kept http|https <host> <port> <path>
//     -> bytes=<n> seconds=<s> peak_working_set=<bytes> chunks=<reads>
//
// client: through the HTTP client, the way the products downloader does (GET
// with an observer). bare: bare WinHTTP calls, 1 MB reads into one buffer,
// nothing kept: the most any WinHTTP client gets from the system it runs on.
// bare-kept: bare calls reading straight into one never-zeroed block of the
// announced size: the most a client that hands the body back can get.
#include "http/client.h"

#include <winsock2.h>
#include <windows.h>

#include <psapi.h>
#include <winhttp.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
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

transfer with_client(const wchar_t* host, std::uint16_t port, const wchar_t* path, bool secure)
{
    counting_observer observer;
    http::session session{L"Sentovar installer", true};
    http::connection connection{session, host, port};
    const auto body = http::get(connection, path, &observer, secure);
    if (observer.received != static_cast<std::int64_t>(body.size()) || observer.announced != observer.received)
        throw std::runtime_error("the signals do not match the body");
    return {body.size(), observer.chunks};
}

// Bare WinHTTP; handles and the kept block are left to process exit, this is a
// measurement only.
transfer with_bare_winhttp(const wchar_t* host, std::uint16_t port, const wchar_t* path, bool secure, bool keep)
{
    HINTERNET session = WinHttpOpen(L"bench", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, nullptr, nullptr, 0);
    HINTERNET connection = WinHttpConnect(session, host, port, 0);
    HINTERNET request =
        WinHttpOpenRequest(connection, L"GET", path, nullptr, nullptr, nullptr, secure ? WINHTTP_FLAG_SECURE : 0);
    if (!request || !WinHttpSendRequest(request, nullptr, 0, nullptr, 0, 0, 0) ||
        !WinHttpReceiveResponse(request, nullptr))
        throw std::runtime_error("bare WinHTTP request failed");
    static char buffer[1 << 20];
    // Kept: straight into one block of the announced size, never zeroed, as
    // no client that hands the body back could do better.
    wchar_t length[32] = {};
    DWORD length_size = sizeof length;
    WinHttpQueryHeaders(request, WINHTTP_QUERY_CONTENT_LENGTH, nullptr, length, &length_size, nullptr);
    const std::size_t announced = keep ? std::wcstoull(length, nullptr, 10) : 0;
    char* const body = keep ? new char[announced] : nullptr;
    transfer done;
    DWORD read = 0;
    for (;;) {
        const DWORD room = keep ? static_cast<DWORD>(std::min<std::size_t>(sizeof buffer, announced - done.bytes))
                                : static_cast<DWORD>(sizeof buffer);
        if (room == 0 || !WinHttpReadData(request, keep ? body + done.bytes : buffer, room, &read) || read == 0)
            break;
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
    const std::wstring mode = argc == 6 ? argv[1] : L"";
    const std::wstring scheme = argc == 6 ? argv[2] : L"";
    if ((mode != L"client" && mode != L"bare" && mode != L"bare-kept") || (scheme != L"http" && scheme != L"https")) {
        std::fprintf(stderr, "usage: bench_http_download client|bare|bare-kept http|https <host> <port> <path>\n");
        return 2;
    }
    const bool secure = scheme == L"https";
    wchar_t** args = argv + 3;
    try {
        const auto port = static_cast<std::uint16_t>(std::stoi(args[1]));
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        const transfer done = mode == L"client"
                                  ? with_client(args[0], port, args[2], secure)
                                  : with_bare_winhttp(args[0], port, args[2], secure, mode == L"bare-kept");
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
