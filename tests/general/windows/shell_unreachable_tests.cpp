// Opening and starting where the desktop's shell cannot be reached: nothing may
// then be started from this (elevated) process instead.
#include <winsock2.h>
#include <windows.h>

#include <exdisp.h>
#include <shlguid.h>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "general/log/log.h"
#include "general/windows/com.h"
#include "general/windows/system.h"
#include "tests/support/child_program.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/worker_environment.h"

namespace {

using namespace std::chrono_literals;
using namespace general::windows;

// A maker of the shell's window list that fails as a shell that is not running
// does, registered in this thread's apartment for the object's life: this
// process then finds no desktop shell, while the machine's stays untouched.
class shell_unreachable : public IClassFactory {
public:
    shell_unreachable()
    {
        registered_ = SUCCEEDED(
            CoRegisterClassObject(CLSID_ShellWindows, this, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie_));
    }
    ~shell_unreachable()
    {
        if (registered_)
            CoRevokeClassObject(cookie_);
    }
    shell_unreachable(const shell_unreachable&) = delete;
    shell_unreachable& operator=(const shell_unreachable&) = delete;

    bool registered() const { return registered_; }
    int asked() const { return asked_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        *object = id == IID_IUnknown || id == IID_IClassFactory ? this : nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    // Lives on the test's stack, not by its references.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID, void** object) override
    {
        *object = nullptr;
        ++asked_;
        return CO_E_SERVER_EXEC_FAILURE;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    DWORD cookie_ = 0;
    bool registered_ = false;
    int asked_ = 0;
};

TEST(shell_unreachable, nothing_is_opened_or_started_from_this_process)
{
    const com_apartment apartment;
    // A window of ours makes sure the desktop exists, as in a real run.
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    test_support::scratch_folder folder;
    test_support::captured_log log;
    shell_unreachable shell;
    ASSERT_TRUE(shell.registered());

    struct row {
        bool (*open)(const std::wstring&);
        std::filesystem::path program;
        std::wstring line; // before the path
    };
    const std::vector<row> rows{
        {open_address, test_support::copy_child_program(folder.path(), L"address.exe"), L"[shell] did not open "},
        {start_program, test_support::copy_child_program(folder.path(), L"program.exe"), L"[shell] did not start "}};
    for (const auto& [open, program, line] : rows) {
        EXPECT_FALSE(open(program.wstring()));
        EXPECT_TRUE(log.contains(general::log::level_error,
                                 line + program.wstring() + L": the desktop shell was not reachable"));
    }
    EXPECT_EQ(shell.asked(), 2);
    // Time for a program started anyway to leave its record.
    std::this_thread::sleep_for(5s);
    for (const auto& each : rows)
        EXPECT_FALSE(test_support::read_child_record(each.program).has_value()) << "started: " << each.program.string();
    DestroyWindow(window);
}

} // namespace
