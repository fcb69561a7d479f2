#pragma once
// The file this process was started from, held open so that it stays the file
// that runs. A standard user may rename a running program away (in a Downloads
// folder, say) and put another at its path; an elevated process that later
// copies "itself" by path would then copy that other program. So the file is
// opened once at start-up, without following a link and sharing reading only
// (while held, nobody can write, rename or delete it), checked against the
// image in memory, and every later read goes through that handle.
//
//     const auto own = general::windows::running_image::open_own();   // at start-up, kept for the run
//     if (own)
//         own.copy_to(destination);
//
// The object is move-only and owns the handle. Reading and copying work from
// any thread; nothing throws except std::bad_alloc.
#include <string>

#include "general/windows/handle.h"

namespace general::windows {

class running_image {
public:
    // Holds nothing; failure() says "not opened".
    running_image();

    // The file of this process's main module, opened and checked by open().
    static running_image open_own();
    // Opens `path` for reading without following a link, sharing reading only,
    // and keeps it when it is a file whose PE headers are those of this
    // process's main module as loaded (the image base, which the loader may
    // rewrite when it moves the image, left out). Otherwise the object holds
    // nothing and failure() tells why.
    static running_image open(const std::wstring& path);

    running_image(running_image&&) noexcept = default;
    running_image& operator=(running_image&&) noexcept = default;

    // Whether a checked file is held.
    explicit operator bool() const noexcept { return static_cast<bool>(file_); }
    // The path the file was opened by.
    const std::wstring& path() const noexcept { return path_; }
    // Why nothing is held ("<path> is not the running program: ..."); empty
    // while a file is held.
    const std::wstring& failure() const noexcept { return failure_; }

    // Whether `other` names the held file itself (the same file of the same
    // volume, whatever the spelling); false when nothing is held or `other`
    // cannot be opened.
    bool is_same_file(const std::wstring& other) const;

    // Creates `destination`, which must not exist yet, and writes the held
    // file's bytes into it, read through the handle from the start. Returns
    // what went wrong, or the empty text; a destination written in part is
    // deleted again. Blocks for the copy.
    std::wstring copy_to(const std::wstring& destination) const;

private:
    running_image(unique_file file, std::wstring path, std::wstring failure);

    unique_file file_;
    std::wstring path_;
    std::wstring failure_;
};

} // namespace general::windows
