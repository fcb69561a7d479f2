// The main dialog's decisions without a window: a small stand-in for the message
// loop delivers what the flow posts to itself, so every scenario runs from the
// user's and the workers' inputs to the pages shown, the workers started, the
// events the dialog itself reports and the exit code.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/install_flow.h"

using namespace install_flow;

namespace {

std::string narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

// Applies effects as the dialog would, recording what a person or a server
// would notice.
struct simulated_dialog {
    explicit simulated_dialog(launch_mode mode) : flow_(mode) { run(flow_.initialised()); }

    void input(const std::string& token)
    {
        static const std::map<std::string, effects (flow::*)()> plain = {
            {"quit", &flow::quit},
            {"cancel", &flow::cancel_command},
            {"failed", &flow::downloading_error},
            {"downloaded", &flow::installations_downloaded},
            {"install-error", &flow::installation_error},
            {"done", &flow::installations_done},
            {"step2", &flow::step2},
            {"step3", &flow::step3},
            {"abort", &flow::abort_uninstall},
            {"uninstall", &flow::uninstall},
            {"uninstalled", &flow::uninstalled},
        };
        if (token == "both")
            run(flow_.start(true, false, false));
        else if (token == "both-queued") {
            // The posts stay queued until the next input has been handled.
            hold = true;
            run(flow_.start(true, false, false));
            hold = false;
        } else if (token == "both-installed")
            run(flow_.start(true, false, true));
        else if (token == "archiver")
            run(flow_.start(false, true, false));
        else if (token == "start0" || token == "ok")
            run(flow_.start(false, false, false));
        else if (auto found = plain.find(token); found != plain.end())
            run((flow_.*found->second)());
        else
            ADD_FAILURE() << "unknown input " << token;
    }

    void run(const effects& list)
    {
        for (const effect& e : list) {
            if (ended)
                return; // the window is gone: nothing else happens
            switch (e.what) {
            case effect::show:
            case effect::show_new: pages.push_back(narrow(name_of(e.target))); break;
            case effect::post: queue.push_back(e); break;
            case effect::add_event: events.push_back(e.value); break;
            case effect::choose_products: choices.push_back(e.value ? "both" : "archiver"); break;
            case effect::start_downloader: ++downloaders; break;
            case effect::start_installer: ++installers; break;
            case effect::end_run:
                ended = true;
                exit_code = e.value;
                break;
            default: notes.push_back(narrow(describe(e))); break;
            }
        }
        deliver();
    }

    // The message loop: what was posted arrives after the handler returned.
    void deliver()
    {
        if (hold)
            return;
        while (!queue.empty() && !ended) {
            const effect e = queue.front();
            queue.pop_front();
            switch (e.message) {
            case self_message::send_stats_events: ++sends; break;
            case self_message::download_installations: run(flow_.download_installations()); break;
            case self_message::start_installations: run(flow_.start_installations()); break;
            case self_message::finish: run(flow_.finish()); break;
            case self_message::step1: run(flow_.step1()); break;
            case self_message::step3: run(flow_.step3()); break;
            case self_message::set_post_cancel: flow_.set_post_cancel(e.value != 0); break;
            case self_message::set_post_fail: flow_.set_post_fail(e.value != 0); break;
            case self_message::add_stats_event: events.push_back(e.value); break;
            }
        }
    }

    std::string page_trail() const
    {
        std::string text;
        for (const auto& each : pages)
            text += (text.empty() ? "" : " ") + each;
        return text;
    }

    flow flow_;
    std::deque<effect> queue;
    std::vector<std::string> pages, choices, notes;
    std::vector<int> events;
    int downloaders = 0, installers = 0, sends = 0;
    bool ended = false;
    bool hold = false;
    int exit_code = -1;
};

struct scenario {
    const char* name;
    launch_mode mode;
    const char* inputs;           // blank-separated
    const char* pages;            // every page shown, in order
    int exit_code;                // -1: still running
    std::vector<int> events = {}; // reported by the dialog itself
    int downloaders = 0;
    std::vector<std::string> choices = {};
};

// clang-format off
const scenario scenarios[] = {
    {"install_both_to_finish_ok", install, "both downloaded done quit", "start process finish", 0, {}, 1, {"both"}},
    {"archiver_alone", install, "archiver downloaded done", "start process finish", -1, {}, 1, {"archiver"}},
    {"protection_installed_then_archiver", install, "both-installed archiver", "start process", -1, {}, 1, {"archiver"}},
    {"ok_command_before_a_choice_does_nothing", install, "ok", "start", -1},
    {"start_page_cancel_button_then_cancel", install, "quit quit", "start cancel", 0},
    {"cancel_page_install_goes_back", install, "quit start0 both", "start cancel start process", -1, {}, 1, {"both"}},
    {"cancel_command_twice_toggles", install, "cancel cancel", "start cancel start", -1},
    {"abandon_continue", install, "both quit start0", "start process abandon process", -1, {}, 1, {"both"}},
    {"abandon_cancel_ends_0", install, "both quit quit", "start process abandon", 0, {}, 1, {"both"}},
    // The Cancel command handled before the posted download request arrives.
    {"cancel_before_the_download_request_arrives", install, "both-queued cancel", "start process abandon", -1, {}, 1, {"both"}},
    {"cancel_command_while_downloading", install, "both cancel cancel", "start process abandon process", -1, {}, 1, {"both"}},
    {"retry_keeps_the_choice_and_list", install, "both failed start0", "start process error process", -1, {}, 2, {"both"}},
    {"failure_cancel_command_reports_18", install, "archiver failed cancel", "start process error cancel", -1, {18}, 1, {"archiver"}},
    {"failure_back_to_start_choose_again", install, "both failed cancel start0 archiver",
     "start process error cancel start process", -1, {18}, 2, {"both", "archiver"}},
    {"failure_while_abandon_shows", install, "both quit failed cancel", "start process abandon error cancel", -1, {18}, 1, {"both"}},
    {"failure_then_page_cancel_ends_0", install, "both failed quit", "start process error abandon", -1, {}, 1, {"both"}},
    {"finish_cancel_command_ends_2", install, "both downloaded done cancel", "start process finish", 2, {}, 1, {"both"}},
    {"finish_ok_command_ends_0", install, "archiver downloaded done ok", "start process finish", 0, {}, 1, {"archiver"}},
    {"installer_error_ends_after_telling", install, "both downloaded install-error", "start process", 0, {}, 1, {"both"}},
    {"uninstall_keep_on_page1", uninstall, "abort", "step1", 2},
    {"uninstall_go_on_through_step3", uninstall, "step3 quit", "step1 step3", 0},
    {"uninstall_start_shows_step1_again", uninstall, "ok", "step1 step1", -1},
    {"uninstall_cancel_command_reports_23", uninstall, "cancel", "step1", 2, {23}},
    {"uninstall_step2_then_keep", uninstall, "step2 abort", "step1 step2", 2},
    {"uninstalled_ok", uninstalled, "uninstalled", "uninstalled", 0, {29}},
    {"uninstalled_ok_command", uninstalled, "ok", "uninstalled", 0, {29}},
    {"uninstalled_cancel_command_ends_2", uninstalled, "cancel", "uninstalled", 2},
    {"uninstall_page_removes_then_closing_page", uninstall, "uninstall ok", "step1 uninstalled", 0},
};
// clang-format on

class install_flow_scenarios : public testing::TestWithParam<scenario> {};

} // namespace

TEST_P(install_flow_scenarios, lead_from_inputs_to_pages_workers_events_and_exit)
{
    const scenario& s = GetParam();
    simulated_dialog dialog(s.mode);
    std::istringstream inputs(s.inputs);
    for (std::string token; inputs >> token;) {
        ASSERT_FALSE(dialog.ended) << "input " << token << " after the run ended";
        dialog.input(token);
    }
    EXPECT_EQ(s.pages, dialog.page_trail());
    EXPECT_EQ(s.exit_code, dialog.ended ? dialog.exit_code : -1);
    EXPECT_EQ(s.events, dialog.events);
    EXPECT_EQ(s.downloaders, dialog.downloaders);
    EXPECT_EQ(s.choices, dialog.choices);
}

INSTANTIATE_TEST_SUITE_P(table, install_flow_scenarios, testing::ValuesIn(scenarios),
                         [](const testing::TestParamInfo<scenario>& info) { return std::string(info.param.name); });

TEST(install_flow, flags_and_prompts_follow_the_leave_pages)
{
    simulated_dialog dialog(install);
    dialog.input("cancel");
    EXPECT_TRUE(dialog.flow_.post_cancel()) << "the Cancel command sets post cancel through its post";
    EXPECT_EQ(1, dialog.flow_.exit_prompts());
    dialog.input("cancel");
    EXPECT_EQ(0, dialog.flow_.exit_prompts());
    EXPECT_TRUE(dialog.flow_.post_cancel()) << "and it stays set for the next Install";

    dialog.input("both");
    EXPECT_FALSE(dialog.flow_.post_fail());
    dialog.input("failed");
    EXPECT_TRUE(dialog.flow_.post_fail());
    dialog.input("start0");
    EXPECT_FALSE(dialog.flow_.post_fail()) << "cleared when the new download starts";
    EXPECT_TRUE(dialog.flow_.protection_selected()) << "Try again keeps the protection product's logo";
    EXPECT_EQ(stage::downloading, dialog.flow_.current_stage());
}

TEST(install_flow, every_leave_request_and_download_start_sends_the_events)
{
    simulated_dialog dialog(install);
    dialog.input("quit");     // to the cancel page
    dialog.input("start0");   // back
    dialog.input("archiver"); // a download starts
    EXPECT_EQ(2, dialog.sends);
    dialog.input("done");
    EXPECT_NE(std::find(dialog.notes.begin(), dialog.notes.end(), "post_install_actions"), dialog.notes.end());
    EXPECT_NE(std::find(dialog.notes.begin(), dialog.notes.end(), "destroy process"), dialog.notes.end())
        << "the finish page replaces the process page for good";
}

TEST(install_flow, the_uninstall_page_hides_the_dialog_while_the_product_is_removed)
{
    simulated_dialog dialog(uninstall);
    dialog.input("uninstall");
    const std::vector<std::string> expected = {"hide_dialog", "remove_product", "show_dialog"};
    EXPECT_EQ(expected, dialog.notes);
    EXPECT_EQ(stage::finished, dialog.flow_.current_stage());
}
