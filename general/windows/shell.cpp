// Starting programs and addresses through the shell.
#include "general/windows/system.h"

#include <exdisp.h>
#include <servprov.h>
#include <shellapi.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>

#include "general/log/log.h"
#include "general/windows/com.h"

namespace general::windows {

namespace {

bool shell_execute(const wchar_t* verb, const std::wstring& file, const std::wstring& parameters)
{
    const HINSTANCE result = ShellExecuteW(nullptr, verb, file.c_str(),
                                           parameters.empty() ? nullptr : parameters.c_str(), nullptr, SW_SHOWNORMAL);
    // Values of 32 and below are error codes.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

// The shell automation object of the desktop window's own process (the shell
// the user logged on to), reached through the desktop folder view.
com_ptr<IShellDispatch2> desktop_shell()
{
    com_ptr<IShellWindows> windows;
    // CLSCTX_ALL: the local server alone is not registered everywhere the shell runs.
    if (FAILED(CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_ALL, IID_IShellWindows, windows.put_void())))
        return {};
    variant location;
    variant root;
    long desktop_window = 0;
    com_ptr<IDispatch> dispatch;
    if (windows->FindWindowSW(&location.value, &root.value, SWC_DESKTOP, &desktop_window, SWFO_NEEDDISPATCH,
                              dispatch.put()) != S_OK ||
        !dispatch)
        return {};
    com_ptr<IServiceProvider> services = dispatch.query<IServiceProvider>(IID_IServiceProvider);
    com_ptr<IShellBrowser> browser;
    if (!services || FAILED(services->QueryService(SID_STopLevelBrowser, IID_IShellBrowser, browser.put_void())))
        return {};
    com_ptr<IShellView> view;
    if (FAILED(browser->QueryActiveShellView(view.put())))
        return {};
    com_ptr<IDispatch> background;
    if (FAILED(view->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, background.put_void())))
        return {};
    com_ptr<IShellFolderViewDual> folder_view = background.query<IShellFolderViewDual>(IID_IShellFolderViewDual);
    com_ptr<IDispatch> application;
    if (!folder_view || FAILED(folder_view->get_Application(application.put())) || !application)
        return {};
    return application.query<IShellDispatch2>(IID_IShellDispatch2);
}

// Lets the desktop's shell open `file` (an address, or a program to run) as if
// the user had opened it there. True once the shell took the request: it does
// not say whether the file could be opened.
bool open_through_desktop_shell(const std::wstring& file)
{
    const com_apartment apartment;
    const com_ptr<IShellDispatch2> shell = desktop_shell();
    if (!shell)
        return false;
    const bstr name{file.c_str()};
    variant arguments; // VT_EMPTY: none
    variant folder;
    variant verb;
    verb.value.vt = VT_BSTR;
    verb.value.bstrVal = SysAllocString(L"open");
    variant show;
    show.value.vt = VT_I4;
    show.value.lVal = SW_SHOWNORMAL;
    return SUCCEEDED(shell->ShellExecute(name.get(), arguments.value, folder.value, verb.value, show.value));
}

// Whether `program` is a full path naming an existing file; anything else is
// logged and refused. It could only be found by a search, which looks in the
// current folder (an installer's Downloads folder) first; and the shell's
// answer would not tell a missing program apart.
bool startable(const std::wstring& program, const log::prefix& log)
{
    bool full_path =
        !program.empty() && program.find(L'"') == program.npos && std::filesystem::path{program}.is_absolute();
    if (full_path) {
        const DWORD attributes = GetFileAttributesW(program.c_str());
        full_path = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    if (!full_path)
        log.error(L"cannot start " + program + L": not a full path of an existing file");
    return full_path;
}

} // namespace

bool run_elevated(const std::wstring& program, const std::wstring& parameters)
{
    return shell_execute(L"runas", program, parameters);
}

bool open_address(const std::wstring& address)
{
    const log::prefix log{L"shell"};
    if (address.empty())
        return false;
    // The desktop's shell runs with the rights the user logged on with, so the
    // browser it starts does not inherit our administrator rights. Opened from
    // here, it would: without the shell, nothing is opened.
    if (!open_through_desktop_shell(address)) {
        log.error(L"did not open " + address + L": the desktop shell was not reachable");
        return false;
    }
    log.info(L"opened " + address + L" through the desktop shell");
    return true;
}

bool start_program(const std::wstring& program)
{
    const log::prefix log{L"shell"};
    if (!startable(program, log))
        return false;
    // As with addresses: the shell's rights are the user's own, and a program
    // that stays in the user's session must not keep our administrator rights,
    // so it is never started from here.
    if (!open_through_desktop_shell(program)) {
        log.error(L"did not start " + program + L": the desktop shell was not reachable");
        return false;
    }
    log.info(L"started " + program + L" through the desktop shell");
    return true;
}

} // namespace general::windows
