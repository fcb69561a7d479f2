#include "views/start_view.h"

#include "messages/messages.h"
#include "general/translation/translation.h"
#include "general/windows/settings.h"
#include "resources/resource_ids.h"

using statistics::event;

start_view::start_view(link_addresses addresses)
    : base_view(L"StartView", IDD_START_VIEW), addresses_(std::move(addresses))
{
}

page_layout start_view::layout() const
{
    constexpr UINT line = DT_SINGLELINE | DT_VCENTER;
    page_layout page;
    page.pictures = {{IDC_LOGO, IDR_PNG_LOGO},           {IDC_ARCHIVER_LOGO, IDR_PNG_ARCHIVER_LOGO},
                     {IDC_BULLET_LEFT1, IDR_PNG_CHECK},  {IDC_BULLET_LEFT2, IDR_PNG_CHECK},
                     {IDC_BULLET_LEFT3, IDR_PNG_CHECK},  {IDC_BULLET_RIGHT1, IDR_PNG_CHECK},
                     {IDC_BULLET_RIGHT2, IDR_PNG_CHECK}, {IDC_BULLET_RIGHT3, IDR_PNG_CHECK}};
    page.texts = {
        {IDC_TEXT1, L"big_text", line, L"Full QBX and ZIP support"},
        {IDC_TEXT2, L"big_text", line, L"Safe 256-bit AES Encryption"},
        {IDC_TEXT3, L"big_text", line, L"Ready for Windows 10"},
        {IDC_TEXT4, L"big_text", line, L"100% Free forever"},
        {IDC_TEXT5, L"big_text", line, L"Trusted search results"},
        {IDC_TEXT6, L"big_text", line, L"For Windows browsers"},
        {IDC_AGREE_TEXT, L"footer_text", line, L"By clicking Install you agree to the"},
        {IDC_AND_TEXT, L"footer_text", line, L"and"},
    };
    page.links = {
        {IDC_ARCHIVER_LICENCE_LINK, L"Quobex End User Licence", addresses_.archiver_licence},
        {IDC_AGREEMENT_LINK, L"Agreement", addresses_.archiver_licence},
        {IDC_PROTECTION_LICENCE_LINK,
         L"%1% End User Licence",
         addresses_.protection_licence,
         {general::windows::product_display_name()}},
        {IDC_WHY_LINK, L"Why do we recommend it ?", addresses_.protection_about},
    };
    page.radios = {{IDC_BOTH_RADIO, L"RECOMMENDED: Install both Quobex and Varnhelm Sentovar.", true},
                   {IDC_ARCHIVER_ONLY_RADIO, L"I DON'T WANT SEARCH PROTECTION. Install Quobex only !"}};
    page.buttons = {{IDC_OK_BUTTON, L"ok_button", IDR_PNG_OK_FACE, L"Install"},
                    {IDC_CANCEL_BUTTON, L"cancel_button", IDR_PNG_CANCEL_FACE, L"Cancel"}};
    return page;
}

bool start_view::command(int control)
{
    switch (control) {
    case IDC_OK_BUTTON: install(); return true;
    case IDC_CANCEL_BUTTON:
        post_to_root(messages::set_post_cancel, 1);
        report_event(event::startpage_cancel);
        post_to_root(messages::quit);
        return true;
    case IDC_PROTECTION_LICENCE_LINK:
        open_link(*link_at(control));
        report_event(event::startpage_eula_zeb);
        return true;
    case IDC_ARCHIVER_LICENCE_LINK:
    case IDC_AGREEMENT_LINK:
        // Both name the same page; the one clicked is the one that shows as visited.
        open_link(*link_at(control));
        report_event(event::startpage_eula_quobex);
        return true;
    case IDC_WHY_LINK:
        open_link(*link_at(control));
        report_event(send_to_root(messages::get_post_cancel) ? event::postcancelpage_why_recommended
                                                             : event::startpage_why_recommended);
        return true;
    default: return false;
    }
}

void start_view::initialised()
{
    // The licence sentence runs over two lines of texts and links.
    lay_out_line({IDC_AGREE_TEXT, IDC_ARCHIVER_LICENCE_LINK});
    lay_out_line({IDC_AGREEMENT_LINK, IDC_AND_TEXT, IDC_PROTECTION_LICENCE_LINK});
}

void start_view::install()
{
    const bool both = radio_checked(IDC_BOTH_RADIO);
    const bool archiver_only = radio_checked(IDC_ARCHIVER_ONLY_RADIO);
    if (!both && !archiver_only) {
        MessageBoxW(hwnd(), tr(L"Please first select an install above").c_str(), tr(L"Warning").c_str(),
                    MB_ICONINFORMATION | general::translation::message_box_direction());
        return;
    }
    post_to_root(messages::start, both ? 1 : 0, archiver_only ? 1 : 0);
    const bool after_cancel = send_to_root(messages::get_post_cancel) != 0;
    if (both)
        report_event(after_cancel ? event::postcancelpage_install_both : event::startpage_install_both);
    else
        report_event(after_cancel ? event::postcancelpage_install_quobex_only : event::startpage_install_quobex_only);
}
