// Keeps DLLs planted beside the executable from being loaded.
#include "general/windows/system.h"

#include <delayimp.h>

#include <string>

#include "general/windows/system_function.h"

namespace general::windows {

namespace {

// Older systems search the executable's own folder first whatever the process
// says, so the delay-loaded DLLs are named by their full path in the system
// folder. A DLL that is not there (GDI+ lives in the side-by-side store on XP)
// falls back to the loader's own search.
FARPROC WINAPI load_from_system_folder(unsigned notification, PDelayLoadInfo info)
{
    if (notification != dliNotePreLoadLibrary || !info || !info->szDll)
        return nullptr;
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    std::wstring path(folder, length);
    path += L'\\';
    for (const char* c = info->szDll; *c; ++c)
        path += static_cast<wchar_t>(static_cast<unsigned char>(*c));
    return reinterpret_cast<FARPROC>(LoadLibraryW(path.c_str()));
}

} // namespace

void restrict_dll_search_path()
{
    // Windows 8, or 7 and Vista with the 2011 loader update: only the system folder.
    if (auto* set_default =
            system_function<decltype(SetDefaultDllDirectories)>(L"kernel32.dll", "SetDefaultDllDirectories"))
        if (set_default(LOAD_LIBRARY_SEARCH_SYSTEM32))
            return;
    // Older systems: take the current folder out of the search (XP before SP1
    // lacks even this) and load the delay-imported DLLs by full path.
    if (auto* set_directory = system_function<decltype(SetDllDirectoryW)>(L"kernel32.dll", "SetDllDirectoryW"))
        set_directory(L"");
    __pfnDliNotifyHook2 = &load_from_system_folder;
}

} // namespace general::windows
