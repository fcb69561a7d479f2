// What each page sends to the main dialog for each choice, in order.
#include <functional>

#include "messages/messages.h"
#include "tests/views/pages/page_fixture.h"
#include "views/cancel_view.h"
#include "views/error_view.h"
#include "views/finish_view.h"
#include "views/start_view.h"
#include "views/uninstall_steps_view.h"
#include "views/uninstall_view.h"

using namespace page_tests;
using test_support::host_message;
using test_support::posted;
using test_support::reported;
using test_support::sent;

namespace {

struct action_case {
    const char* name;
    std::function<std::unique_ptr<base_view>()> make;
    std::vector<int> clicks; // buttons and radio buttons, in order; links get their command
    std::function<std::vector<host_message>()> expected;
    LRESULT post_cancel = 0;
    LRESULT post_fail = 0;
};

template <typename Page, typename... Arguments>
std::function<std::unique_ptr<base_view>()> make(Arguments... arguments)
{
    return [=] { return std::make_unique<Page>(arguments...); };
}

bool is_link(int control)
{
    return control == IDC_PROTECTION_LICENCE_LINK || control == IDC_ARCHIVER_LICENCE_LINK ||
           control == IDC_AGREEMENT_LINK || control == IDC_WHY_LINK;
}

// Addresses that open nothing, so the link cases start no browser.
const link_addresses nowhere{};

// One case a line, as a table reads.
// clang-format off
const action_case cases[] = {
    {"start: install both", make<start_view>(nowhere), {IDOK},
     [] { return std::vector{posted(messages::start, 1, 0), sent(messages::get_post_cancel), reported(1)}; }},
    {"start: install the archiver alone", make<start_view>(nowhere), {IDC_ARCHIVER_ONLY_RADIO, IDOK},
     [] { return std::vector{posted(messages::start, 0, 1), sent(messages::get_post_cancel), reported(2)}; }},
    {"start: install both after a cancel", make<start_view>(nowhere), {IDOK},
     [] { return std::vector{posted(messages::start, 1, 0), sent(messages::get_post_cancel), reported(13)}; }, 1},
    {"start: archiver alone after a cancel", make<start_view>(nowhere), {IDC_ARCHIVER_ONLY_RADIO, IDOK},
     [] { return std::vector{posted(messages::start, 0, 1), sent(messages::get_post_cancel), reported(14)}; }, 1},
    {"start: cancel", make<start_view>(nowhere), {IDCANCEL},
     [] { return std::vector{posted(messages::set_post_cancel, 1), reported(4), posted(messages::quit)}; }},
    {"start: protection licence", make<start_view>(nowhere), {IDC_PROTECTION_LICENCE_LINK},
     [] { return std::vector{reported(6)}; }},
    {"start: archiver licence", make<start_view>(nowhere), {IDC_ARCHIVER_LICENCE_LINK},
     [] { return std::vector{reported(5)}; }},
    {"start: agreement", make<start_view>(nowhere), {IDC_AGREEMENT_LINK}, [] { return std::vector{reported(5)}; }},
    {"start: why recommended", make<start_view>(nowhere), {IDC_WHY_LINK},
     [] { return std::vector{sent(messages::get_post_cancel), reported(3)}; }},
    {"start: why recommended after a cancel", make<start_view>(nowhere), {IDC_WHY_LINK},
     [] { return std::vector{sent(messages::get_post_cancel), reported(12)}; }, 1},
    {"finish: OK", make<finish_view>(), {IDOK}, [] { return std::vector{reported(7), posted(messages::quit)}; }},
    {"finish: the hidden second button", make<finish_view>(), {IDCANCEL},
     [] { return std::vector{posted(messages::quit)}; }},
    {"error: try again", make<error_view>(), {IDOK}, [] { return std::vector{reported(17), posted(messages::start)}; }},
    {"cancel: install", make<cancel_view>(nowhere), {IDOK},
     [] { return std::vector{sent(messages::get_post_fail), reported(9), posted(messages::start)}; }},
    {"cancel: install after a failed download", make<cancel_view>(nowhere), {IDOK},
     [] { return std::vector{sent(messages::get_post_fail), reported(20), posted(messages::start)}; }, 0, 1},
    {"cancel: cancel", make<cancel_view>(nowhere), {IDCANCEL},
     [] { return std::vector{sent(messages::get_post_fail), reported(8), posted(messages::quit)}; }},
    {"cancel: cancel after a failed download", make<cancel_view>(nowhere), {IDCANCEL},
     [] { return std::vector{sent(messages::get_post_fail), reported(19), posted(messages::quit)}; }, 0, 1},
    {"cancel: protection licence", make<cancel_view>(nowhere), {IDC_PROTECTION_LICENCE_LINK},
     [] { return std::vector{reported(11)}; }},
    {"cancel: agreement", make<cancel_view>(nowhere), {IDC_AGREEMENT_LINK}, [] { return std::vector{reported(10)}; }},
    {"abandon: continue", make<abandon_view>(), {IDOK}, [] { return std::vector{reported(9), posted(messages::start)}; }},
    {"abandon: cancel asks nothing", make<abandon_view>(), {IDCANCEL},
     [] { return std::vector{reported(8), posted(messages::quit)}; }, 1, 1},
    {"uninstall: uninstall", make<uninstall_view>(), {IDOK}, [] { return std::vector{posted(messages::uninstall)}; }},
    {"uninstall: cancel", make<uninstall_view>(), {IDCANCEL}, [] { return std::vector{posted(messages::quit)}; }},
    {"step 1: keep", make<uninstall_step1_view>(), {IDOK},
     [] { return std::vector{reported(21), reported(24), posted(messages::abort_uninstall)}; }},
    {"step 1: go on", make<uninstall_step1_view>(), {IDC_REMOVE_RADIO, IDOK},
     [] { return std::vector{reported(22), reported(24), posted(messages::uninstall_step3)}; }},
    {"step 1: cancel", make<uninstall_step1_view>(), {IDCANCEL},
     [] { return std::vector{reported(23), posted(messages::abort_uninstall)}; }},
    {"step 2: keep", make<uninstall_step2_view>(), {IDOK},
     [] { return std::vector{posted(messages::abort_uninstall)}; }},
    {"step 2: go on", make<uninstall_step2_view>(), {IDC_REMOVE_RADIO, IDOK},
     [] { return std::vector{posted(messages::uninstall_step3)}; }},
    {"step 2: cancel", make<uninstall_step2_view>(), {IDCANCEL},
     [] { return std::vector{posted(messages::abort_uninstall)}; }},
    {"step 3: keep", make<uninstall_step3_view>(), {IDOK},
     [] { return std::vector{reported(25), reported(28), posted(messages::abort_uninstall)}; }},
    {"step 3: go on", make<uninstall_step3_view>(), {IDC_REMOVE_RADIO, IDOK},
     [] { return std::vector{reported(26), reported(28), posted(messages::quit)}; }},
    {"step 3: cancel", make<uninstall_step3_view>(), {IDCANCEL},
     [] { return std::vector{reported(27), posted(messages::abort_uninstall)}; }},
    {"uninstalled: finish", make<uninstalled_view>(), {IDOK}, [] { return std::vector{posted(messages::uninstalled)}; }},
};
// clang-format on

class page_actions : public page_test {
protected:
    std::vector<host_message> run(const action_case& c)
    {
        auto page = c.make();
        EXPECT_NE(nullptr, show(*page));
        host.post_cancel = c.post_cancel;
        host.post_fail = c.post_fail;
        host.clear();
        for (const int control : c.clicks) {
            // Links, and buttons a user can't reach (hidden), get their command directly.
            if (is_link(control) || !IsWindowVisible(GetDlgItem(page->hwnd(), control)))
                command(*page, control);
            else
                click(*page, control);
        }
        return host.received();
    }
};

} // namespace

TEST_F(page_actions, each_choice_sends_its_messages_and_events_in_order)
{
    for (const auto& c : cases) {
        const auto received = run(c);
        EXPECT_EQ(received, c.expected()) << c.name << "\n got: " << describe(received);
    }
}

// Commands of controls a page does not have are not the page's business.
TEST_F(page_actions, unknown_commands_send_nothing)
{
    for (const auto& c : cases) {
        auto page = c.make();
        show(*page);
        host.clear();
        command(*page, 4321);
        EXPECT_TRUE(host.received().empty()) << c.name;
    }
}
