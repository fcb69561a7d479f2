#pragma once
// Links a test plants to see that code does not follow them: a junction on
// Windows, a Linux symbolic link under Wine. Wine cannot make a reparse point
// (FSCTL_SET_REPARSE_POINT fails, CreateSymbolicLinkW reports success but makes
// nothing), yet it shows a Linux symbolic link made inside its prefix as one:
// attributes FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT for a
// folder, and the target's place as the final path of a handle opened through it.
#include <winsock2.h>
#include <windows.h>

#include <filesystem>
#include <string>

namespace test_support {

// Whether anything, a dangling link included, is at `path`.
bool present(const std::filesystem::path& path);

// Waits until `done` holds, at most about 10 s: what a Linux program does under
// Wine shows up a moment later. Returns `done()` at the end.
template <typename Condition>
bool settle(Condition done)
{
    for (int i = 0; i < 200 && !done(); ++i)
        Sleep(50);
    return done();
}

// Starts the Linux program `program` with `arguments` (Linux paths, see
// quoted_unix_name) when running under Wine. Wine gives no handle to wait on:
// look for the program's effect. False elsewhere or when it cannot start.
bool run_linux(const char* program, const std::wstring& arguments);

// `path` as a Linux path in double quotes; empty when not under Wine.
std::wstring quoted_unix_name(const std::filesystem::path& path);

// A link at `link` (which must not exist) to the folder `target` or, under Wine
// only, to the file `target`, removed again when the object goes: by Linux's rm
// for a Linux link, since Wine's RemoveDirectoryW would remove the target and
// keep the link. Waits up to about 10 s for it to appear and to go.
class link_to {
public:
    link_to(std::filesystem::path link, const std::filesystem::path& target);
    ~link_to() { remove(); }
    link_to(const link_to&) = delete;
    link_to& operator=(const link_to&) = delete;

    // False when this system could make no link of this kind.
    bool made() const { return kind_ != kind::none; }
    // Removes the link now (nothing when it was not made or is gone).
    void remove();

private:
    enum class kind { none, mount_point, linux_link };

    std::filesystem::path link_;
    kind kind_ = kind::none;
};

} // namespace test_support
