// What the pages show: every control their layout names exists and carries its
// text, translations fit their placeholders, the chosen products decide the
// logos, the process page's bar and status, and the counters.
#include "tests/views/pages/page_fixture.h"

#include <commctrl.h>

#include <thread>

#include <boost/format.hpp>

#include "messages/messages.h"
#include "tests/support/child_program.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/text_census.h"
#include "views/cancel_view.h"
#include "views/counter_format.h"
#include "views/progress.h"
#include "views/error_view.h"
#include "views/finish_view.h"
#include "views/process_view.h"
#include "views/start_view.h"
#include "views/uninstall_steps_view.h"
#include "views/uninstall_view.h"

using namespace page_tests;
using namespace std::chrono_literals;

namespace {

using test_support::every_page;
using test_support::layout_of;

class page_content : public page_test {};

} // namespace

TEST_F(page_content, every_control_of_every_layout_exists_and_carries_its_text)
{
    for (auto& page : every_page()) {
        ASSERT_NE(nullptr, show(*page)) << page->template_id();
        const page_layout layout = layout_of(*page);
        const std::string where = "template " + std::to_string(page->template_id());
        for (const auto& item : layout.pictures)
            EXPECT_NE(nullptr, GetDlgItem(page->hwnd(), item.control)) << where << " picture " << item.control;
        for (const auto& item : layout.texts) {
            const auto* label = page->label_at(item.control);
            ASSERT_TRUE(label && label->hwnd()) << where << " text " << item.control;
            EXPECT_EQ(window_text(label->hwnd()), label->text()) << where << " text " << item.control;
            EXPECT_EQ(label->text().empty(), item.source.empty()) << where << " text " << item.control;
        }
        for (const auto& item : layout.links) {
            const auto* link = page->link_at(item.control);
            ASSERT_TRUE(link && link->hwnd()) << where << " link " << item.control;
            EXPECT_EQ(window_text(link->hwnd()), link->label()) << where;
            EXPECT_FALSE(link->label().empty()) << where;
            EXPECT_EQ(link->extended_style(), general::ui::hyperlink::command_button_style);
        }
        for (const auto& item : layout.radios)
            EXPECT_FALSE(window_text(GetDlgItem(page->hwnd(), item.control)).empty()) << where << " " << item.control;
        for (const auto& item : layout.buttons) {
            const auto* button = page->button_at(item.control);
            ASSERT_TRUE(button && button->hwnd()) << where << " button " << item.control;
            EXPECT_EQ(window_text(button->hwnd()), button->text()) << where;
            EXPECT_FALSE(button->text().empty()) << where;
        }
        // The first radio button is the recommended choice.
        if (!layout.radios.empty()) {
            EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(page->hwnd(), layout.radios.front().control)) << where;
        }
    }
}

// A translation whose placeholders don't fit would leave a page with the English
// fallback (or, unguarded, without its text): every catalogue must fit every page.
TEST_F(page_content, every_translation_a_page_uses_fits_its_placeholders)
{
    for (const wchar_t* language : {L"en_GB", L"pt_BR"}) {
        general::translation::set_language(language);
        for (auto& page : every_page()) {
            const page_layout layout = layout_of(*page);
            auto check = [&](const std::wstring& source, const std::vector<std::wstring>& arguments) {
                if (arguments.empty())
                    return;
                boost::wformat format(general::translation::translate(page->name(), source));
                for (const auto& argument : arguments)
                    format % argument;
                EXPECT_NO_THROW(format.str()) << page->template_id();
            };
            for (const auto& item : layout.texts)
                check(item.source, item.arguments);
            for (const auto& item : layout.links)
                check(item.source, item.arguments);
            for (const auto& item : layout.radios)
                check(item.source, item.arguments);
        }
    }
}

TEST_F(page_content, pages_in_portuguese_show_the_catalogue_texts)
{
    general::translation::set_language(L"pt_BR");
    const auto& catalogue = general::translation::manager::instance().languages().at(L"pt_BR").contexts;
    start_view start{{}};
    show(start);
    EXPECT_EQ(start.button_at(IDOK)->text(), catalogue.at(L"StartView").at(L"Install"));
    EXPECT_NE(start.button_at(IDOK)->text(), L"Install");
    uninstalled_view uninstalled;
    show(uninstalled);
    const std::wstring removed = uninstalled.header()->text();
    EXPECT_NE(removed.find(L"Sentovar"), std::wstring::npos) << general::windows::wide_to_utf8(removed);
    EXPECT_NE(removed, L"We have removed Sentovar from your computer.");
}

// Without the protection product the archiver's logo takes its place.
TEST_F(page_content, process_and_error_pages_show_the_logos_of_the_chosen_products)
{
    for (int which = 0; which < 2; ++which) {
        auto make = [&]() -> std::unique_ptr<base_view> {
            if (which == 0)
                return std::make_unique<process_view>();
            return std::make_unique<error_view>();
        };
        host.selected_products = 1;
        auto both = make();
        show(*both);
        host.selected_products = 0;
        auto archiver_only = make();
        show(*archiver_only);
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(both->hwnd(), base_view::logo_control))) << which;
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(archiver_only->hwnd(), base_view::logo_control))) << which;
        const RECT moved = box_of(archiver_only->hwnd(), base_view::archiver_logo_control);
        const RECT kept = box_of(both->hwnd(), base_view::archiver_logo_control);
        EXPECT_EQ(moved.left, kept.left + 170) << which;
        EXPECT_EQ(moved.top, kept.top) << which;
    }
}

TEST_F(page_content, the_process_page_moves_its_bar_only_for_a_known_whole)
{
    process_view page;
    show(page);
    HWND bar = GetDlgItem(page.hwnd(), IDC_PROGRESS);
    EXPECT_TRUE(IsWindowVisible(bar));
    ASSERT_NE(nullptr, page.animation());
    EXPECT_TRUE(page.animation()->started());
    struct step {
        WPARAM part;
        LPARAM whole;
        int position;
    };
    for (const auto& s : {step{50, 200, 25}, step{0, 200, 25}, step{50, 0, 25}, step{199, 200, 99}, step{200, 200, 100},
                          step{1, 3, 33}}) {
        SetWindowLongPtrW(bar, GWL_STYLE, GetWindowLongPtrW(bar, GWL_STYLE) | PBS_MARQUEE);
        EXPECT_EQ(1, SendMessageW(page.hwnd(), messages::downloading_progress, s.part, s.whole));
        EXPECT_EQ(s.position, SendMessageW(bar, PBM_GETPOS, 0, 0)) << s.part << "/" << s.whole;
        EXPECT_FALSE(GetWindowLongPtrW(bar, GWL_STYLE) & PBS_MARQUEE) << "the marquee is switched off";
    }
}

TEST(progress_position, takes_the_share_in_single_precision_and_stays_in_the_bar)
{
    struct row {
        std::uint32_t part;
        std::int32_t whole;
        std::optional<int> position;
    };
    for (const auto& r : {row{50, 200, 25}, row{0, 200, std::nullopt}, row{50, 0, std::nullopt}, row{1, 3, 33},
                          row{4000000000u, 1, 100}, row{5, -10, 0}, row{16777217, 16777216, 100}, row{2, 3, 66}})
        EXPECT_EQ(progress_position(r.part, r.whole), r.position) << r.part << "/" << r.whole;
}

TEST_F(page_content, the_process_page_shows_and_frees_the_status_texts)
{
    process_view page;
    show(page);
    for (const UINT message : {messages::downloading_installation, messages::installing_product}) {
        const std::wstring text = L"Downloading Quobex " + std::to_wstring(message);
        auto* copy = new wchar_t[text.size() + 1];
        std::copy(text.c_str(), text.c_str() + text.size() + 1, copy);
        EXPECT_EQ(1, SendMessageW(page.hwnd(), message, 0, reinterpret_cast<LPARAM>(copy)));
        EXPECT_EQ(page.status(), text);
        EXPECT_EQ(window_text(GetDlgItem(page.hwnd(), IDC_STATUS)), text);
        // No text leaves the status as it was.
        EXPECT_EQ(1, SendMessageW(page.hwnd(), message, 0, 0));
        EXPECT_EQ(page.status(), text);
    }
    EXPECT_EQ(1, SendMessageW(page.hwnd(), messages::installations_done, 0, 0));
}

// The counters given before the page shows, then others that arrive while it
// shows: the texts follow.
TEST_F(page_content, the_first_uninstall_step_writes_the_counters_as_the_locale_does)
{
    uninstall_step1_view page;
    page.set_counters({32267948, 302113, 126279});
    show(page);
    for (const protection_counters& counters :
         {protection_counters{32267948, 302113, 126279}, protection_counters{41234567, 4321, 765}}) {
        page.set_counters(counters);
        EXPECT_NE(page.label_at(IDC_TEXT8)->text().find(format_counter(counters.total)), std::wstring::npos);
        const std::wstring& added = page.label_at(IDC_TEXT9)->text();
        EXPECT_NE(added.find(format_counter(counters.added5days)), std::wstring::npos) << added;
        EXPECT_NE(added.find(format_counter(counters.removed5days)), std::wstring::npos) << added;
        EXPECT_EQ(window_text(GetDlgItem(page.hwnd(), IDC_TEXT8)), page.label_at(IDC_TEXT8)->text());
    }
}

TEST(counter_format, groups_digits_as_each_locale_does)
{
    struct row {
        LCID locale;
        std::int64_t value;
        const wchar_t* text;
    };
    for (const auto& r : {row{0x0409, 32267948, L"32,267,948"}, row{0x0416, 32267948, L"32.267.948"},
                          row{0x0409, 999, L"999"}, row{0x0409, 0, L"0"}, row{0x0409, -126279, L"-126,279"},
                          row{0x0439, 32267948, L"3,22,67,948"}, row{0x0414, 51893, L"51\u00a0893"}})
        EXPECT_EQ(format_counter(r.value, r.locale), r.text) << std::hex << r.locale;
}

TEST(counter_format, reads_the_grouping_of_the_locale)
{
    struct row {
        const wchar_t* grouping;
        UINT value;
    };
    for (const auto& r : {row{L"3;0", 3}, row{L"3;2;0", 32}, row{L"3", 30}, row{L"0;0", 0}, row{L"", 3}, row{L"3;", 3},
                          row{L"x", 3}, row{L"12;0", 3}})
        EXPECT_EQ(number_grouping(r.grouping), r.value) << r.grouping;
}

// The link clicked is the one that opens and shows as visited.
TEST_F(page_content, a_licence_link_opens_its_address_and_only_it_turns_visited)
{
    test_support::scratch_folder folder;
    const auto licence = test_support::copy_child_program(folder.path(), L"licence.exe");
    cancel_view page{{licence.wstring(), L"", L""}};
    show(page);
    command(page, IDC_AGREEMENT_LINK);
    EXPECT_TRUE(test_support::wait_for_child_record(licence, 10s).has_value());
    EXPECT_TRUE(page.link_at(IDC_AGREEMENT_LINK)->visited());
    EXPECT_FALSE(page.link_at(IDC_ARCHIVER_LICENCE_LINK)->visited());
    // An address that can't be opened leaves the link as it was; the event goes out all the same.
    host.clear();
    command(page, IDC_PROTECTION_LICENCE_LINK);
    EXPECT_FALSE(page.link_at(IDC_PROTECTION_LICENCE_LINK)->visited());
    EXPECT_EQ(host.received(), std::vector{test_support::reported(11)});
}

// Install with no choice made asks for one and sends nothing.
TEST_F(page_content, install_without_a_choice_asks_for_one)
{
    start_view page{{}};
    show(page);
    CheckDlgButton(page.hwnd(), IDC_BOTH_RADIO, BST_UNCHECKED);
    host.clear();
    std::wstring caption;
    std::wstring text;
    const DWORD ui_thread = GetCurrentThreadId();
    std::jthread answer([&](std::stop_token stop) {
        while (!stop.stop_requested()) {
            HWND box = nullptr;
            EnumThreadWindows(
                ui_thread,
                [](HWND window, LPARAM found) {
                    wchar_t name[16] = {};
                    GetClassNameW(window, name, 16);
                    if (std::wstring{name} == L"#32770" && IsWindowVisible(window) && GetDlgItem(window, 0xFFFF)) {
                        *reinterpret_cast<HWND*>(found) = window;
                        return FALSE;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&box));
            if (box) {
                caption = window_text(box);
                text = window_text(GetDlgItem(box, 0xFFFF));
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(50);
        }
    });
    click(page, IDOK);
    answer.request_stop();
    answer.join();
    EXPECT_EQ(caption, L"Warning");
    EXPECT_EQ(text, L"Please first select an install above");
    EXPECT_TRUE(host.received().empty()) << test_support::describe(host.received());
}

// The licence sentence runs over two lines of texts and links drawn for narrower
// fonts than some systems have: no text may run into the next one.
TEST_F(page_content, the_licence_lines_keep_their_texts_apart)
{
    auto text_width = [](HWND window, HFONT font, const std::wstring& text) {
        const general::windows::window_dc dc{window};
        const general::windows::selected_object selected{dc.get(), font};
        SIZE extent{};
        GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
        return static_cast<LONG>(extent.cx);
    };
    start_view start{{}};
    cancel_view cancel{{}};
    for (base_view* page : {static_cast<base_view*>(&start), static_cast<base_view*>(&cancel)}) {
        show(*page);
        HWND window = page->hwnd();
        const auto* agreement = page->link_at(IDC_AGREEMENT_LINK);
        const auto* and_text = page->label_at(IDC_AND_TEXT);
        // Links are as wide as their text; the right-aligned "and" ends at its box.
        EXPECT_GE(box_of(window, IDC_AGREEMENT_LINK).right - box_of(window, IDC_AGREEMENT_LINK).left,
                  text_width(agreement->hwnd(), agreement->font(), agreement->label()));
        const LONG and_left =
            box_of(window, IDC_AND_TEXT).right - text_width(and_text->hwnd(), and_text->font(), and_text->text());
        EXPECT_LT(box_of(window, IDC_AGREEMENT_LINK).right, and_left) << page->name();
        EXPECT_LT(box_of(window, IDC_AND_TEXT).right, box_of(window, IDC_PROTECTION_LICENCE_LINK).left) << page->name();
    }
}
