#include <gtest/gtest.h>

#include "general/windows/handle.h"
#include "general/windows/system.h"
#include "tests/support/child_program.h"
#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;
using general::windows::unique_module;

class scoped_current_folder {
public:
    explicit scoped_current_folder(const fs::path& folder) : old_(fs::current_path()) { fs::current_path(folder); }
    ~scoped_current_folder() { fs::current_path(old_); }

private:
    fs::path old_;
};

// The restriction cannot be undone for the process, so the load that shows the
// hole comes first, in the same test. Any program file loads as a module, so a
// copy of the child program stands in for a planted DLL.
TEST(dll_search, a_dll_planted_in_the_current_folder_is_not_loaded_once_restricted)
{
    test_support::scratch_folder folder;
    test_support::copy_child_program(folder.path(), L"qelplanted.dll");
    const scoped_current_folder current{folder.path()};
    {
        const unique_module before{LoadLibraryW(L"qelplanted.dll")};
        ASSERT_TRUE(before) << "the planted copy should load while the search is unrestricted";
    }
    general::windows::restrict_dll_search_path();
    const unique_module after{LoadLibraryW(L"qelplanted.dll")};
    EXPECT_FALSE(after);
    const unique_module system{LoadLibraryW(L"url.dll")};
    EXPECT_TRUE(system);
}

} // namespace
