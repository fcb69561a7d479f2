#include "views/uninstall_view.h"

#include "messages/messages.h"
#include "general/windows/settings.h"
#include "resources/resource_ids.h"

namespace {

constexpr UINT centred = DT_CENTER | DT_VCENTER | DT_WORDBREAK;
constexpr UINT wrapped = DT_VCENTER | DT_WORDBREAK;

} // namespace

uninstall_view::uninstall_view() : base_view(L"UninstallView", IDD_UNINSTALL_VIEW) {}

page_layout uninstall_view::layout() const
{
    page_layout page;
    page.pictures = {{IDC_LOGO, IDR_PNG_LOGO}};
    page.texts = {
        {IDC_HEADER,
         L"header_text",
         centred,
         L"%1% software helps protect you from spyware, scammers and spam",
         {general::windows::protection_name}},
        {IDC_TEXT5,
         L"text",
         wrapped,
         L"Click uninstall to start uninstalling %1%.",
         {general::windows::protection_name}},
        {IDC_TEXT6, L"text", wrapped, L"Click Cancel to cancel uninstallation"},
    };
    page.buttons = {{IDC_OK_BUTTON, L"ok_button", IDR_PNG_OK_FACE, L"Uninstall"},
                    {IDC_CANCEL_BUTTON, L"cancel_button", IDR_PNG_CANCEL_FACE, L"Cancel"}};
    return page;
}

bool uninstall_view::command(int control)
{
    if (control == IDC_OK_BUTTON)
        post_to_root(messages::uninstall);
    else if (control == IDC_CANCEL_BUTTON)
        post_to_root(messages::quit);
    else
        return false;
    return true;
}

uninstalled_view::uninstalled_view() : base_view(L"UninstalledView", IDD_UNINSTALLED_VIEW) {}

page_layout uninstalled_view::layout() const
{
    page_layout page;
    page.pictures = {{IDC_LOGO, IDR_PNG_LOGO}};
    page.texts = {
        {IDC_HEADER,
         L"header_text",
         centred,
         L"We have removed %1% from your computer.",
         {general::windows::protection_name}},
        {IDC_TEXT5, L"text", wrapped,
         L"Please click Finish, and then complete our uninstall survey to help us understand why you uninstalled."},
    };
    page.buttons = {{IDC_OK_BUTTON, L"ok_button", IDR_PNG_OK_FACE, L"Finish"}};
    return page;
}

bool uninstalled_view::command(int control)
{
    if (control != IDC_OK_BUTTON)
        return false;
    post_to_root(messages::uninstalled);
    return true;
}
