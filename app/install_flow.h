#pragma once
// The main dialog's decisions as data: which page shows, what the dialog posts
// to itself, which worker starts or goes, and how the run ends, for every input
// the dialog receives. No window and no system call here: each input returns
// the ordered list of effects, and the dialog (app/main_dialog.cpp) applies
// them. The whole flow can therefore be walked in a test without a window.
//
// Pure C++, one object per dialog, used from the user-interface thread only.
#include <string>
#include <vector>

#include "app/launch_mode.h"

namespace install_flow {

enum class page { none, start, process, finish, error, uninstall, uninstalled, cancel, abandon, step1, step2, step3 };

// Where the flow stands; decides what Cancel and quit do.
enum class stage : int { choosing = 0, downloading = 1, download_failed = 2, installing = 3, finished = 4 };

// The messages the dialog posts to itself.
enum class self_message {
    send_stats_events,
    download_installations,
    start_installations,
    finish,
    step1,
    step3,
    set_post_cancel,
    set_post_fail,
    add_stats_event, // value: event number
};

struct effect {
    enum kind {
        show,                      // the page, hiding the one showing; created on first use
        show_new,                  // the same with a new window (counters of the uninstall steps)
        destroy,                   // the page's window
        post,                      // `message` with `value` to the dialog itself
        add_event,                 // the event `value` appended at once (a send to itself)
        choose_products,           // the list becomes the archiver (and the protection product when `value`)
        warn_protection_installed, // the message box; the start page stays
        start_downloader,          // a new one with the list, the old one deleted first
        delete_downloader,
        start_installer,
        delete_installer,
        forward,                   // the message being handled, to the process page
        post_install_actions,      // tray programs and the installer's copy
        report_installation_error, // the message box with the text being handled
        hide_dialog,
        show_dialog,
        remove_product, // the Windows Installer removal, waited for
        clean_up,       // survey and registry after removal
        end_run,        // destroy the window, quit with `value`
    };
    kind what;
    page target = page::none;
    self_message message = self_message::send_stats_events;
    int value = 0;

    bool operator==(const effect&) const = default;
};
using effects = std::vector<effect>;

// Readable names, for logs and test failure texts.
const wchar_t* name_of(page value);
std::wstring describe(const effect& value);

class flow {
public:
    explicit flow(launch_mode mode) : mode_(mode) {}

    // The first page, at the end of the dialog's initialisation.
    effects initialised();

    // "start": wParam both products, lParam the archiver alone; `protection_installed`
    // whether the protection product is on the machine already. The same message
    // (both 0) is the OK command and the forward button of the other pages, and
    // what it means follows from where the run is: leaving once finished,
    // Continue on the abandon page (continue_run), Install on the cancel page
    // (back_to_choice), Try again on the error page (retry_download).
    effects start(bool both, bool archiver_only, bool protection_installed);
    // "quit": a page's Cancel.
    effects quit();
    // The dialog's Cancel command: Escape or the close box.
    effects cancel_command();

    effects download_installations();
    effects downloading_error();
    effects installations_downloaded();
    effects start_installations();
    effects installation_error();
    effects installations_done();
    effects finish();

    effects step1();
    effects step2();
    effects step3();
    effects abort_uninstall();
    effects uninstall();
    effects uninstalled();

    void set_post_cancel(bool value) { post_cancel_ = value; }
    void set_post_fail(bool value) { post_fail_ = value; }

    launch_mode mode() const { return mode_; }
    stage current_stage() const { return stage_; }
    page shown() const { return shown_; }
    bool protection_selected() const { return protection_selected_; }
    bool archiver_only_selected() const { return archiver_only_selected_; }
    bool post_cancel() const { return post_cancel_; }
    bool post_fail() const { return post_fail_; }
    int exit_prompts() const { return exit_prompts_; }

private:
    // Adds `show` and remembers the page.
    void show(effects& out, page target, effect::kind how = effect::show);
    // Shows a page that asks whether to leave, counting the prompt.
    void leave_prompt(effects& out, page leave_page);
    effects show_step(page step);

    // What "start" means where the run is (see start).
    effects continue_run();
    effects back_to_choice();
    effects choose(bool both, bool archiver_only, bool protection_installed);
    effects retry_download(); // the same products and the same choice once more
    void download(effects& out);

    launch_mode mode_;
    stage stage_ = stage::choosing;
    page shown_ = page::none;
    bool protection_selected_ = false;
    bool archiver_only_selected_ = false;
    bool post_cancel_ = false;
    bool post_fail_ = false;
    bool chosen_ = false; // a product list exists: a retry downloads it again
    bool downloader_running_ = false;
    int exit_prompts_ = 0;
};

} // namespace install_flow
