#include "views/cancel_view.h"

#include "messages/messages.h"
#include "general/windows/settings.h"
#include "resources/resource_ids.h"

using statistics::event;

namespace {

constexpr UINT line = DT_SINGLELINE | DT_VCENTER;

const std::vector<picture_item> pictures{{IDC_ARCHIVER_LOGO, IDR_PNG_ARCHIVER_LOGO}};

std::vector<button_item> buttons(const wchar_t* confirm)
{
    return {{IDC_OK_BUTTON, L"ok_button", IDR_PNG_OK_FACE, confirm},
            {IDC_CANCEL_BUTTON, L"cancel_button", IDR_PNG_CANCEL_FACE, L"Cancel"}};
}

} // namespace

cancel_view::cancel_view(link_addresses addresses)
    : base_view(L"CancelView", IDD_CANCEL_VIEW), addresses_(std::move(addresses))
{
}

page_layout cancel_view::layout() const
{
    page_layout page;
    page.pictures = pictures;
    page.texts = {
        {IDC_TEXT1, L"text", line, L"ATTENTION QUOBEX IS NOT INSTALLED YET"},
        {IDC_TEXT2, L"text", line, L"Are you sure you want to 'Cancel' the installation ?"},
        {IDC_TEXT3, L"text", DT_VCENTER | DT_WORDBREAK,
         L"Click 'Install' or close this window if you want to finish to 'Install' Quobex and make your selection."},
        {IDC_TEXT4, L"text", line, L"Click 'Cancel' again below to quit without installing Quobex."},
        {IDC_AGREE_TEXT, L"footer_text", line, L"By clicking Install you agree to the"},
        {IDC_AND_TEXT, L"footer_text", line, L"and"},
    };
    page.links = {
        {IDC_PROTECTION_LICENCE_LINK,
         L"%1% End User Licence",
         addresses_.protection_licence,
         {general::windows::product_display_name()}},
        {IDC_ARCHIVER_LICENCE_LINK, L"Quobex End User Licence", addresses_.archiver_licence},
        {IDC_AGREEMENT_LINK, L"Agreement", addresses_.archiver_licence},
    };
    page.buttons = buttons(L"Install");
    return page;
}

bool cancel_view::command(int control)
{
    switch (control) {
    case IDC_OK_BUTTON:
        report_event(send_to_root(messages::get_post_fail) ? event::postfail_close_install : event::cancelpage_install);
        post_to_root(messages::start);
        return true;
    case IDC_CANCEL_BUTTON:
        report_event(send_to_root(messages::get_post_fail) ? event::postfail_close_cancel : event::cancelpage_cancel);
        post_to_root(messages::quit);
        return true;
    case IDC_PROTECTION_LICENCE_LINK:
        open_link(*link_at(control));
        report_event(event::cancelpage_eula_zeb);
        return true;
    case IDC_ARCHIVER_LICENCE_LINK:
    case IDC_AGREEMENT_LINK:
        // Both name the same page; the one clicked is the one that shows as visited.
        open_link(*link_at(control));
        report_event(event::cancelpage_eula_quobex);
        return true;
    default: return false;
    }
}

void cancel_view::initialised()
{
    // The licence sentence runs over two lines of texts and links.
    lay_out_line({IDC_AGREE_TEXT, IDC_ARCHIVER_LICENCE_LINK});
    lay_out_line({IDC_AGREEMENT_LINK, IDC_AND_TEXT, IDC_PROTECTION_LICENCE_LINK});
}

abandon_view::abandon_view() : base_view(L"AbandonView", IDD_ABANDON_VIEW) {}

page_layout abandon_view::layout() const
{
    page_layout page;
    page.pictures = pictures;
    page.texts = {
        {IDC_TEXT1, L"text", line, L"ATTENTION QUOBEX IS NOT INSTALLED YET"},
        {IDC_TEXT2, L"bold_text", DT_VCENTER | DT_WORDBREAK,
         L"Your installation is still in progress. If you cancel the installation at this point you will not have a "
         L"complete installation of Quobex."},
        {IDC_TEXT3, L"text", line, L"Click the blue 'Continue' button to complete the installation."},
        {IDC_TEXT4, L"text", line,
         L"Click 'Cancel' below if you have changed your mind and do no longer wish to install Quobex."},
    };
    page.buttons = buttons(L"Continue");
    return page;
}

bool abandon_view::command(int control)
{
    if (control == IDC_OK_BUTTON) {
        report_event(event::cancelpage_install);
        post_to_root(messages::start);
        return true;
    }
    if (control == IDC_CANCEL_BUTTON) {
        report_event(event::cancelpage_cancel);
        post_to_root(messages::quit);
        return true;
    }
    return false;
}
