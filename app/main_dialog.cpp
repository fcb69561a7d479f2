#include "app/main_dialog.h"

#include <shlobj.h>

#include <algorithm>
#include <mutex>
#include <shared_mutex>

#include "app/configuration.h"
#include "messages/messages.h"
#include "app/post_install.h"
#include "general/translation/translation.h"
#include "general/windows/private_folder.h"
#include "general/windows/system.h"
#include "general/windows/resource.h"
#include "general/windows/settings.h"
#include "general/windows/text.h"
#include "http/statistics.h"
#include "http/statistics_events.h"
#include "resources/resource_ids.h"
#include "views/theme.h"
#include "workers/products_downloader.h"
#include "workers/products_installer.h"

using install_flow::effect;
using install_flow::page;
using install_flow::self_message;

namespace {

general::windows::unique_icon load_icon(int id, int metric_x, int metric_y)
{
    return general::windows::unique_icon(
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                      GetSystemMetrics(metric_x), GetSystemMetrics(metric_y), LR_DEFAULTCOLOR)));
}

link_addresses configured_links()
{
    return {configuration::archiver_licence_url(), configuration::protection_licence_url(),
            configuration::protection_about_url()};
}

UINT message_of(self_message message)
{
    switch (message) {
    case self_message::send_stats_events: return messages::send_stats_events;
    case self_message::download_installations: return messages::download_installations;
    case self_message::start_installations: return messages::start_installations;
    case self_message::finish: return messages::finish;
    case self_message::step1: return messages::uninstall_step1;
    case self_message::step3: return messages::uninstall_step3;
    case self_message::set_post_cancel: return messages::set_post_cancel;
    case self_message::set_post_fail: return messages::set_post_fail;
    case self_message::add_stats_event: return messages::add_stats_event;
    }
    return 0;
}

// The background thread's word that the counters are in; private to the dialog.
constexpr UINT counters_arrived = WM_APP + 1;

install_flow::page first_page_of(launch_mode mode)
{
    switch (mode) {
    case launch_mode::install: return page::start;
    case launch_mode::uninstall: return page::step1;
    case launch_mode::uninstalled: return page::uninstalled;
    }
    return page::none;
}

bool is_child_or_self(HWND parent, HWND window)
{
    return parent && window && (parent == window || IsChild(parent, window));
}

} // namespace

// One row per registered message the dialog answers; everything else goes to the
// system's dialog handling.
const CMainDlg::route CMainDlg::routes[] = {
    {&messages::start, &CMainDlg::on_start},
    {&messages::quit, nullptr, &install_flow::flow::quit},
    {&messages::finish, nullptr, &install_flow::flow::finish},
    {&messages::uninstall, nullptr, &install_flow::flow::uninstall},
    {&messages::uninstalled, nullptr, &install_flow::flow::uninstalled},
    {&messages::abort_uninstall, nullptr, &install_flow::flow::abort_uninstall},
    {&messages::uninstall_step1, nullptr, &install_flow::flow::step1},
    {&messages::uninstall_step2, nullptr, &install_flow::flow::step2},
    {&messages::uninstall_step3, nullptr, &install_flow::flow::step3},
    {&messages::download_installations, nullptr, &install_flow::flow::download_installations},
    {&messages::downloading_installation, &CMainDlg::on_forward},
    {&messages::downloading_progress, &CMainDlg::on_forward},
    {&messages::installing_product, &CMainDlg::on_forward},
    {&messages::downloading_error, &CMainDlg::on_downloading_error},
    {&messages::installations_downloaded, nullptr, &install_flow::flow::installations_downloaded},
    {&messages::start_installations, nullptr, &install_flow::flow::start_installations},
    {&messages::installations_done, nullptr, &install_flow::flow::installations_done},
    // The effect that reports the error takes the text.
    {&messages::installation_error, nullptr, &install_flow::flow::installation_error},
    {&messages::get_selected_products, &CMainDlg::on_get_selected_products},
    {&messages::add_stats_event, &CMainDlg::on_add_stats_event},
    {&messages::send_stats_events, &CMainDlg::on_send_stats_events},
    {&messages::set_post_cancel, &CMainDlg::on_set_post_cancel},
    {&messages::get_post_cancel, &CMainDlg::on_get_post_cancel},
    {&messages::set_post_fail, &CMainDlg::on_set_post_fail},
    {&messages::get_post_fail, &CMainDlg::on_get_post_fail},
    {&counters_arrived, &CMainDlg::on_counters_arrived},
};

CMainDlg::CMainDlg(const general::windows::running_image* own_image)
    : general::log::prefix(L"main"), general::async_performer(true), base_ui_element(L"MainDlg"),
      pages_(configured_links()), own_image_(own_image)
{
}

CMainDlg::~CMainDlg()
{
    destroy();
    // Workers go first: a downloader stopping aborts its transfer, so this
    // returns promptly even while a server trickles bytes.
    downloader_.reset();
    installer_.reset();
    downloads_.reset(); // the downloaded files go with it, after the workers
    // The last events go out now, with the window already gone; each send is
    // bounded by the statistics requests' time-outs.
    finish_tasks();
}

void CMainDlg::prefetch_first_page(launch_mode mode)
{
    pages_.prefetch(first_page_of(mode));
}

bool CMainDlg::pre_translate_message(MSG& message)
{
    if (!hwnd() || !is_child_or_self(hwnd(), message.hwnd))
        return false;
    // Escape anywhere in the window is the dialog's Cancel command, whichever
    // page has the focus; a page's own Cancel button may mean something else.
    if ((message.message == WM_KEYDOWN || message.message == WM_CHAR) && message.wParam == VK_ESCAPE) {
        if (message.message == WM_KEYDOWN)
            PostMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return true;
    }
    // The pages are dialogs of their own: Tab, Enter and the arrows belong to the
    // one showing.
    HWND page_window = pages_.window(pages_.current());
    if (is_child_or_self(page_window, message.hwnd) && IsDialogMessageW(page_window, &message))
        return true;
    return IsDialogMessageW(hwnd(), &message);
}

bool CMainDlg::on_idle()
{
    return false;
}

bool CMainDlg::handle_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result)
{
    switch (message) {
    case WM_INITDIALOG: result = on_init_dialog(lparam); return true;
    case WM_DESTROY:
        on_destroy();
        result = 0;
        return true;
    case WM_COMMAND:
        if (LOWORD(wparam) == IDCANCEL) {
            apply(flow_.cancel_command(), {message, wparam, lparam});
            result = 0;
            return true;
        }
        if (LOWORD(wparam) == IDOK) {
            result = on_start({messages::start, 0, 0});
            return true;
        }
        return false;
    default:
        for (const route& each : routes) {
            if (message != *each.message)
                continue;
            const input in{message, wparam, lparam};
            if (each.input_step) {
                apply((flow_.*each.input_step)(), in);
                result = 1;
            } else {
                result = (this->*each.handle)(in);
            }
            return true;
        }
        return false;
    }
}

LRESULT CMainDlg::on_init_dialog(LPARAM mode)
{
    flow_ = install_flow::flow(static_cast<launch_mode>(mode));
    center_on_work_area();
    // Before the caption and before any page, which all show translated texts.
    general::translation::load_embedded_translations();
    set_caption_and_icons();
    if (auto* loop = general::windows::ui::app_module::instance().get_message_loop()) {
        loop->add_message_filter(this);
        loop->add_idle_handler(this);
    }
    if (flow_.mode() == launch_mode::uninstall)
        fetch_counters();
    load_theme();
    // The first page is built, hidden, before the window shows: a window on
    // screen that is still busy building its page would not answer meanwhile.
    // The steps of "/u" are made fresh when they show.
    if (flow_.mode() != launch_mode::uninstall)
        pages_.prepare(hwnd(), first_page_of(flow_.mode()));
    // On top before the first page shows: Wine ignores the topmost request of a
    // dialog that already shows a child page. Nothing is painted in between.
    bring_to_front();
    apply(flow_.initialised(), {WM_INITDIALOG, 0, mode});
    // Runs ended by force left their downloads behind; this run's own folder
    // does not exist yet, and live runs keep theirs.
    general::windows::remove_abandoned_folders(general::windows::special_folder(CSIDL_COMMON_APPDATA),
                                               configuration::run_folder_prefix);
    check_archiver_running(hwnd(), installer_caption());
    return TRUE; // the system sets the default focus
}

void CMainDlg::on_destroy()
{
    queue_stats_send();
    pages_.destroy_all();
    if (auto* loop = general::windows::ui::app_module::instance().get_message_loop()) {
        loop->remove_message_filter(this);
        loop->remove_idle_handler(this);
    }
}

// --- inputs ----------------------------------------------------------------------

LRESULT CMainDlg::on_start(const input& in)
{
    const bool both = in.wparam != 0;
    const bool archiver_only = in.lparam != 0;
    // Only a choice of both products needs to know; the registry is read then.
    installed_name_ = both ? installed_protection_name() : std::wstring();
    apply(flow_.start(both, archiver_only, !installed_name_.empty()), in);
    return 1;
}

LRESULT CMainDlg::on_downloading_error(const input& in)
{
    // The downloader logged it; the error page says it in its own words.
    messages::take_text(in.lparam);
    apply(flow_.downloading_error(), in);
    return 1;
}

LRESULT CMainDlg::on_forward(const input& in)
{
    forward_to_process(in);
    return 1;
}

LRESULT CMainDlg::on_get_selected_products(const input&)
{
    return flow_.protection_selected() ? 1 : 0;
}

LRESULT CMainDlg::on_add_stats_event(const input& in)
{
    std::unique_lock guard(events_lock_);
    pending_events_.push_back(static_cast<int>(in.wparam));
    return 1;
}

LRESULT CMainDlg::on_send_stats_events(const input&)
{
    queue_stats_send();
    return 1;
}

LRESULT CMainDlg::on_set_post_cancel(const input& in)
{
    flow_.set_post_cancel(in.wparam != 0);
    return 1;
}

LRESULT CMainDlg::on_get_post_cancel(const input&)
{
    return flow_.post_cancel() ? 1 : 0;
}

LRESULT CMainDlg::on_set_post_fail(const input& in)
{
    flow_.set_post_fail(in.wparam != 0);
    return 1;
}

LRESULT CMainDlg::on_get_post_fail(const input&)
{
    return flow_.post_fail() ? 1 : 0;
}

LRESULT CMainDlg::on_counters_arrived(const input&)
{
    {
        std::shared_lock guard(counters_lock_);
        if (!fetched_counters_)
            return 1;
        counters_ = *fetched_counters_;
    }
    // A step page showing now takes them at once; later ones at creation.
    pages_.set_counters(counters_);
    return 1;
}

// --- effects ---------------------------------------------------------------------

void CMainDlg::apply(const install_flow::effects& effects, const input& in)
{
    for (const effect& each : effects) {
        debug(install_flow::describe(each));
        apply(each, in);
        if (!hwnd())
            return; // the run has ended
    }
}

void CMainDlg::apply(const effect& e, const input& in)
{
    switch (e.what) {
    case effect::show:
    case effect::show_new:
        if (e.target == page::step1 || e.target == page::step2 || e.target == page::step3)
            pages_.set_counters(counters_);
        pages_.show(hwnd(), e.target, e.what == effect::show_new);
        break;
    case effect::destroy: pages_.destroy(e.target); break;
    case effect::post: post_to_self(e.message, e.value); break;
    case effect::add_event: SendMessageW(hwnd(), messages::add_stats_event, static_cast<WPARAM>(e.value), 0); break;
    case effect::choose_products: choose_products(e.value != 0); break;
    case effect::warn_protection_installed: warn_protection_installed(); break;
    case effect::start_downloader:
        downloader_.reset();
        downloader_ = std::make_unique<products_downloader>(products_, hwnd(), download_folder());
        break;
    case effect::delete_downloader: downloader_.reset(); break;
    case effect::start_installer:
        installer_.reset();
        installer_ = std::make_unique<products_installer>(products_, hwnd(), download_folder());
        break;
    case effect::delete_installer: installer_.reset(); break;
    case effect::forward: forward_to_process(in); break;
    case effect::post_install_actions: run_post_install_actions(); break;
    case effect::report_installation_error: {
        const std::wstring text = messages::take_text(in.lparam);
        MessageBoxW(hwnd(), text.empty() ? L"installation failed" : text.c_str(), installer_caption().c_str(),
                    MB_OK | MB_ICONERROR | general::translation::message_box_direction());
        break;
    }
    case effect::hide_dialog: ShowWindow(hwnd(), SW_HIDE); break;
    case effect::show_dialog: ShowWindow(hwnd(), SW_SHOW); break;
    case effect::remove_product: post_install::remove_protection_product(); break;
    case effect::clean_up: post_install::clean_up_after_removal(); break;
    case effect::end_run: end_run(e.value); break;
    }
}

void CMainDlg::post_to_self(self_message message, int value)
{
    PostMessageW(hwnd(), message_of(message), static_cast<WPARAM>(value), 0);
}

void CMainDlg::forward_to_process(const input& in)
{
    const bool carries_text =
        in.message == messages::downloading_installation || in.message == messages::installing_product;
    HWND process = pages_.window(page::process);
    if (!process) {
        // Nobody shows it any more (the finish page replaced the process page).
        if (carries_text)
            messages::take_text(in.lparam);
        return;
    }
    SendMessageW(process, in.message, in.wparam, in.lparam);
}

std::wstring CMainDlg::download_folder()
{
    if (!downloads_) {
        // Not the user's temporary folder: any program of the user may rename
        // or fill that, and the installers we start would load DLLs from it.
        // The common application data folder lets users make folders but not
        // take over one of ours. Without it nothing is downloaded: the workers
        // then fail, and the error page offers another try.
        try {
            downloads_ = std::make_unique<general::windows::private_folder>(
                general::windows::special_folder(CSIDL_COMMON_APPDATA), configuration::run_folder_prefix);
            info(L"downloads go to " + downloads_->path());
        } catch (const std::exception& failure) {
            error(L"no private download folder: " + general::windows::to_wide(failure.what()));
            return {};
        }
    }
    return downloads_->path();
}

void CMainDlg::choose_products(bool protection)
{
    products_.clear();
    products_.push_back(archiver_descriptor(language_table_));
    if (protection)
        products_.push_back(protection_descriptor());
}

void CMainDlg::warn_protection_installed()
{
    const std::wstring text = general::translation::translate(
        name(),
        L"We have detected that you already have %1% installed, you cannot proceed to install %2% until you have "
        L"uninstalled %3%",
        {installed_name_, general::windows::protection_full_name(), installed_name_});
    MessageBoxW(hwnd(), text.c_str(), installer_caption().c_str(),
                MB_OK | MB_ICONERROR | general::translation::message_box_direction());
}

void CMainDlg::run_post_install_actions()
{
    const std::wstring caption = installer_caption();
    for (const auto& product : products_)
        post_install::start_tray(hwnd(), product, caption);
    // The copy is what the protection product's removal runs: only a run that
    // installed that product leaves one (an older installation's folder may
    // still be recorded when the archiver alone was installed now).
    const bool protection_installed = std::any_of(products_.begin(), products_.end(),
                                                  [](const product_descriptor& p) { return !p.tray_exe.empty(); });
    if (!protection_installed)
        return;
    const general::windows::running_image nothing_held;
    post_install::copy_installer(hwnd(), caption, own_image_ ? *own_image_ : nothing_held);
}

// --- statistics ------------------------------------------------------------------

void CMainDlg::queue_stats_send()
{
    if (send_queued_.exchange(true))
        return;
    post([this] {
        send_queued_ = false;
        send_pending_events();
    });
}

void CMainDlg::send_pending_events() noexcept
{
    try {
        std::vector<int> batch;
        {
            std::shared_lock guard(events_lock_);
            batch = pending_events_;
        }
        if (batch.empty())
            return;
        const statistics::server server = configuration::statistics_server();
        std::optional<istats> reporter;
        if (machine_id_)
            reporter.emplace(server, *machine_id_);
        else
            reporter.emplace(server);
        machine_id_ = reporter->machine_id();
        reporter->send_events(batch);
        // Only this thread removes events, so the batch is still their front.
        std::unique_lock guard(events_lock_);
        pending_events_.erase(pending_events_.begin(), pending_events_.begin() + batch.size());
    } catch (const std::exception& failure) {
        // The events stay pending for the next send.
        try {
            error(general::windows::to_wide(failure.what()));
        } catch (...) {
        }
    } catch (...) {
    }
}

void CMainDlg::fetch_counters()
{
    HWND window = hwnd();
    post([this, window] {
        protection_counters fetched;
        fetch_protection_statistics(fetched);
        {
            std::unique_lock guard(counters_lock_);
            fetched_counters_ = fetched;
        }
        // Gone when the run ended first; then nobody needs them.
        PostMessageW(window, counters_arrived, 0, 0);
    });
}

// --- window ----------------------------------------------------------------------

std::wstring CMainDlg::installer_caption() const
{
    return general::translation::translate(name(), L"%1% Installer", {general::windows::protection_full_name()});
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
    int icon_id = IDI_INSTALLER;
    if (flow_.mode() == launch_mode::install) {
        SetWindowTextW(hwnd(), L"Quobex Varnhelm Installer");
    } else {
        SetWindowTextW(hwnd(), installer_caption().c_str());
        icon_id = IDI_UNINSTALLER;
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
