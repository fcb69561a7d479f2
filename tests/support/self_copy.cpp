#include "tests/support/self_copy.h"

#include "general/windows/handle.h"
#include "general/windows/system.h"

namespace test_support {

std::optional<DWORD> run_self_copy(const std::filesystem::path& folder, const std::wstring& test_filter,
                                   std::chrono::milliseconds timeout)
{
    const std::filesystem::path self{general::windows::executable_path()};
    const auto copy = folder / self.filename();
    std::filesystem::copy_file(self, copy, std::filesystem::copy_options::overwrite_existing);

    std::wstring command_line = L"\"" + copy.wstring() + L"\" --gtest_filter=" + test_filter;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // No console: the copy's report would only interleave with this test's.
    if (!CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                        folder.wstring().c_str(), &startup, &info))
        return std::nullopt;
    const general::windows::unique_handle process{info.hProcess};
    const general::windows::unique_handle thread{info.hThread};
    if (WaitForSingleObject(process.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        TerminateProcess(process.get(), 1);
        WaitForSingleObject(process.get(), 5000);
        return std::nullopt;
    }
    DWORD exit_code = 1;
    GetExitCodeProcess(process.get(), &exit_code);
    return exit_code;
}

} // namespace test_support
