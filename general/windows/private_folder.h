#pragma once
// A folder of this run's own that only administrators and the system can
// change: what an elevated process writes there and later runs cannot be
// swapped by a program of the user, unlike anything in the user's temporary
// folder. Made fresh (a name nobody used, the access list given at creation,
// never an existing folder taken over) and removed with its content when the
// owner goes. Any thread.
#include <string>

namespace general::windows {

// Full control for administrators and the system, read and run for users;
// nothing inherited from the parent; files inside inherit it.
inline constexpr const wchar_t* private_folder_access = L"D:P(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;FRFX;;;BU)";

class private_folder {
public:
    // Creates "<prefix>-<number>" under `parent` with `access` (SDDL), trying
    // another number while a name is taken. Throws std::system_error when the
    // folder cannot be made.
    private_folder(const std::wstring& parent, const std::wstring& prefix,
                   const wchar_t* access = private_folder_access);
    // Removes the folder and everything in it; what cannot be removed (a file
    // still held open) stays.
    ~private_folder();
    private_folder(const private_folder&) = delete;
    private_folder& operator=(const private_folder&) = delete;

    const std::wstring& path() const { return path_; }

private:
    std::wstring path_;
};

} // namespace general::windows
