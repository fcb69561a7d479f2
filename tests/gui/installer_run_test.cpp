// Runs the real installer executable, finds its window from outside as a user's
// desktop would show it, closes it the ways a user can, and checks the exit code
// and the log the run left behind.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <winsock2.h>
#include <windows.h>

#include "general/windows/handle.h"
#include "tests/support/scratch_folder.h"

namespace {

using namespace std::chrono_literals;

std::wstring installer_path()
{
    // The build tree's Linux path; Wine shows the root of the Linux file system as Z:.
    std::string path = QEL_INSTALLER_EXE;
    std::wstring result = L"Z:";
    for (char c : path)
        result += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return result;
}

// Points the child's temporary folder at a scratch folder for the object's life.
class temporary_folder_override {
public:
    explicit temporary_folder_override(const std::wstring& folder)
    {
        for (const wchar_t* name : {L"TMP", L"TEMP"}) {
            wchar_t old[32768];
            const DWORD length = GetEnvironmentVariableW(name, old, 32768);
            saved_.push_back({name, length ? std::wstring(old, length) : std::wstring(), length != 0});
            SetEnvironmentVariableW(name, folder.c_str());
        }
    }
    ~temporary_folder_override()
    {
        for (const auto& [name, value, existed] : saved_)
            SetEnvironmentVariableW(name.c_str(), existed ? value.c_str() : nullptr);
    }

private:
    struct saved_variable {
        std::wstring name;
        std::wstring value;
        bool existed;
    };
    std::vector<saved_variable> saved_;
};

struct started_process {
    general::windows::unique_handle process;
    DWORD id = 0;
};

// A text of the installer's version resource (US English), narrowed; empty when missing.
std::string installer_version_text(const std::wstring& name)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(installer_path().c_str(), &ignored);
    std::vector<unsigned char> info(size);
    void* value = nullptr;
    UINT length = 0;
    const std::wstring query = L"\\StringFileInfo\\040904B0\\" + name;
    if (size == 0 || !GetFileVersionInfoW(installer_path().c_str(), 0, size, info.data()) ||
        !VerQueryValueW(info.data(), query.c_str(), &value, &length) || !value)
        return {};
    std::string text;
    for (const wchar_t* c = static_cast<const wchar_t*>(value); *c; ++c)
        text += static_cast<char>(*c);
    return text;
}

started_process start_installer(const std::wstring& arguments)
{
    std::wstring command_line = L"\"" + installer_path() + L"\"";
    if (!arguments.empty())
        command_line += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return {};
    CloseHandle(info.hThread);
    return {general::windows::unique_handle(info.hProcess), info.dwProcessId};
}

HWND wait_for_window(const std::wstring& title, DWORD process_id)
{
    for (auto deadline = std::chrono::steady_clock::now() + 20s; std::chrono::steady_clock::now() < deadline;) {
        HWND window = nullptr;
        while ((window = FindWindowExW(nullptr, window, nullptr, title.c_str()))) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == process_id && IsWindowVisible(window))
                return window;
        }
        std::this_thread::sleep_for(50ms);
    }
    return nullptr;
}

std::vector<std::string> read_lines(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(content, line))
        lines.push_back(line);
    return lines;
}

// How the run is ended. Installing, the Cancel command first asks on the cancel
// page, whose own Cancel then ends the run.
enum class closing { cancel_command, close_box, escape_key, leave_through_cancel_page };

HWND wait_for_page(HWND window, const wchar_t* key)
{
    for (auto deadline = std::chrono::steady_clock::now() + 20s; std::chrono::steady_clock::now() < deadline;) {
        HWND page = FindWindowExW(window, nullptr, nullptr, key);
        if (page && IsWindowVisible(page))
            return page;
        std::this_thread::sleep_for(50ms);
    }
    return nullptr;
}

struct run_case {
    const char* name;
    const wchar_t* arguments;
    const wchar_t* title;
    closing how;
    DWORD exit_code;
};

class installer_run : public testing::TestWithParam<run_case> {};

} // namespace

TEST_P(installer_run, shows_its_window_and_ends_with_the_exit_code_of_its_mode)
{
    const run_case& c = GetParam();
    test_support::scratch_folder temp;
    started_process child;
    {
        temporary_folder_override override(temp.path().wstring());
        child = start_installer(c.arguments);
    }
    ASSERT_TRUE(child.process) << "could not start " << std::string(installer_path().begin(), installer_path().end());

    HWND window = wait_for_window(c.title, child.id);
    ASSERT_NE(nullptr, window) << "no window appeared";
    switch (c.how) {
    case closing::cancel_command: PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); break;
    case closing::close_box: PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    case closing::escape_key: PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0x00010001); break;
    case closing::leave_through_cancel_page: {
        ASSERT_NE(nullptr, wait_for_page(window, L"start"));
        PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        HWND page = wait_for_page(window, L"cancel");
        ASSERT_NE(nullptr, page) << "Escape did not lead to the cancel page";
        PostMessageW(page, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        break;
    }
    }

    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(child.process.get(), 20000)) << "the installer did not end";
    DWORD exit_code = 0xFFFFFFFF;
    GetExitCodeProcess(child.process.get(), &exit_code);
    EXPECT_EQ(c.exit_code, exit_code);

    const auto lines = read_lines(temp.path() / L"Varnhelm_installer.log");
    const std::regex line_form(R"(\d{4}-[A-Z][a-z]{2}-\d{2} \d{2}:\d{2}:\d{2} [DIE]\| .*\r)");
    std::vector<std::string> messages;
    for (const auto& line : lines) {
        EXPECT_TRUE(std::regex_match(line, line_form)) << line;
        const auto bar = line.find("| ");
        if (bar != std::string::npos)
            messages.push_back(line.substr(bar + 2, line.size() - bar - 3));
    }
    ASSERT_GE(messages.size(), 2u);
    // The first line names the build as its version resource does.
    const std::string version = installer_version_text(L"ProductVersion");
    const std::string commit = installer_version_text(L"Commit");
    EXPECT_EQ("1.0.41", version);
    EXPECT_FALSE(commit.empty());
    EXPECT_EQ("Started, version " + version + ", commit " + commit, messages.front());
    EXPECT_EQ("Stopped", messages.back());
    EXPECT_EQ(1, std::count_if(messages.begin(), messages.end(),
                               [](const std::string& m) { return m.starts_with("Started"); }));
    EXPECT_EQ(1, std::count(messages.begin(), messages.end(), "Stopped"));
}

INSTANTIATE_TEST_SUITE_P(
    modes, installer_run,
    testing::Values(run_case{"install_leave", L"", L"Quobex Varnhelm Installer", closing::leave_through_cancel_page, 0},
                    run_case{"upper_case_switch_installs", L"/U", L"Quobex Varnhelm Installer",
                             closing::leave_through_cancel_page, 0},
                    run_case{"uninstall_cancel", L"/u", L"Varnhelm Sentovar Installer", closing::cancel_command, 2},
                    run_case{"uninstall_escape", L"/u", L"Varnhelm Sentovar Installer", closing::escape_key, 2},
                    run_case{"uninstalled_close_box", L"/ud", L"Varnhelm Sentovar Installer", closing::close_box, 2}),
    [](const testing::TestParamInfo<run_case>& info) { return std::string(info.param.name); });
