#pragma once
// Runs, one after the other, the installer files the downloader left in the
// temporary folder (or the folder it was given): a file ending in ".exe"
// silently with "/s1", anything else through the Windows Installer in quiet
// mode, each with a hidden window, the system folder as its working folder,
// and waited for without a time limit. Tells the main dialog how it goes, by
// posting only:
//
//   "installing product" (text "Installing")   at the start of each product
//   "installation error" (text)                 the run ends on an error
//   "installations done"                        every product handled, not interrupted
//
// Each file is checked again right before it runs, through the one handle the
// run then keeps (general/windows/signature.h): opened shared for reading only,
// its Authenticode signature must be valid and made by an accepted publisher,
// and the handle stays open until the installer process (or the Windows
// Installer) has ended, so nobody can write, rename or delete the file between
// the check and the moment the child has read it. A file that fails that check
// is never run: "<name> installer corrupted" ends the run.
//
// A product counts as installed once its installer process has been created
// and has ended; its exit code is not looked at. A missing file or a process
// that cannot be created ends the run with "<name> installation failed".
// Texts are heap copies that belong to the receiver (messages::post_text).
// Run, failure and stop follow workers/worker.h.
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
    // `accepted_signers`: the common names of the publishers whose files may
    // run; `folder`: where the downloader saved them, the temporary folder
    // when empty. Throws std::system_error when the thread cannot be started.
    products_installer(std::vector<product_descriptor> products, HWND window,
                       std::vector<std::wstring> accepted_signers, std::wstring folder = {});
    ~products_installer();
    products_installer(const products_installer&) = delete;
    products_installer& operator=(const products_installer&) = delete;

private:
    void install(const product_descriptor& product, std::stop_token stop);

    HWND window_;
    std::vector<std::wstring> accepted_signers_;
    std::wstring folder_;    // empty: the temporary folder at the time of each file
    workers::worker worker_; // last: starts once everything above is ready
};
