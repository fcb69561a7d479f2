// Starting programs and addresses through the shell.
#include "general/windows/system.h"

#include <shellapi.h>

namespace general::windows {

namespace {

bool shell_execute(const wchar_t* verb, const std::wstring& file, const std::wstring& parameters)
{
    const HINSTANCE result = ShellExecuteW(nullptr, verb, file.c_str(),
                                           parameters.empty() ? nullptr : parameters.c_str(), nullptr, SW_SHOWNORMAL);
    // Values of 32 and below are error codes.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace

bool run_elevated(const std::wstring& program, const std::wstring& parameters)
{
    return shell_execute(L"runas", program, parameters);
}

void open_url(const std::wstring& address)
{
    // By its full path: given a bare name, the shell would also look in the
    // current and the executable's folder (a Downloads folder) and run a planted
    // rundll32.exe with our administrator rights.
    const std::wstring folder = system_directory();
    if (folder.empty())
        return;
    shell_execute(L"open", folder + L"\\rundll32.exe", L"url.dll,FileProtocolHandler " + address);
}

} // namespace general::windows
