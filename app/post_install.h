#pragma once
// What the installer does once the products are installed (start the
// protection product's tray program, leave a copy of itself in that product's
// folder), and what its uninstall companion does: run the product's removal and
// clean up after it.
//
// The protection product records its folder as "Path" of HKEY_LOCAL_MACHINE
// "SOFTWARE\\Talmirex" and its edition as "ut" of HKEY_LOCAL_MACHINE
// "SOFTWARE\\ZEB". Everything runs on the user-interface thread and blocks;
// nothing throws except where a comment says so. Failures are logged with the
// prefix "main"; those the user must know of are shown in an error box.
#include <winsock2.h>
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "app/product_catalogue.h"

namespace post_install {

// What the actions ask of the system, so a test can stand in for what a user
// would see (message boxes, a browser) and watch what would have been started.
struct system_functions {
    // Starts the program at a full path; false when it could not be started.
    std::function<bool(const std::wstring& program)> start_program;
    // An error message box owned by `owner`.
    std::function<void(HWND owner, const std::wstring& text, const std::wstring& caption)> show_error;
    // Opens a web page in the user's browser, with the user's normal rights.
    std::function<bool(const std::wstring& address)> open_address;
};
// general::windows::start_program, MessageBoxW with the error icon,
// general::windows::open_address.
system_functions default_system_functions();

// `folder` and `file` joined as path components with exactly one separator
// between them ("C:\\P\\" or "C:\\P" with "qeltray.exe" give
// "C:\\P\\qeltray.exe"); an empty folder gives the file name alone.
std::wstring tray_path(std::wstring_view folder, std::wstring_view tray_exe);

// Starts the tray program of `product` from the protection product's folder,
// through the desktop's shell where it can be reached (it then runs with the
// user's normal rights) and never as an unquoted command line. Nothing when
// the product has no tray program; nothing but a log line when the folder is
// not recorded. A program that cannot be started is logged ("starting of
// <path> failed") and shown in an error box owned by `owner` with `caption`;
// the caller goes on either way.
void start_tray(HWND owner, const product_descriptor& product, const std::wstring& caption,
                const system_functions& system = default_system_functions());

// Copies the running executable to "SentovarInstaller.exe" in the protection
// product's folder, replacing an older copy: the product runs it with "/u" and
// "/ud" when it is removed. Nothing when the folder is not recorded. A failure
// is logged and its description shown in an error box (owner, caption).
void copy_installer(HWND owner, const std::wstring& caption,
                    const system_functions& system = default_system_functions());

// The Windows Installer's removal of the product `product_code` (with braces):
// "<system folder>\\msiexec.exe" /x <code> /L*V "<temp folder>\\sd_uninstall.log"
// /passive, both paths quoted since either may hold a blank.
std::wstring removal_command_line(std::wstring_view system_folder, std::wstring_view product_code,
                                  std::wstring_view temp_folder);

// Runs the removal of the protection product in a visible window and waits for
// it; its exit code is logged, not examined. Nothing but an error line when the
// system folder is unknown (a bare "msiexec.exe" would be searched for).
void remove_protection_product();

// The uninstall companion's clean-up after the product was removed. Reads the
// edition ("ut", any error gives the empty text). "full": opens the full
// edition's survey. "lite": opens the lite edition's survey, then deletes the
// per-user settings HKEY_CURRENT_USER "SOFTWARE\\<company>\\<product>" with all
// subkeys (not when either name is unreadable, empty or holds a separator,
// which would name a parent key). Then deletes HKEY_LOCAL_MACHINE
// "SOFTWARE\\ZEB" with all subkeys whatever the edition; a missing key is not
// an error. Returns the edition read.
std::wstring clean_up_after_removal(const system_functions& system = default_system_functions());

} // namespace post_install
