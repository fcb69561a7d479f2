#pragma once
// Run-time lookup of system functions that Windows XP lacks, so the executable
// still loads there. Only for modules every process of ours has loaded (kernel32,
// and advapi32, which the executable imports): the module is never loaded here,
// so a DLL planted in a search folder cannot be pulled in by a lookup.
//
//     if (auto* query = system_function<decltype(QueryFullProcessImageNameW)>(L"kernel32.dll",
//                                                                          "QueryFullProcessImageNameW"))
//         query(process, 0, buffer, &size);
//
// The function type comes from the declaration (decltype), so the calling
// convention is right for 32-bit builds; decltype does not import the function.
#include <winsock2.h>
#include <windows.h>

namespace general::windows {

// Returns null when the module is not loaded or does not export the name.
template <typename Function>
Function* system_function(const wchar_t* module_name, const char* function_name) noexcept
{
    const HMODULE module = GetModuleHandleW(module_name);
    if (!module)
        return nullptr;
    // Through void*: a direct cast from FARPROC trips -Wcast-function-type.
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, function_name)));
}

} // namespace general::windows
