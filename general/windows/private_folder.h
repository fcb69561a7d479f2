#pragma once
// A folder of this run's own that only administrators and the system can
// change: what an elevated process writes there and later runs cannot be
// swapped by a program of the user, unlike anything in the user's temporary
// folder. Made fresh (a name nobody used, the access list given at creation,
// never an existing folder taken over) and removed with its content when the
// owner goes. Any thread.
//
// A run that is killed never removes its folder. So each folder carries a mark
// its owner holds open for as long as it lives, and the next run removes the
// folders whose mark nobody holds:
//
//     general::windows::remove_abandoned_folders(parent, L"Varnhelm installer");   // first
//     general::windows::private_folder downloads{parent, L"Varnhelm installer"};
#include <string>

#include "general/windows/handle.h"

namespace general::windows {

// Full control for administrators and the system, read and run for users;
// nothing inherited from the parent; files inside inherit it.
inline constexpr const wchar_t* private_folder_access = L"D:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;FRFX;;;BU)";

// The file in each private folder that its owner holds open, sharing neither
// writing nor deletion, so that nobody can open it for deletion while the owner
// lives. The system closes it when the owning process ends in any way.
inline constexpr const wchar_t* private_folder_mark = L"in-use.mark";

// A security descriptor made from its text form, freed with LocalFree.
struct local_descriptor_traits {
    using pointer = PSECURITY_DESCRIPTOR;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { LocalFree(h); }
};
using unique_security_descriptor = unique_resource<local_descriptor_traits>;

// The descriptor a private folder is created with: `access` (SDDL) as the
// system reads it. Throws std::system_error when the text is not a descriptor.
unique_security_descriptor folder_descriptor(const wchar_t* access);

class private_folder {
public:
    // Creates "<prefix>-<number>" under `parent` with `access` (SDDL), trying
    // another number while a name is taken, and holds its mark. Throws
    // std::system_error when `parent` is not a full path or the folder or its
    // mark cannot be made.
    private_folder(const std::wstring& parent, const std::wstring& prefix,
                   const wchar_t* access = private_folder_access);
    // Lets go of the mark, then removes the folder and everything in it; what
    // cannot be removed (a file still held open) stays.
    ~private_folder();
    private_folder(const private_folder&) = delete;
    private_folder& operator=(const private_folder&) = delete;

    const std::wstring& path() const { return path_; }

private:
    std::wstring path_;
    unique_file mark_;
};

// Removes every folder directly under `parent` named "<prefix>-<digits>" whose
// mark nobody holds (a run that ended without removing it) or that has no mark
// (a run that ended while making it), with everything in it. A folder whose
// mark is held belongs to a living run and stays; so does anything else under
// `parent`. Nothing is followed through a link: a link in place of such a folder
// or inside one is left where it is, and so is what it points to (a folder
// holding one then stays too). Each folder removed, and each one that could not
// be, is logged in one line. Blocks while it deletes; bounded in the entries and
// depth it looks at. A `parent` that is not a full path is not looked at. Any
// thread; never throws.
void remove_abandoned_folders(const std::wstring& parent, const std::wstring& prefix) noexcept;

} // namespace general::windows
