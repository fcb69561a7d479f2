// A program the tests start as a child process. It records how it was started in
// a file beside itself (its own path with ".ran" appended) and ends with the exit
// code given as its first argument, after sleeping the milliseconds given as its
// second. Other arguments are ignored, so it can stand in for any program.
//
// The record, in UTF-8, one item a line: the command line, the current folder,
// the start-up flags and the show-window value it received, the image name
// of the process that started it, and its TMP and TEMP. A GUI program that
// opens no window, so starting it never creates a console.
#include <winsock2.h>
#include <windows.h>

#include <tlhelp32.h>

#include <cstdlib>
#include <string>

#include "general/windows/handle.h"

namespace {

std::string utf8(const std::wstring& text)
{
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), length, nullptr,
                        nullptr);
    return result;
}

std::wstring current_folder()
{
    wchar_t buffer[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, buffer);
    return buffer;
}

// The image name of the process with id `id`; empty when it is not found.
std::wstring image_name(DWORD id, DWORD* parent = nullptr)
{
    const general::windows::unique_snapshot snapshot{CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0)};
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = snapshot && Process32FirstW(snapshot.get(), &entry); more;
         more = Process32NextW(snapshot.get(), &entry)) {
        if (entry.th32ProcessID == id) {
            if (parent)
                *parent = entry.th32ParentProcessID;
            return entry.szExeFile;
        }
    }
    return {};
}

std::wstring parent_image_name()
{
    DWORD parent = 0;
    image_name(GetCurrentProcessId(), &parent);
    return image_name(parent);
}

// The value of the environment variable `name`; empty when it is not set.
std::wstring variable(const wchar_t* name)
{
    wchar_t value[32768] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, 32768);
    return length < 32768 ? std::wstring(value, length) : std::wstring();
}

void write_record()
{
    wchar_t own_path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, own_path, MAX_PATH);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    const std::wstring record = std::wstring{GetCommandLineW()} + L"\n" + current_folder() + L"\n" +
                                std::to_wstring(startup.dwFlags) + L"\n" + std::to_wstring(startup.wShowWindow) +
                                L"\n" + parent_image_name() + L"\n" + variable(L"TMP") + L"\n" + variable(L"TEMP") +
                                L"\n";
    const std::string bytes = utf8(record);
    const general::windows::unique_file file{CreateFileW((std::wstring{own_path} + L".ran").c_str(), GENERIC_WRITE, 0,
                                                         nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (!file)
        return;
    DWORD written = 0;
    WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    write_record();
    if (argc > 2)
        Sleep(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)));
    return argc > 1 ? static_cast<int>(std::wcstoul(argv[1], nullptr, 10)) : 0;
}
