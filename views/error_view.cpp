#include "views/error_view.h"

#include "messages/messages.h"
#include "resources/resource_ids.h"

error_view::error_view() : base_view(L"ErrorView", IDD_ERROR_VIEW) {}

page_layout error_view::layout() const
{
    page_layout page;
    page.pictures = {
        {IDC_LOGO, IDR_PNG_LOGO}, {IDC_SHIELD, IDR_PNG_SHIELD}, {IDC_ARCHIVER_LOGO, IDR_PNG_ARCHIVER_LOGO}};
    page.texts = {{IDC_HEADER, L"header_text", DT_CENTER | DT_VCENTER | DT_WORDBREAK, L"Download failed!"}};
    page.buttons = {{IDC_OK_BUTTON, L"ok_button", IDR_PNG_OK_FACE, L"Try again!"}};
    return page;
}

void error_view::initialised()
{
    show_chosen_products();
}

bool error_view::command(int control)
{
    if (control != IDC_OK_BUTTON)
        return false;
    report_event(statistics::event::postfail_retry);
    post_to_root(messages::start);
    return true;
}
