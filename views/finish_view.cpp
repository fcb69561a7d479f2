#include "views/finish_view.h"

#include "messages/messages.h"
#include "general/windows/settings.h"
#include "resources/resource_ids.h"

finish_view::finish_view() : base_view(L"FinishView", IDD_FINISH_VIEW) {}

page_layout finish_view::layout() const
{
    constexpr UINT centred = DT_CENTER | DT_VCENTER | DT_WORDBREAK;
    page_layout page;
    page.pictures = {{IDC_LOGO, IDR_PNG_LOGO}, {IDC_ARCHIVER_LOGO, IDR_PNG_ARCHIVER_LOGO}};
    page.texts = {
        {IDC_HEADER, L"complete_text", centred, L"Installation is complete"},
        {IDC_TEXT5,
         L"text",
         centred,
         L"You are now protected by %1% %2%",
         {general::windows::maker_name, general::windows::protection_name}},
        {IDC_REBOOT_TEXT, L"footer_text", DT_RIGHT | DT_VCENTER | DT_WORDBREAK,
         L"You need to reboot your PC before the new version will be fully active"},
        {IDC_TEXT6, L"text", centred, L""},
    };
    page.buttons = {{IDC_OK_BUTTON, L"ok_button", IDR_PNG_OK_FACE, L"Reboot Now", centred},
                    {IDC_CANCEL_BUTTON, L"ok_button", IDR_PNG_OK_FACE, L"Reboot Later", centred}};
    return page;
}

void finish_view::initialised()
{
    // The reboot offer stays in the template for a later version; this one only
    // confirms the installation.
    show_archiver_only();
    for (const int control : {IDC_TEXT5, IDC_TEXT6, IDC_CANCEL_BUTTON, IDC_REBOOT_TEXT})
        hide(control);
    button_at(IDC_OK_BUTTON)->set_text(tr(L"OK"));
}

bool finish_view::command(int control)
{
    if (control == IDC_OK_BUTTON) {
        report_event(statistics::event::completepage_ok);
        post_to_root(messages::quit);
        return true;
    }
    if (control == IDC_CANCEL_BUTTON) {
        post_to_root(messages::quit);
        return true;
    }
    return false;
}
