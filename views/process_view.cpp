#include "views/process_view.h"

#include <commctrl.h>

#include "messages/messages.h"
#include "resources/resource_ids.h"
#include "views/progress.h"

process_view::process_view() : base_view(L"ProcessView", IDD_PROCESS_VIEW) {}

process_view::~process_view()
{
    // The animation's timer belongs to the window: end both before the widget goes.
    destroy();
}

void process_view::load_images()
{
    base_view::load_images();
    load_gif(IDR_GIF_PROCESS, L"GIF", animation_image_);
}

page_layout process_view::layout() const
{
    page_layout page;
    page.pictures = {{IDC_LOGO, IDR_PNG_LOGO}, {IDC_ARCHIVER_LOGO, IDR_PNG_ARCHIVER_LOGO}};
    page.texts = {{IDC_HEADER, L"header_text", DT_CENTER | DT_VCENTER | DT_WORDBREAK,
                   L"Please wait while we install your software"}};
    return page;
}

void process_view::initialised()
{
    show_chosen_products();
    ShowWindow(GetDlgItem(hwnd(), IDC_PROGRESS), SW_SHOW);
    animation_ = std::make_unique<general::ui::animated_gif>();
    animation_->attach(GetDlgItem(hwnd(), IDC_ANIMATION));
    animation_->set_image(std::move(animation_image_));
    animation_->start();
}

bool process_view::command(int)
{
    return false; // no buttons
}

bool process_view::other_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result)
{
    if (message == messages::downloading_installation || message == messages::installing_product)
        show_status(lparam);
    else if (message == messages::downloading_progress)
        show_progress(wparam, lparam);
    else if (message != messages::installations_downloaded && message != messages::installations_done)
        return false;
    result = 1;
    return true;
}

void process_view::show_status(LPARAM text)
{
    if (!text)
        return;
    // The workers post their words in English; the page says them in the user's.
    status_ = tr(messages::take_text(text));
    if (!SetDlgItemTextW(hwnd(), IDC_STATUS, status_.c_str())) {
        MessageBeep(MB_OK);
        SetFocus(GetDlgItem(hwnd(), IDC_STATUS));
    }
}

void process_view::show_progress(WPARAM part, LPARAM whole)
{
    HWND bar = GetDlgItem(hwnd(), IDC_PROGRESS);
    SendMessageW(bar, PBM_SETMARQUEE, FALSE, 0);
    const LONG_PTR style = GetWindowLongPtrW(bar, GWL_STYLE);
    if (style & PBS_MARQUEE)
        SetWindowLongPtrW(bar, GWL_STYLE, style & ~static_cast<LONG_PTR>(PBS_MARQUEE));
    if (const auto position = progress_position(static_cast<std::uint32_t>(part), static_cast<std::int32_t>(whole)))
        SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(*position), 0);
}
