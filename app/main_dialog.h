#pragma once
// The installer's one top-level window. It owns the pages and decides every
// transition, keeps the user's choices and the pending statistics events, and
// ends the run by posting the quit message with the process exit code.
//
// Runs on the user-interface thread only; pages and workers reach it through the
// registered messages of app/messages.h.
#include <winsock2.h>
#include <windows.h>

#include <vector>

#include "app/launch_mode.h"
#include "general/async_performer.h"
#include "general/log/log.h"
#include "general/windows/handle.h"
#include "general/windows/srw_lock.h"
#include "general/windows/ui/dialog.h"
#include "general/windows/ui/message_loop.h"
#include "views/base_ui_element.h"

class CMainDlg : public general::windows::ui::dialog,
                 public general::windows::ui::message_filter,
                 public general::windows::ui::idle_handler,
                 public general::log::prefix,
                 public general::async_performer,
                 public base_ui_element {
public:
    // Where the flow stands; decides what Cancel and quit do.
    enum stage_kind : int { choosing = 0, downloading = 1, download_failed = 2, installing = 3, finished = 4 };

    CMainDlg();
    ~CMainDlg() override;

    // The dialog's template in the executable's resources.
    static constexpr int template_id = 129;

    bool pre_translate_message(MSG& message) override;
    bool on_idle() override;

    launch_mode mode() const { return mode_; }

protected:
    bool handle_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

private:
    bool handle_registered(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
    LRESULT on_init_dialog(LPARAM mode);
    void on_destroy();
    void on_cancel_command(int command_id);

    void center_on_work_area();
    void set_caption_and_icons();
    // The embedded theme becomes the shared one, before any page asks for it.
    // Throws std::runtime_error "resource not found" when the executable lacks it.
    void load_theme();
    void bring_to_front();
    // Destroys the window and ends the message loop with `exit_code`.
    void end_run(int exit_code);
    void post_to_self(UINT message, WPARAM wparam = 0, LPARAM lparam = 0);

    void add_stats_event(int event);

    launch_mode mode_ = launch_mode::install;
    stage_kind stage_ = choosing;
    bool post_cancel_ = false;
    bool post_fail_ = false;
    int exit_prompts_ = 0;
    general::windows::unique_icon big_icon_;
    general::windows::unique_icon small_icon_;
    general::windows::srw_lock events_lock_;
    std::vector<int> pending_events_;
};
