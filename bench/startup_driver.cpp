// Starts a program and reports how long it took until its first page could be
// seen. Run by tools/bench-startup, which compares the installer with a minimal
// dialog program in the same run.
//
//     bench_startup_driver.exe [--page <text>] <program> [arguments...]
//     -> milliseconds=<ms>
//
// The clock starts just before CreateProcess. Every 5 ms the driver looks for a
// visible top-level window of the started process; with --page, that window
// must also have a visible child window whose text is <text> (the installer
// names its page windows by their key, so "start" is its first page). The
// process is ended as soon as the window is seen. Exit code 0 on success, 1 on
// a usage error, 2 when the program cannot be started, 3 when it exits first,
// 4 when nothing is seen within 30 s.
#include "general/windows/handle.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct search {
    DWORD process_id = 0;
    const std::wstring* page = nullptr; // null: any visible top-level window counts
    bool found = false;
};

std::wstring window_text(HWND window)
{
    wchar_t text[64]{};
    // The text the system keeps for the window, read without a message: asking
    // the started program would wait for its thread, which the reference (seen
    // by its visible window alone) is never asked to answer.
    InternalGetWindowText(window, text, static_cast<int>(std::size(text)));
    return text;
}

BOOL CALLBACK visit_child(HWND child, LPARAM context)
{
    auto& s = *reinterpret_cast<search*>(context);
    if (IsWindowVisible(child) && window_text(child) == *s.page) {
        s.found = true;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK visit_top_level(HWND window, LPARAM context)
{
    auto& s = *reinterpret_cast<search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != s.process_id || !IsWindowVisible(window))
        return TRUE;
    if (!s.page)
        s.found = true;
    else
        EnumChildWindows(window, visit_child, context);
    return s.found ? FALSE : TRUE;
}

std::wstring quoted(const std::wstring& argument)
{
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos)
        return argument;
    std::wstring result = L"\"";
    for (wchar_t c : argument) {
        if (c == L'"')
            result += L'\\';
        result += c;
    }
    return result + L"\"";
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    int next = 1;
    std::wstring page;
    bool want_page = false;
    if (argc > 2 && std::wstring(argv[1]) == L"--page") {
        page = argv[2];
        want_page = true;
        next = 3;
    }
    if (next >= argc) {
        std::fwprintf(stderr, L"usage: bench_startup_driver.exe [--page <text>] <program> [arguments...]\n");
        return 1;
    }
    std::wstring command_line = quoted(argv[next]);
    for (int i = next + 1; i < argc; ++i)
        command_line += L" " + quoted(argv[i]);

    LARGE_INTEGER frequency{}, started{}, now{};
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    QueryPerformanceCounter(&started);
    if (!CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        std::fwprintf(stderr, L"cannot start %ls: error %lu\n", argv[next], GetLastError());
        return 2;
    }
    general::windows::unique_handle process(info.hProcess);
    general::windows::unique_handle thread(info.hThread);

    search s{info.dwProcessId, want_page ? &page : nullptr};
    const ULONGLONG deadline = GetTickCount64() + 30000;
    int result = 4;
    for (;;) {
        EnumWindows(visit_top_level, reinterpret_cast<LPARAM>(&s));
        QueryPerformanceCounter(&now);
        if (s.found) {
            const double ms = double(now.QuadPart - started.QuadPart) * 1000.0 / double(frequency.QuadPart);
            std::printf("milliseconds=%.1f\n", ms);
            result = 0;
            break;
        }
        if (WaitForSingleObject(process.get(), 5) == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(process.get(), &code);
            std::fwprintf(stderr, L"%ls exited with %lu before its window was seen\n", argv[next], code);
            return 3;
        }
        if (GetTickCount64() > deadline) {
            std::fwprintf(stderr, L"no visible window of %ls within 30 s\n", argv[next]);
            break;
        }
    }
    TerminateProcess(process.get(), 0);
    WaitForSingleObject(process.get(), 10000);
    return result;
}
