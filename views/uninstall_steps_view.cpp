#include "views/uninstall_steps_view.h"

#include <optional>

#include "messages/messages.h"
#include "general/windows/settings.h"
#include "resources/resource_ids.h"
#include "views/counter_format.h"

using statistics::event;

namespace {

constexpr UINT wrapped = DT_VCENTER | DT_WORDBREAK;

// What OK and Cancel do on one step.
struct step_actions {
    std::optional<event> keep;      // OK with the first choice
    std::optional<event> go_on;     // OK with the second choice
    std::optional<event> confirmed; // OK, after either
    std::optional<event> cancel;
    const UINT* go_on_message; // where OK with the second choice leads
};

const step_actions& actions_of(int step)
{
    static const step_actions actions[] = {
        {event::uninstall_page1_abort, event::uninstall_page1_continue, event::uninstall_page1_ok,
         event::uninstall_page1_cancel, &messages::uninstall_step3},
        {std::nullopt, std::nullopt, std::nullopt, std::nullopt, &messages::uninstall_step3},
        {event::uninstall_page2_abort, event::uninstall_page2_continue, event::uninstall_page2_finish,
         event::uninstall_page2_cancel, &messages::quit},
    };
    return actions[step - 1];
}

int template_of(int step)
{
    return step == 1 ? IDD_UNINSTALL_STEP1_VIEW : step == 2 ? IDD_UNINSTALL_STEP2_VIEW : IDD_UNINSTALL_STEP3_VIEW;
}

std::vector<text_item> texts_of(int step, const protection_counters& counters)
{
    const std::wstring total = format_counter(counters.total);
    switch (step) {
    case 1:
        return {
            {IDC_TEXT5, L"text", wrapped, L"You have chosen to uninstall %1%.", {general::windows::protection_name}},
            {IDC_TEXT6, L"text", wrapped, L"Just in case you didn't know:"},
            {IDC_TEXT8,
             L"text",
             wrapped,
             L"During the last 24 hours our average users (yes, you too!) have been protected against visiting any "
             L"of the %1% infected addresses we have listed in our database.",
             {total}},
            {IDC_TEXT7, L"text", wrapped, L"Maybe this will change your mind:"},
            {IDC_TEXT9,
             L"text",
             wrapped,
             L"On average we add more than %1% new addresses every five days, and typically less than %2% become "
             L"safe again.",
             {format_counter(counters.added5days), format_counter(counters.removed5days)}},
        };
    case 2:
        return {
            {IDC_TEXT5, L"text", wrapped, L"Maybe this will change your mind:"},
            {IDC_TEXT8,
             L"text",
             wrapped,
             L"On Average every single day %1% addresses are added to our database and only %2% become safe again.",
             {format_counter(51893), format_counter(21692)}},
        };
    default:
        return {
            {IDC_TEXT5,
             L"text",
             wrapped,
             L"We respect the protection you already have in place, or your courage to risk accidentally visiting "
             L"one of the %1% dangerous web addresses on the internet by accident.",
             {total}},
            {IDC_TEXT6,
             L"text",
             wrapped,
             L"Thank you for trying out %1%. We hope at least you can agree that we did a pretty good job with a "
             L"totally free product.",
             {general::windows::protection_name}},
            {IDC_TEXT8, L"text", wrapped,
             L"If you were using a competitor's product, you would need to pay approximately 10 USD per year."},
        };
    }
}

std::vector<radio_item> radios_of(int step)
{
    if (step == 3)
        return {{IDC_KEEP_RADIO,
                 L"I have changed my mind, having free protection isn't that bad after all. Abort Uninstall and make "
                 L"%1% my default search provider!",
                 true,
                 {general::windows::protection_name}},
                {IDC_REMOVE_RADIO,
                 L"I DO NOT WANT PROTECTION EVEN IF IT IS FREE!!! Now will you please finish Uninstalling %1%!",
                 false,
                 {general::windows::protection_name}}};
    return {
        {IDC_KEEP_RADIO,
         L"Abort Uninstall and make %1% my default search provider!",
         true,
         {general::windows::protection_name}},
        {IDC_REMOVE_RADIO, L"I have not changed my mind. Uninstall %1%!", false, {general::windows::protection_name}}};
}

} // namespace

uninstall_steps_view::uninstall_steps_view(int step)
    : base_view(L"UninstallStepsView", template_of(step)), step_(step < 1   ? 1
                                                                 : step > 3 ? 3
                                                                            : step)
{
}

page_layout uninstall_steps_view::layout() const
{
    page_layout page;
    page.pictures = {{IDC_LOGO, IDR_PNG_LOGO}};
    page.texts = texts_of(step_, counters());
    page.radios = radios_of(step_);
    page.buttons = {{IDC_OK_BUTTON, L"ok_button", IDR_PNG_OK_FACE, L"OK"},
                    {IDC_CANCEL_BUTTON, L"cancel_button", IDR_PNG_CANCEL_FACE, L"Cancel"}};
    return page;
}

bool uninstall_steps_view::command(int control)
{
    const step_actions& actions = actions_of(step_);
    const auto report = [this](const std::optional<event>& e) {
        if (e)
            report_event(*e);
    };
    if (control == IDC_OK_BUTTON) {
        const bool keep = radio_checked(IDC_KEEP_RADIO);
        report(keep ? actions.keep : actions.go_on);
        report(actions.confirmed);
        post_to_root(keep ? messages::abort_uninstall : *actions.go_on_message);
        return true;
    }
    if (control == IDC_CANCEL_BUTTON) {
        report(actions.cancel);
        post_to_root(messages::abort_uninstall);
        return true;
    }
    return false;
}
