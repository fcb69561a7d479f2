#include "app/main_dialog.h"

#include <memory>
#include <mutex>

#include <boost/format.hpp>

#include "app/messages.h"
#include "general/translation/translation.h"
#include "general/windows/resource.h"
#include "general/windows/text.h"
#include "http/statistics_events.h"
#include "resources/resource_ids.h"
#include "views/theme.h"

namespace {

// The product named in the uninstall captions: the maker's and the product's fixed
// names, not the registry settings.
const std::wstring& protection_display_name()
{
    static const std::wstring name = (boost::wformat(L"%1% %2%") % L"Varnhelm" % L"Sentovar").str();
    return name;
}

// The caption of the uninstall modes. A translation whose placeholders don't fit
// must not leave the window without a title: the English text is used then.
std::wstring uninstall_caption(const std::wstring& context)
{
    const std::wstring source = L"%1% Installer";
    try {
        return (boost::wformat(general::translation::translate(context, source)) % protection_display_name()).str();
    } catch (const boost::io::format_error&) {
        return (boost::wformat(source) % protection_display_name()).str();
    }
}

general::windows::unique_icon load_icon(int id, int metric_x, int metric_y)
{
    return general::windows::unique_icon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, GetSystemMetrics(metric_x),
                   GetSystemMetrics(metric_y), LR_DEFAULTCOLOR)));
}

} // namespace

CMainDlg::CMainDlg() : general::log::prefix(L"main"), general::async_performer(true), base_ui_element(L"MainDlg")
{
}

CMainDlg::~CMainDlg()
{
    destroy();
}

bool CMainDlg::pre_translate_message(MSG& message)
{
    return hwnd() && IsDialogMessageW(hwnd(), &message);
}

bool CMainDlg::on_idle()
{
    return false;
}

bool CMainDlg::handle_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result)
{
    switch (message) {
    case WM_INITDIALOG:
        result = on_init_dialog(lparam);
        return true;
    case WM_DESTROY:
        on_destroy();
        result = 0;
        return true;
    case WM_COMMAND:
        if (LOWORD(wparam) == IDCANCEL) {
            on_cancel_command(IDCANCEL);
            result = 0;
            return true;
        }
        return false;
    default:
        return handle_registered(message, wparam, lparam, result);
    }
}

bool CMainDlg::handle_registered(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result)
{
    result = 1;
    if (message == messages::add_stats_event) {
        add_stats_event(static_cast<int>(wparam));
    } else if (message == messages::set_post_cancel) {
        post_cancel_ = wparam != 0;
    } else if (message == messages::get_post_cancel) {
        result = post_cancel_ ? 1 : 0;
    } else if (message == messages::set_post_fail) {
        post_fail_ = wparam != 0;
    } else if (message == messages::get_post_fail) {
        result = post_fail_ ? 1 : 0;
    } else if (message == messages::installation_error || message == messages::downloading_installation ||
               message == messages::installing_product || message == messages::downloading_error) {
        // Texts belong to the receiver; until the pages that show them exist, the
        // dialog is the last receiver. (The installer goes on after an error.)
        messages::take_text(lparam);
    } else if (message == messages::report) {
        std::unique_ptr<char[]> first(reinterpret_cast<char*>(wparam));
        std::unique_ptr<char[]> second(reinterpret_cast<char*>(lparam));
    } else {
        return false;
    }
    return true;
}

LRESULT CMainDlg::on_init_dialog(LPARAM mode)
{
    mode_ = static_cast<launch_mode>(mode);
    center_on_work_area();
    // Before the caption and before any page, which all show translated texts.
    general::translation::load_embedded_translations();
    set_caption_and_icons();
    if (auto* loop = general::windows::ui::app_module::instance().get_message_loop()) {
        loop->add_message_filter(this);
        loop->add_idle_handler(this);
    }
    load_theme();
    bring_to_front();
    return TRUE;  // the system sets the default focus
}

void CMainDlg::on_destroy()
{
    if (auto* loop = general::windows::ui::app_module::instance().get_message_loop()) {
        loop->remove_message_filter(this);
        loop->remove_idle_handler(this);
    }
}

void CMainDlg::on_cancel_command(int command_id)
{
    post_to_self(messages::set_post_cancel, 1);
    if (mode_ == launch_mode::uninstall)
        SendMessageW(hwnd(), messages::add_stats_event,
                     statistics::number_of(statistics::event::uninstall_page1_cancel), 0);
    end_run(mode_ == launch_mode::install ? 0 : command_id);
}

void CMainDlg::center_on_work_area()
{
    RECT window{};
    GetWindowRect(hwnd(), &window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(hwnd(), MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    const RECT& area = monitor.rcWork;
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int x = area.left + ((area.right - area.left) - width) / 2;
    const int y = area.top + ((area.bottom - area.top) - height) / 2;
    SetWindowPos(hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMainDlg::set_caption_and_icons()
{
    int icon_id = 128;
    if (mode_ == launch_mode::install) {
        SetWindowTextW(hwnd(), L"Quobex Varnhelm Installer");
    } else {
        SetWindowTextW(hwnd(), uninstall_caption(name()).c_str());
        icon_id = 140;
    }
    big_icon_ = load_icon(icon_id, SM_CXICON, SM_CYICON);
    small_icon_ = load_icon(icon_id, SM_CXSMICON, SM_CYSMICON);
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_icon_.get()));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_.get()));
}

void CMainDlg::load_theme()
{
    const general::windows::resource::handle resource(GetModuleHandleW(nullptr), IDR_THEME, L"THEME");
    theme::load(general::windows::to_wide(resource.bytes()));
}

void CMainDlg::bring_to_front()
{
    ShowWindow(hwnd(), SW_HIDE);
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void CMainDlg::end_run(int exit_code)
{
    destroy();
    PostQuitMessage(exit_code);
}

void CMainDlg::post_to_self(UINT message, WPARAM wparam, LPARAM lparam)
{
    PostMessageW(hwnd(), message, wparam, lparam);
}

void CMainDlg::add_stats_event(int event)
{
    std::unique_lock guard(events_lock_);
    pending_events_.push_back(event);
}
