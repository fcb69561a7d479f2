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
#include "general/windows/running_image.h"

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

// Copies the installer's own file, held since start-up (`own`), to
// "SentovarInstaller.exe" in the protection product's folder, replacing an
// older copy: the product runs it elevated with "/u" and "/ud" when it is
// removed. The bytes are read through the held handle, never by path, so a
// program put at the installer's path meanwhile is never what gets copied.
// Nothing when the folder is not recorded or `own` is that copy itself. When
// `own` holds no file (it could not be opened, or is not the running program)
// nothing is copied and one error line says why. Any other failure is logged
// and its description shown in an error box (owner, caption).
void copy_installer(HWND owner, const std::wstring& caption, const general::windows::running_image& own,
                    const system_functions& system = default_system_functions());

// The Windows Installer's removal of the product `product_code` (with braces):
// "<system folder>\\msiexec.exe" /x <code> /L*V "<log folder>\\sd_uninstall.log"
// /passive, both paths quoted since either may hold a blank; without the log
// option when `log_folder` is empty.
std::wstring removal_command_line(std::wstring_view system_folder, std::wstring_view product_code,
                                  std::wstring_view log_folder);

// The places the removal uses.
struct removal_places {
    std::wstring system_folder;  // holds msiexec.exe; the removal's current folder
    std::wstring user_temp;      // the user's temporary folder, where its log goes if the folder passes the checks
    std::wstring private_parent; // where the removal's own temporary folder is made
};
// The system folder, the user's temporary folder and the common application
// data folder.
removal_places default_removal_places();

// Runs the removal of the protection product in a visible window and waits for
// it; its exit code is logged, not examined. The removal runs elevated, so it
// gets nothing a standard user could have prepared: it starts in the system
// folder, and its TMP and TEMP name a folder of this run's own under
// `private_parent` that only administrators can change, removed once the
// removal has ended. Its log ("sd_uninstall.log") goes to `user_temp` only
// when that folder passes the installer's own log checks (no link, final path
// as named; held meanwhile) and its path holds no quote; otherwise it keeps no
// log and the log says why. Nothing but an error line when the system folder
// is unknown (a bare "msiexec.exe" would be searched for) or the private
// folder cannot be made.
void remove_protection_product(const removal_places& places = default_removal_places());

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
