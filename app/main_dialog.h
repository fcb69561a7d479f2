#pragma once
// The installer's one top-level window. It owns the pages (app/pages.h), the
// chosen products, the workers and the pending statistics events, and ends the
// run by posting the quit message with the process exit code. What it does on
// each input is decided by app/install_flow.h; this class turns registered
// messages into flow inputs and applies the effects the flow returns.
//
// Runs on the user-interface thread only; pages and workers reach it through the
// registered messages of messages/messages.h. Whatever waits for the network (the
// statistics sends, the "/u" counters) runs on the dialog's background thread
// (its async performer), so the window always answers; the destructor lets the
// sends still queued run to their end, after the window is gone.
#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/install_flow.h"
#include "app/launch_mode.h"
#include "app/pages.h"
#include "app/product_catalogue.h"
#include "app/protection_counters.h"
#include "general/async_performer.h"
#include "general/log/log.h"
#include "general/windows/handle.h"
#include "general/windows/srw_lock.h"
#include "general/windows/ui/dialog.h"
#include "general/windows/ui/message_loop.h"
#include "resources/resource_ids.h"
#include "views/base_ui_element.h"

class products_downloader;
class products_installer;
namespace general::windows {
class private_folder;
class running_image;
} // namespace general::windows

class CMainDlg : public general::windows::ui::dialog,
                 public general::windows::ui::message_filter,
                 public general::windows::ui::idle_handler,
                 public general::log::prefix,
                 public general::async_performer,
                 public base_ui_element {
public:
    // `own_image`: the installer's own file, held by the caller for longer than
    // the dialog lives; what the post-install actions copy. None: no copy is made.
    explicit CMainDlg(const general::windows::running_image* own_image = nullptr);
    ~CMainDlg() override;

    // The dialog's template in the executable's resources.
    static constexpr int template_id = IDD_MAIN;

    // Starts decoding the images of the first page `mode` shows, so they are
    // ready when the window built meanwhile asks for them. Before create().
    void prefetch_first_page(launch_mode mode);

    bool pre_translate_message(MSG& message) override;
    bool on_idle() override;

    launch_mode mode() const { return flow_.mode(); }

protected:
    bool handle_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

private:
    // What the handler of one message knows while its effects are applied.
    struct input {
        UINT message;
        WPARAM wparam;
        LPARAM lparam;
    };
    using handler = LRESULT (CMainDlg::*)(const input&);
    using step = install_flow::effects (install_flow::flow::*)();
    // A message handled by the dialog itself, or one that is only a flow input.
    struct route {
        const UINT* message;
        handler handle;
        step input_step = nullptr;
    };
    static const route routes[];

    LRESULT on_init_dialog(LPARAM mode);
    void on_destroy();

    LRESULT on_start(const input& in);
    LRESULT on_downloading_error(const input& in);
    LRESULT on_forward(const input& in);
    LRESULT on_get_selected_products(const input& in);
    LRESULT on_add_stats_event(const input& in);
    LRESULT on_send_stats_events(const input& in);
    LRESULT on_set_post_cancel(const input& in);
    LRESULT on_get_post_cancel(const input& in);
    LRESULT on_set_post_fail(const input& in);
    LRESULT on_get_post_fail(const input& in);
    LRESULT on_counters_arrived(const input& in);

    void apply(const install_flow::effects& effects, const input& in);
    void apply(const install_flow::effect& effect, const input& in);
    void post_to_self(install_flow::self_message message, int value);
    void forward_to_process(const input& in);
    // This run's folder for the downloads, made on first use; empty when it
    // cannot be made (the workers then fail).
    std::wstring download_folder();
    void choose_products(bool protection);
    void warn_protection_installed();
    void run_post_install_actions();

    void center_on_work_area();
    void set_caption_and_icons();
    // The embedded theme becomes the shared one, before any page asks for it.
    // Throws std::runtime_error "resource not found" when the executable lacks it.
    void load_theme();
    void bring_to_front();
    // Destroys the window and ends the message loop with `exit_code`.
    void end_run(int exit_code);
    // "%1% Installer" translated and filled with the protection product's name:
    // the caption of the uninstall modes and of every message box.
    std::wstring installer_caption() const;

    // Queues a send of the pending events on the background thread, unless one
    // is queued and not yet begun (it will take them all).
    void queue_stats_send();
    // Background thread: sends the events pending now; they stay pending when
    // the send fails, and events added meanwhile wait for the next send.
    void send_pending_events() noexcept;
    // Fetches the protection counters on the background thread; the dialog
    // takes them when they arrive (on_counters_arrived).
    void fetch_counters();

    install_flow::flow flow_{launch_mode::install};
    pages pages_;
    std::vector<product_descriptor> products_;
    std::unique_ptr<products_downloader> downloader_;
    std::unique_ptr<products_installer> installer_;
    std::unique_ptr<general::windows::private_folder> downloads_;
    language_table language_table_;
    protection_counters counters_;
    std::wstring installed_name_; // of the protection product, for the warning
    general::windows::unique_icon big_icon_;
    general::windows::unique_icon small_icon_;
    general::windows::srw_lock events_lock_;
    std::vector<int> pending_events_;
    std::atomic<bool> send_queued_ = false;
    std::optional<std::wstring> machine_id_; // background thread: computed once, on the first send
    general::windows::srw_lock counters_lock_;
    std::optional<protection_counters> fetched_counters_; // until the dialog takes them
    // Not owned; see the constructor.
    const general::windows::running_image* own_image_;
};
