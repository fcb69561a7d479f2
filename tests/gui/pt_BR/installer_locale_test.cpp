// Run by CTest under the Linux locale pt_BR.UTF-8, which Wine turns into the
// user's Windows locale and hands on to the installer started here: the real
// executable picks the Brazilian catalogue for its caption.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <optional>
#include <thread>
#include <vector>

#include <winsock2.h>
#include <windows.h>

#include "general/windows/handle.h"
#include "general/windows/text.h"
#include "tests/support/scratch_folder.h"

namespace {

using namespace std::chrono_literals;

std::wstring installer_path()
{
    // The build tree's Linux path; Wine shows the root of the Linux file system as Z:.
    std::wstring result = L"Z:";
    for (char c : std::string(QEL_INSTALLER_EXE))
        result += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return result;
}

// Points the temporary folder, which the installer's child inherits, at `folder`
// for the object's life.
class temporary_folder_override {
public:
    explicit temporary_folder_override(const std::wstring& folder)
    {
        for (const wchar_t* name : {L"TMP", L"TEMP"}) {
            std::vector<wchar_t> old(32768);
            const DWORD length = GetEnvironmentVariableW(name, old.data(), 32768);
            saved_.push_back({name, std::wstring(old.data(), length), length != 0});
            SetEnvironmentVariableW(name, folder.c_str());
        }
    }
    ~temporary_folder_override()
    {
        for (const auto& [name, value, existed] : saved_)
            SetEnvironmentVariableW(name.c_str(), existed ? value.c_str() : nullptr);
    }
    temporary_folder_override(const temporary_folder_override&) = delete;
    temporary_folder_override& operator=(const temporary_folder_override&) = delete;

private:
    struct saved_variable {
        std::wstring name;
        std::wstring value;
        bool existed;
    };
    std::vector<saved_variable> saved_;
};

struct run_result {
    std::wstring title;             // of the installer's window; empty when none appeared
    std::optional<DWORD> exit_code; // nothing when it did not end after the cancel command
};

// The visible dialog window of the process, if it has one yet.
HWND dialog_of(DWORD process_id)
{
    for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, L"#32770", nullptr));) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == process_id && IsWindowVisible(w))
            return w;
    }
    return nullptr;
}

// Starts the installer with its log in `temp`, waits for its window, reads the
// title, closes it with the cancel command and waits for the end.
run_result run_installer(const std::wstring& arguments, const std::wstring& temp)
{
    std::wstring command_line = L"\"" + installer_path() + L"\" " + arguments;
    PROCESS_INFORMATION info{};
    {
        temporary_folder_override override(temp);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &info))
            return {};
    }
    const general::windows::unique_handle process{info.hProcess};
    const general::windows::unique_handle thread{info.hThread};

    HWND window = nullptr;
    for (auto deadline = std::chrono::steady_clock::now() + 20s;
         !(window = dialog_of(info.dwProcessId)) && std::chrono::steady_clock::now() < deadline;)
        std::this_thread::sleep_for(50ms);
    run_result result;
    if (window) {
        wchar_t title[256] = {};
        GetWindowTextW(window, title, 256);
        result.title = title;
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }
    if (WaitForSingleObject(process.get(), window ? 20000 : 0) == WAIT_OBJECT_0) {
        DWORD exit_code = 0xFFFFFFFF;
        GetExitCodeProcess(process.get(), &exit_code);
        result.exit_code = exit_code;
    } else {
        TerminateProcess(process.get(), 1);
        WaitForSingleObject(process.get(), 5000);
    }
    return result;
}

std::string narrow(const std::wstring& text)
{
    return general::windows::wide_to_utf8(text);
}

} // namespace

TEST(installer_pt_BR, the_uninstall_window_is_titled_in_portuguese)
{
    test_support::scratch_folder temp;
    const run_result run = run_installer(L"/u", temp.path().wstring());
    // Not the English caption, and the product named in it.
    EXPECT_NE(narrow(run.title), "Varnhelm Sentovar Installer");
    EXPECT_NE(narrow(run.title).find("Varnhelm Sentovar"), std::string::npos) << narrow(run.title);
    ASSERT_TRUE(run.exit_code) << "the installer did not end";
    EXPECT_EQ(*run.exit_code, 2u);
}
