// Keeps DLLs planted beside the executable from being loaded.
#include "general/windows/system.h"

#include "general/windows/system_function.h"

namespace general::windows {

void restrict_dll_search_path()
{
    // Windows 8, or 7 and Vista with the 2011 loader update: only the system folder.
    if (auto* set_default =
            system_function<decltype(SetDefaultDllDirectories)>(L"kernel32.dll", "SetDefaultDllDirectories"))
        if (set_default(LOAD_LIBRARY_SEARCH_SYSTEM32))
            return;
    // Older systems: at least take the current folder out of the search (the
    // executable's own folder stays in it). XP before SP1 lacks even this.
    if (auto* set_directory = system_function<decltype(SetDllDirectoryW)>(L"kernel32.dll", "SetDllDirectoryW"))
        set_directory(L"");
}

} // namespace general::windows
