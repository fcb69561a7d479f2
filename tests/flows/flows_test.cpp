// The main dialog's flows end to end: the real installer, started under Wine
// against the stand-in servers, is driven through its pages from outside
// (flow_driver.h). Each row of the table is one run: how it is started, what the
// user does, and what the run must leave behind: its exit code, the statistics
// events the stand-in received in order, what got installed, registry keys and
// log lines. The cases install into the Wine prefix and count the stand-in's
// reports, so they run one at a time (RUN_SERIAL) and clean the machine before
// and after each run.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "app/configuration.h"
#include "app/protection_counters.h"
#include "general/windows/system.h"
#include "general/windows/text.h"
#include "resources/resource_ids.h"
#include "views/counter_format.h"
#include "tests/flows/flow_driver.h"
#include "tests/support/child_program.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/stats_stand_in.h"

namespace {

using namespace std::chrono_literals;

struct step {
    enum kind { page, press, choose, box, cancel_command, pause, shows, answering } what;
    std::wstring name;      // the page's key, or the message box's caption
    int control = 0;        // the button or radio button, or the box's answer
    std::wstring text = {}; // part of the box's text
    std::chrono::seconds bound = 60s;
};

step page(const wchar_t* key, std::chrono::seconds bound = 60s)
{
    return {step::page, key, 0, {}, bound};
}
step press(int control)
{
    return {step::press, {}, control};
}
step choose(int control)
{
    return {step::choose, {}, control};
}
step box(int answer, const wchar_t* text)
{
    return {step::box, L"Varnhelm Sentovar Installer", answer, text};
}
step cancel_command()
{
    return {step::cancel_command};
}
// The current page's control `control` comes to show `text`.
step shows(int control, const std::wstring& text)
{
    return {step::shows, {}, control, text, 20s};
}
// For longer than a statistics request may take, the window answers at once.
step answering()
{
    return {step::answering, {}, 0, {}, 6s};
}
// Time for the installer to get on (the local download is done in well under it).
step pause(std::chrono::seconds length)
{
    return {step::pause, {}, 0, {}, length};
}

struct planted_value {
    HKEY hive;
    std::wstring key;
    std::wstring name;
    std::wstring value;
};

struct key_state {
    HKEY hive;
    std::wstring key;
    bool exists;
};

struct log_check {
    std::wstring text; // in some line of the log
    bool present;
};

struct scenario {
    std::string name;
    std::wstring arguments;
    std::vector<flows::variable> environment;
    std::vector<planted_value> planted;
    bool archiver_running = false; // a program named Quobex.exe runs meanwhile
    std::vector<step> steps;
    DWORD exit_code = 0;
    std::vector<std::string> events;
    bool archiver_installed = false;
    bool protection_installed = false;
    std::wstring edition; // HKLM "SOFTWARE\\ZEB" "qo" afterwards
    std::vector<key_state> keys;
    std::vector<log_check> log;
    std::chrono::seconds exit_bound = 60s; // from the last step to the end of the run
    int reports_held = 0;                  // the statistics stand-in holds this many reports unanswered first
};

void PrintTo(const scenario& s, std::ostream* out)
{
    *out << s.name;
}

std::string describe(const step& s)
{
    const std::string name = general::windows::wide_to_utf8(s.name);
    switch (s.what) {
    case step::page: return "wait for page \"" + name + "\"";
    case step::press: return "press control " + std::to_string(s.control);
    case step::choose: return "choose control " + std::to_string(s.control);
    case step::box: return "answer " + std::to_string(s.control) + " to the box \"" + name + "\"";
    case step::cancel_command: return "Cancel command";
    case step::pause: return "pause";
    case step::answering: return "the window keeps answering";
    case step::shows:
        return "wait for control " + std::to_string(s.control) + " to show \"" +
               general::windows::wide_to_utf8(s.text) + "\"";
    }
    return {};
}

void perform(flows::installer_run& run, const step& s)
{
    switch (s.what) {
    case step::page: run.wait_page(s.name, s.bound); break;
    case step::press: run.press(s.control); break;
    case step::choose: run.choose(s.control, s.bound); break;
    case step::box:
        if (const auto text = run.answer_box(s.name, s.control, s.bound); text.find(s.text) == std::wstring::npos)
            throw std::runtime_error("the box said \"" + general::windows::wide_to_utf8(text) + "\"");
        break;
    case step::cancel_command: run.dialog_cancel(s.bound); break;
    case step::pause: std::this_thread::sleep_for(s.bound); break;
    case step::shows: run.wait_text(s.control, s.text, s.bound); break;
    case step::answering: run.keep_answering(s.bound, 2s); break;
    }
}

const wchar_t* const installed_text =
    L"We have detected that you already have Sentovar installed, you cannot proceed to install Varnhelm Sentovar "
    L"until you have uninstalled Sentovar";
const wchar_t* const running_text = L"It seems like you have Quobex running at the moment.";
const wchar_t* const user_settings = L"SOFTWARE\\Varnhelm\\Sentovar";
const wchar_t* const editions = L"SOFTWARE\\ZEB";
const flows::variable statistics_down{L"QEL_TESTBED_STATISTICS", L"down"};
const flows::variable statistics_silent{L"QEL_TESTBED_STATISTICS", L"silent"};
// Far below a statistics request's 5 s time-out: a page that waited for the
// server would miss it.
constexpr std::chrono::seconds prompt = 3s;

flows::variable downloads(const wchar_t* fault)
{
    return {L"QEL_TESTBED_DOWNLOAD_PREFIX", fault};
}

// Start, choose the archiver alone and install it.
std::vector<step> archiver_alone(std::vector<step> then)
{
    std::vector<step> steps{page(L"start"), choose(IDC_ARCHIVER_ONLY_RADIO), press(IDOK)};
    steps.insert(steps.end(), then.begin(), then.end());
    return steps;
}

// The "/ud" run with the edition marker `ut` (none when empty).
scenario uninstalled(const char* name, const std::wstring& ut)
{
    std::vector<planted_value> planted{{HKEY_CURRENT_USER, user_settings, L"qel-flows", L"planted"},
                                       {HKEY_LOCAL_MACHINE, editions, L"qo", L"lite"}};
    if (!ut.empty())
        planted.push_back({HKEY_LOCAL_MACHINE, editions, L"ut", ut});
    const std::wstring full = L"opened " + configuration::full_survey_url();
    const std::wstring lite = L"opened " + configuration::lite_survey_url();
    return {.name = name,
            .arguments = L"/ud",
            .planted = planted,
            .steps = {page(L"uninstalled"), press(IDOK)},
            .events = {"uninstall-complete"},
            .keys = {{HKEY_LOCAL_MACHINE, editions, false}, {HKEY_CURRENT_USER, user_settings, ut != L"lite"}},
            .log = {{full, ut == L"full"}, {lite, ut == L"lite"}, {L"uninstall-survey", !ut.empty()}}};
}

std::vector<scenario> scenarios()
{
    // What the statistics stand-in counts, as the page writes it.
    const std::wstring counted_total = format_counter(41234567);
    const std::vector<step> leave_after_failure{cancel_command(), page(L"cancel"), press(IDCANCEL)};
    std::vector<step> unsigned_steps{page(L"start"), choose(IDC_BOTH_RADIO), press(IDOK), page(L"error")};
    unsigned_steps.insert(unsigned_steps.end(), leave_after_failure.begin(), leave_after_failure.end());
    std::vector<step> tampered_steps = archiver_alone({page(L"error")});
    tampered_steps.insert(tampered_steps.end(), leave_after_failure.begin(), leave_after_failure.end());

    return {
        {.name = "install_both",
         .steps = {page(L"start"), choose(IDC_BOTH_RADIO), press(IDOK), page(L"process"), page(L"finish"), press(IDOK)},
         .events = {"startpage-install-both", "completepage-ok"},
         .archiver_installed = true,
         .protection_installed = true,
         .edition = L"lite"},
        {.name = "archiver_only",
         .steps = archiver_alone({page(L"process"), page(L"finish"), press(IDOK)}),
         .events = {"startpage-install-quobex-only", "completepage-ok"},
         .archiver_installed = true},
        {.name = "protection_already_installed",
         .planted = {{HKEY_LOCAL_MACHINE, L"SOFTWARE\\Talmirex", L"Product", L"Sentovar"}},
         .steps = {page(L"start"), choose(IDC_BOTH_RADIO), press(IDOK), box(IDOK, installed_text), page(L"start"),
                   choose(IDC_ARCHIVER_ONLY_RADIO), press(IDOK), page(L"finish"), press(IDOK)},
         .events = {"startpage-install-both", "startpage-install-quobex-only", "completepage-ok"},
         .archiver_installed = true},
        // Only a run that installed the protection product leaves the copy its
        // removal runs; an earlier installation's recorded folder is not touched.
        {.name = "archiver_alone_leaves_an_earlier_protection_folder_alone",
         .planted = {{HKEY_LOCAL_MACHINE, L"SOFTWARE\\Talmirex", L"Path", L"C:\\windows\\temp\\"}},
         .steps = archiver_alone({page(L"finish"), press(IDOK)}),
         .events = {"startpage-install-quobex-only", "completepage-ok"},
         .archiver_installed = true,
         .log = {{L"copied the installer", false}}},
        {.name = "archiver_running_retry_then_cancel",
         .archiver_running = true,
         .steps = {box(IDRETRY, running_text), box(IDCANCEL, running_text)}},
        {.name = "cancel_page_install_goes_back_then_cancel_ends",
         .steps = {page(L"start"), press(IDCANCEL), page(L"cancel"), press(IDOK), page(L"start"), cancel_command(),
                   page(L"cancel"), press(IDCANCEL)},
         .events = {"startpage-cancel", "cancelpage-install", "cancelpage-cancel"}},
        {.name = "cancel_command_twice_then_install",
         .steps = {page(L"start"), cancel_command(), page(L"cancel"), cancel_command(), page(L"start"),
                   choose(IDC_ARCHIVER_ONLY_RADIO), press(IDOK), page(L"finish"), press(IDOK)},
         .events = {"postcancelpage-install-quobex-only", "completepage-ok"},
         .archiver_installed = true},
        {.name = "abandon_continue_during_slow_download",
         .environment = {downloads(L"/fault/slow/20000")},
         .steps = archiver_alone({page(L"process"), cancel_command(), page(L"abandon"), press(IDOK), page(L"process"),
                                  page(L"finish", 90s), press(IDOK)}),
         .events = {"startpage-install-quobex-only", "cancelpage-install", "completepage-ok"},
         .archiver_installed = true},
        // The download would trickle on for two minutes: leaving must not wait for it.
        {.name = "abandon_cancel_during_trickling_download_ends_promptly",
         .environment = {downloads(L"/fault/slow/120000")},
         .steps = archiver_alone({page(L"process"), cancel_command(), page(L"abandon"), press(IDCANCEL)}),
         .events = {"startpage-install-quobex-only", "cancelpage-cancel"},
         .exit_bound = 30s},
        // Leaving while the archiver's installer runs waits for it to end, then
        // removes the downloads with the file it held.
        {.name = "abandon_cancel_during_installation",
         .environment = {{L"QEL_FAKE_ARCHIVER_DELAY_MS", L"8000"}},
         .steps = archiver_alone({page(L"process"), pause(3s), cancel_command(), page(L"abandon"), press(IDCANCEL)}),
         .events = {"startpage-install-quobex-only", "cancelpage-cancel"},
         .archiver_installed = true},
        {.name = "not_found_then_try_again_then_leave",
         .environment = {downloads(L"/fault/404")},
         .steps = archiver_alone(
             {page(L"error"), press(IDOK), page(L"error"), cancel_command(), page(L"cancel"), press(IDCANCEL)}),
         .events = {"startpage-install-quobex-only", "failed-download-quobex", "postfail-retry",
                    "failed-download-quobex", "postfail-close", "postfail-close-cancel"}},
        {.name = "unsigned_file_ends_on_the_error_page",
         .environment = {downloads(L"/fault/unsigned")},
         .steps = unsigned_steps,
         .events = {"startpage-install-both", "postfail-close", "postfail-close-cancel"},
         .edition = L"lite"},
        {.name = "tampered_file_ends_on_the_error_page",
         .environment = {downloads(L"/fault/tampered")},
         .steps = tampered_steps,
         .events = {"startpage-install-quobex-only", "postfail-close", "postfail-close-cancel"}},
        {.name = "finish_page_cancel_button",
         .steps = archiver_alone({page(L"finish"), press(IDCANCEL)}),
         .events = {"startpage-install-quobex-only"},
         .archiver_installed = true},
        {.name = "finish_page_cancel_command",
         .steps = archiver_alone({page(L"finish"), cancel_command()}),
         .exit_code = 2,
         .events = {"startpage-install-quobex-only"},
         .archiver_installed = true},
        {.name = "uninstall_keep",
         .arguments = L"/u",
         .steps = {page(L"step1"), shows(IDC_TEXT8, counted_total), choose(IDC_KEEP_RADIO), press(IDOK)},
         .exit_code = 2,
         .events = {"uninstall-page1-abort", "uninstall-page1-ok"}},
        {.name = "uninstall_go_on",
         .arguments = L"/u",
         .steps = {page(L"step1"), choose(IDC_REMOVE_RADIO), press(IDOK), page(L"step3"), choose(IDC_REMOVE_RADIO),
                   press(IDOK)},
         .events = {"uninstall-page1-continue", "uninstall-page1-ok", "uninstall-page2-continue",
                    "uninstall-page2-finish"}},
        {.name = "uninstall_cancel_on_the_last_page",
         .arguments = L"/u",
         .steps = {page(L"step1"), choose(IDC_REMOVE_RADIO), press(IDOK), page(L"step3"), press(IDCANCEL)},
         .exit_code = 2,
         .events = {"uninstall-page1-continue", "uninstall-page1-ok", "uninstall-page2-cancel"}},
        uninstalled("uninstalled_full_edition", L"full"),
        uninstalled("uninstalled_lite_edition", L"lite"),
        uninstalled("uninstalled_without_edition", L""),
        // A failed installation is never reported as installed: the error is
        // shown, the run ends as for any installation error, nothing after the
        // failed product is installed and no post-install action runs.
        {.name = "archiver_installer_fails",
         .environment = {{L"QEL_FAKE_ARCHIVER_EXIT_CODE", L"1603"}},
         .steps = {page(L"start"), choose(IDC_BOTH_RADIO), press(IDOK), page(L"process"),
                   box(IDOK, L"Quobex installation failed")},
         .events = {"startpage-install-both"},
         .edition = L"lite",
         .log = {{L"Quobex installer ended with 1603", true},
                 {L"processing Varnhelm Sentovar", false},
                 {L"starting the tray", false}}},
        {.name = "protection_package_fails",
         .environment = {downloads(L"/fault/failing")},
         .steps = {page(L"start"), choose(IDC_BOTH_RADIO), press(IDOK), page(L"process"),
                   box(IDOK, L"Varnhelm Sentovar installation failed")},
         .events = {"startpage-install-both"},
         .archiver_installed = true,
         .edition = L"lite",
         .log = {{L"Varnhelm Sentovar installer ended with 1603", true}, {L"starting the tray", false}}},
        {.name = "archiver_needing_a_restart_counts_as_installed",
         .environment = {{L"QEL_FAKE_ARCHIVER_EXIT_CODE", L"3010"}},
         .steps = archiver_alone({page(L"finish"), press(IDOK)}),
         .events = {"startpage-install-quobex-only", "completepage-ok"},
         .archiver_installed = true,
         .log = {{L"Quobex installer ended with 3010: installed", true}}},
        // A transfer broken off half-way continues by itself from where it
        // stopped: the user never sees the error page.
        {.name = "a_broken_transfer_continues_without_the_error_page",
         .environment = {downloads(L"/fault/ranges/fault/fail-flowsbroken/1/fault/reset")},
         .steps = {page(L"start"), choose(IDC_BOTH_RADIO), press(IDOK), page(L"process"), page(L"finish"), press(IDOK)},
         .events = {"startpage-install-both", "completepage-ok"},
         .archiver_installed = true,
         .protection_installed = true,
         .edition = L"lite",
         .log = {{L"attempt 1 of 4 for ", true}, {L"continuing ", true}}},
        // Reports cannot go out; every page still comes at once, since nothing
        // the window does waits for the statistics server.
        {.name = "statistics_server_down",
         .environment = {statistics_down},
         .steps = archiver_alone({page(L"process", prompt), page(L"finish"), press(IDOK)}),
         .archiver_installed = true},
        {.name = "statistics_server_never_answers",
         .environment = {statistics_silent},
         .steps = archiver_alone({page(L"process", prompt), answering(), page(L"finish"), press(IDOK)}),
         .archiver_installed = true},
        {.name = "uninstall_keep_while_the_statistics_server_never_answers",
         .arguments = L"/u",
         .environment = {statistics_silent},
         .steps = {page(L"step1", prompt), shows(IDC_TEXT8, format_counter(protection_counters{}.total)),
                   choose(IDC_KEEP_RADIO), press(IDOK)},
         .exit_code = 2},
        {.name = "uninstall_go_on_while_the_statistics_server_never_answers",
         .arguments = L"/u",
         .environment = {statistics_silent},
         .steps = {page(L"step1", prompt), choose(IDC_REMOVE_RADIO), press(IDOK), page(L"step3", prompt),
                   choose(IDC_REMOVE_RADIO), press(IDOK)}},
        // The first report gets no answer; the events wait and go out with the
        // next one, each once and in order.
        {.name = "events_reach_a_statistics_server_that_answers_again",
         .steps = {page(L"start"), choose(IDC_BOTH_RADIO), press(IDOK), page(L"process", prompt), page(L"finish"),
                   press(IDOK)},
         .events = {"startpage-install-both", "completepage-ok"},
         .archiver_installed = true,
         .protection_installed = true,
         .edition = L"lite",
         .reports_held = 1},
    };
}

class flow : public testing::TestWithParam<scenario> {
protected:
    void SetUp() override { flows::clean_machine(); }
    void TearDown() override
    {
        test_support::stats_stand_in::hold_next_reports(0);
        flows::clean_machine();
        for (const auto& value : GetParam().planted)
            if (value.hive == HKEY_CURRENT_USER)
                RegDeleteKeyValueW(value.hive, value.key.c_str(), value.name.c_str());
    }
};

TEST_P(flow, ends_as_the_user_chose)
{
    const scenario& s = GetParam();
    test_support::scratch_folder temp;
    for (const auto& value : s.planted)
        flows::plant_text(value.hive, value.key, value.name, value.value);
    test_support::scratch_folder elsewhere;
    std::optional<test_support::process_killer> archiver;
    if (s.archiver_running) {
        const auto program = test_support::copy_child_program(elsewhere.path(), L"Quobex.exe");
        const DWORD id = general::windows::create_process(L"\"" + program.wstring() + L"\" 0 120000", false, true);
        ASSERT_NE(id, 0u) << "error " << GetLastError();
        archiver.emplace(id);
        ASSERT_TRUE(test_support::wait_for_child_record(program, 10s).has_value());
    }

    const std::size_t watermark = flows::reports_received();
    test_support::stats_stand_in::hold_next_reports(s.reports_held);
    flows::installer_run run(s.arguments, temp.path(), s.environment);
    for (std::size_t i = 0; i < s.steps.size(); ++i) {
        try {
            perform(run, s.steps[i]);
        } catch (const std::exception& failure) {
            FAIL() << "step " << i + 1 << " (" << describe(s.steps[i]) << "): " << failure.what() << "\nlog:\n"
                   << flows::log_tail(temp.path());
        }
    }
    const auto code = run.wait_exit(s.exit_bound);
    ASSERT_TRUE(code.has_value()) << "the run did not end within " << s.exit_bound.count() << " s of the last step; "
                                  << run.describe() << "\nlog:\n"
                                  << flows::log_tail(temp.path());
    EXPECT_EQ(*code, s.exit_code);
    EXPECT_EQ(flows::events_since(watermark), s.events);

    // The desktop's shell starts the tray on its own time, and the first start
    // of a run waits for the shell itself; the wait ends when the tray has run.
    const auto state = flows::read_machine_state(temp.path(), s.protection_installed ? 30s : 0s);
    if (s.archiver_installed) {
        ASSERT_TRUE(state.archiver_command_line.has_value()) << "the archiver's installer did not run";
        EXPECT_TRUE(state.archiver_command_line->ends_with(L" /s1"));
        EXPECT_TRUE(state.archiver_installed);
    } else {
        EXPECT_FALSE(state.archiver_command_line.has_value());
        EXPECT_FALSE(state.archiver_installed);
    }
    // Without an installation now, the folder stays what an earlier one recorded.
    std::wstring recorded;
    for (const auto& value : s.planted)
        if (value.key == L"SOFTWARE\\Talmirex" && value.name == L"Path")
            recorded = value.value;
    EXPECT_EQ(state.protection_path, s.protection_installed ? L"C:\\Program Files\\Sentovar\\" : recorded);
    EXPECT_EQ(state.tray_present, s.protection_installed);
    EXPECT_EQ(state.tray_ran, s.protection_installed)
        << "the tray program's start; tray programs running now: " << state.trays_running;
    EXPECT_EQ(state.installer_copy, s.protection_installed) << "the installer's copy beside the product";
    EXPECT_EQ(state.edition_marker, s.edition);
    for (const auto& key : s.keys)
        EXPECT_EQ(flows::key_exists(key.hive, key.key), key.exists) << general::windows::wide_to_utf8(key.key);

    const std::string log = flows::log_text(temp.path());
    for (const auto& line : s.log)
        EXPECT_EQ(log.find(general::windows::wide_to_utf8(line.text)) != std::string::npos, line.present)
            << general::windows::wide_to_utf8(line.text);
    EXPECT_NE(flows::log_tail(temp.path(), 1).find("| Stopped"), std::string::npos);
    // The run's own download folder goes with the run, whatever the way out.
    if (const auto folder = flows::download_folder(temp.path()); !folder.empty()) {
        EXPECT_FALSE(std::filesystem::exists(folder)) << "left behind: " << folder.string();
    }
    if (HasFailure())
        std::cout << "log:\n" << flows::log_tail(temp.path(), 60);
}

INSTANTIATE_TEST_SUITE_P(scenarios, flow, testing::ValuesIn(scenarios()),
                         [](const testing::TestParamInfo<scenario>& info) { return info.param.name; });

} // namespace
