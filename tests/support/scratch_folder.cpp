#include "tests/support/scratch_folder.h"

#include <atomic>
#include <string>
#include <system_error>

#include <windows.h>

namespace test_support {

scratch_folder::scratch_folder()
{
    static std::atomic<unsigned> counter{0};
    auto base = std::filesystem::temp_directory_path();
    for (;;) {
        auto candidate =
            base / (L"qel-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(counter++));
        if (std::filesystem::create_directories(candidate)) {
            path_ = candidate;
            return;
        }
    }
}

scratch_folder::~scratch_folder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace test_support
