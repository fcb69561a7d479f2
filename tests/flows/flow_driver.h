#pragma once
// Drives the real installer from outside, as a user at the desktop would: starts
// installer.exe with its own temporary folder and environment, finds its window,
// its pages and its message boxes, presses their buttons and waits for the run
// to end. And reads back what the run left: the log, the reports the statistics
// stand-in received, what the fake archiver installer and the test package did
// to the machine.
//
// How the installer shows itself (the contract these functions rely on):
// - the main window is a top-level window titled "Quobex Varnhelm Installer",
//   or "Varnhelm Sentovar Installer" with "/u" and "/ud";
// - each page is a child dialog of it whose window text is the page's key
//   ("start", "process", "finish", "error", "cancel", "abandon", "uninstall",
//   "uninstalled", "step1", "step2", "step3");
// - a message box is a top-level "#32770" window of the installer's process.
//
// Every wait is bounded; a step that does not happen throws std::runtime_error
// whose text says what was awaited and what the installer showed instead.
#include <winsock2.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "general/windows/handle.h"

namespace flows {

// One environment variable the installer is started with.
struct variable {
    std::wstring name;
    std::wstring value;
};

// The installer of this build tree, as Windows programs under Wine name it.
std::wstring installer_path();

class installer_run {
public:
    // Starts the installer with `arguments`; TMP and TEMP name `temp` (its log
    // and downloads go there) and `variables` are added to this process's
    // environment. Variables of the stand-ins' fault choice that this process
    // has are not handed on. Throws when the program cannot be started.
    installer_run(const std::wstring& arguments, const std::filesystem::path& temp,
                  const std::vector<variable>& variables = {});
    // The same with the installer at `program` (a copy of installer_path(), say)
    // in place of the build tree's.
    installer_run(const std::filesystem::path& program, const std::wstring& arguments,
                  const std::filesystem::path& temp, const std::vector<variable>& variables);
    // Ends the installer when it still runs.
    ~installer_run();
    installer_run(const installer_run&) = delete;
    installer_run& operator=(const installer_run&) = delete;

    DWORD id() const { return id_; }
    HWND main_window(std::chrono::milliseconds bound);

    // Waits until the page `key` shows and makes it the current page. Right
    // after a button of that same page was pressed, the page must first go
    // away and then show again (a second failed download).
    HWND wait_page(const std::wstring& key, std::chrono::milliseconds bound);
    // A click on the button `control` of the current page.
    void press(int control);
    // Clicks the radio button `control` of the current page and waits until it
    // is checked.
    void choose(int control, std::chrono::milliseconds bound);
    // Waits until the control `control` of the current page has a window text
    // holding `part`.
    void wait_text(int control, const std::wstring& part, std::chrono::milliseconds bound);
    // For `duration`, or until the window has gone, the main window answers
    // every message sent to it within `bound`.
    void keep_answering(std::chrono::milliseconds duration, std::chrono::milliseconds bound);
    // The Cancel command of the main window (Escape, the close box).
    void dialog_cancel(std::chrono::milliseconds bound);
    // Waits for a message box titled `caption`, answers it with `command`
    // (IDOK, IDRETRY, IDCANCEL) and waits until it has gone. Returns its text.
    std::wstring answer_box(const std::wstring& caption, int command, std::chrono::milliseconds bound);

    // The exit code, or nothing when the run did not end within `bound`.
    std::optional<DWORD> wait_exit(std::chrono::milliseconds bound);

    // What the installer shows now: its top-level windows and visible pages.
    std::string describe() const;

private:
    HWND find_page(const std::wstring& key) const;
    void fail(const std::string& what) const;

    general::windows::unique_handle process_;
    DWORD id_ = 0;
    std::wstring title_;
    HWND main_ = nullptr;
    HWND page_ = nullptr;    // the current page
    HWND pressed_ = nullptr; // the page whose button was pressed last
};

// The last `count` lines of the installer's log in `temp` (UTF-8 as written).
std::string log_text(const std::filesystem::path& temp);
std::string log_tail(const std::filesystem::path& temp, std::size_t count = 25);
// The download folder the run announced in its log ("downloads go to ...");
// empty before it made one.
std::filesystem::path download_folder(const std::filesystem::path& temp);

// How many reports the statistics stand-in has received so far.
std::size_t reports_received();
// The event keys of the reports received after the first `watermark`, in order.
std::vector<std::string> events_since(std::size_t watermark);

// What a run left on the machine.
struct machine_state {
    std::optional<std::wstring> archiver_command_line; // what the fake archiver installer ran with
    bool archiver_installed = false;                   // its "installation" in the temporary folder
    std::wstring protection_path;                      // HKLM "SOFTWARE\\Talmirex" "Path"
    bool tray_present = false;                         // qeltray.exe in the product's folder
    bool tray_ran = false;                             // the tray program's record
    int trays_running = 0;                             // tray programs still running (stuck at their start)
    bool installer_copy = false;                       // SentovarInstaller.exe in the product's folder
    std::wstring edition_marker;                       // HKLM "SOFTWARE\\ZEB" "qo"
};
machine_state read_machine_state(const std::filesystem::path& temp);
// The same, once the tray program (started without waiting) has left its
// record or `tray_bound` has passed.
machine_state read_machine_state(const std::filesystem::path& temp, std::chrono::milliseconds tray_bound);

// Whether `key` exists under `hive` (the view of this process).
bool key_exists(HKEY hive, const std::wstring& key);
// Stores a text value, creating the key. Throws when it cannot.
void plant_text(HKEY hive, const std::wstring& key, const std::wstring& name, const std::wstring& value);

// Leaves the machine as before any run: removes the test package, the keys the
// installer and the package write (HKLM "SOFTWARE\\Talmirex" and "SOFTWARE\\ZEB",
// both registry views) and the product's folder, and ends tray programs and
// archiver stand-ins that still run.
void clean_machine();

} // namespace flows
