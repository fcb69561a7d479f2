#pragma once
// Runs, one after the other, the installer files the downloader left in the
// folder it was given: a file ending in ".exe" silently with "/s1", anything
// else through the Windows Installer in quiet mode, each with a hidden window
// and waited for without a time limit. Tells the main dialog how it goes, by
// posting only:
//
//   "installing product" (text "Installing")   at the start of each product
//   "installation error" (text)                 the run ends on an error
//   "installations done"                        every product installed, not interrupted
//
// Each file is checked again right before it runs, through the one handle the
// run then keeps (general/windows/signature.h): opened shared for reading only,
// its Authenticode signature must be valid and made by the product's own
// publisher, and the handle stays open until the installer process (or the
// Windows Installer) has ended, so nobody can write, rename or delete the file
// between the check and the moment the child has read it. A file that fails
// that check is never run: "<name> installer corrupted" ends the run.
//
// Children start in a clean room: the system folder as their current folder
// and TMP and TEMP naming "temp" inside the run's folder, which only
// administrators can change (and which goes with it), so nothing an elevated
// installer unpacks, loads or runs from its temporary folder can be planted
// or swapped by a program of the user.
//
// A product counts as installed when its installer ends with 0, or with 3010
// or 1641 (installed, a restart needed or started; logged as such). Any other
// exit code, a missing file or a process that cannot be created ends the run
// with "<name> installation failed", the code in the log ("<name> installer
// ended with <code>"); later products are not installed. Texts are heap
// copies that belong to the receiver (messages::post_text). Run, failure and
// stop follow workers/worker.h.
//
// Threads: constructed and destroyed on the user-interface thread; the work
// runs on the worker thread the constructor starts. Destruction asks the worker
// to stop and joins it; the request is looked at between products only, so the
// destructor blocks until the running product installer has exited.
#include <winsock2.h>
#include <windows.h>

#include <stop_token>
#include <string>
#include <vector>

#include "general/log/log.h"
#include "workers/product_descriptor.h"
#include "workers/worker.h"

class products_installer final : private general::log::prefix {
public:
    // Copies `products`; `window` (the main dialog) receives every message;
    // `folder`: where the downloader saved them, a folder only administrators
    // can change; without one nothing runs ("<name> installation failed").
    // Throws std::system_error when the thread cannot be started.
    products_installer(std::vector<product_descriptor> products, HWND window, std::wstring folder);
    ~products_installer();
    products_installer(const products_installer&) = delete;
    products_installer& operator=(const products_installer&) = delete;

private:
    void install(const product_descriptor& product, std::stop_token stop);
    // Logs how the product's installer ended; throws when it did not install.
    void report_exit(const product_descriptor& product, unsigned long exit_code);

    // The children's temporary folder inside `folder_`, made on first use;
    // empty when it cannot be made.
    std::wstring children_temp();

    HWND window_;
    std::wstring folder_;
    workers::worker worker_; // last: starts once everything above is ready
};
