#include "app/install_flow.h"

#include "http/statistics_events.h"

#include <iterator>

namespace install_flow {

namespace {

effect post(self_message message, int value = 0)
{
    return {effect::post, page::none, message, value};
}

effect act(effect::kind what, int value = 0)
{
    return {what, page::none, self_message::send_stats_events, value};
}

int number(statistics::event event)
{
    return statistics::number_of(event);
}

bool busy(stage value)
{
    return value == stage::downloading || value == stage::installing;
}

} // namespace

const wchar_t* name_of(page value)
{
    switch (value) {
    case page::none: return L"none";
    case page::start: return L"start";
    case page::process: return L"process";
    case page::finish: return L"finish";
    case page::error: return L"error";
    case page::uninstall: return L"uninstall";
    case page::uninstalled: return L"uninstalled";
    case page::cancel: return L"cancel";
    case page::abandon: return L"abandon";
    case page::step1: return L"step1";
    case page::step2: return L"step2";
    case page::step3: return L"step3";
    }
    return L"?";
}

std::wstring describe(const effect& value)
{
    static const wchar_t* const kinds[] = {L"show",
                                           L"show_new",
                                           L"destroy",
                                           L"post",
                                           L"add_event",
                                           L"choose_products",
                                           L"warn_protection_installed",
                                           L"start_downloader",
                                           L"delete_downloader",
                                           L"start_installer",
                                           L"delete_installer",
                                           L"forward",
                                           L"post_install_actions",
                                           L"report_installation_error",
                                           L"hide_dialog",
                                           L"show_dialog",
                                           L"remove_product",
                                           L"clean_up",
                                           L"end_run"};
    static const wchar_t* const posts[] = {
        L"send_stats_events", L"download_installations", L"start_installations", L"finish", L"step1", L"step3",
        L"set_post_cancel",   L"set_post_fail",          L"add_stats_event"};
    static_assert(std::size(kinds) == effect::end_run + 1, "a name for every kind of effect");
    static_assert(std::size(posts) == static_cast<std::size_t>(self_message::add_stats_event) + 1,
                  "a name for every message");
    std::wstring text = kinds[value.what];
    if (value.target != page::none)
        text += std::wstring(L" ") + name_of(value.target);
    if (value.what == effect::post)
        text += std::wstring(L" ") + posts[static_cast<int>(value.message)];
    if (value.value != 0 || value.what == effect::end_run)
        text += L" " + std::to_wstring(value.value);
    return text;
}

void flow::show(effects& out, page target, effect::kind how)
{
    out.push_back({how, target});
    shown_ = target;
}

effects flow::initialised()
{
    effects out;
    switch (mode_) {
    case launch_mode::install: show(out, page::start); break;
    case launch_mode::uninstall: out.push_back(post(self_message::step1)); break;
    case launch_mode::uninstalled: show(out, page::uninstalled); break;
    }
    return out;
}

effects flow::start(bool both, bool archiver_only, bool protection_installed)
{
    if (stage_ == stage::finished)
        return {act(effect::end_run, 0)};
    if (busy(stage_))
        return continue_run();
    if (mode_ == launch_mode::uninstall)
        return {post(self_message::step1)};
    if (mode_ == launch_mode::uninstalled)
        return uninstalled();
    if (exit_prompts_ != 0)
        return back_to_choice();
    if (both || archiver_only)
        return choose(both, archiver_only, protection_installed);
    // The OK command before anything was chosen: nothing to download. The
    // start page's Install asks for a choice itself.
    if (!chosen_)
        return {};
    return retry_download();
}

effects flow::continue_run()
{
    effects out;
    show(out, page::process);
    exit_prompts_ = 0;
    return out;
}

effects flow::back_to_choice()
{
    effects out;
    show(out, page::start);
    exit_prompts_ = 0;
    return out;
}

effects flow::choose(bool both, bool archiver_only, bool protection_installed)
{
    protection_selected_ = both;
    archiver_only_selected_ = archiver_only;
    if (both && protection_installed)
        return {act(effect::warn_protection_installed)};
    // A new choice replaces the list: after a failed download the user may
    // have gone back and chosen otherwise, and each product is fetched once.
    chosen_ = true;
    effects out{act(effect::choose_products, both ? 1 : 0)};
    download(out);
    return out;
}

effects flow::retry_download()
{
    effects out;
    download(out);
    return out;
}

void flow::download(effects& out)
{
    // The download counts from here, not from when the posted request arrives:
    // a Cancel handled in between (the statistics send may let one through)
    // must lead to the abandon page, not to the start page's leave page.
    stage_ = stage::downloading;
    show(out, page::process);
    out.push_back(post(self_message::send_stats_events));
    out.push_back(post(self_message::download_installations));
}

void flow::leave_prompt(effects& out, page leave_page)
{
    show(out, leave_page);
    ++exit_prompts_;
}

effects flow::quit()
{
    effects out{post(self_message::send_stats_events)};
    if (exit_prompts_ != 0 || mode_ != launch_mode::install || stage_ == stage::finished) {
        exit_prompts_ = 0;
        out.push_back(act(effect::end_run, 0));
        return out;
    }
    leave_prompt(out, stage_ == stage::choosing ? page::cancel : page::abandon);
    return out;
}

effects flow::cancel_command()
{
    effects out{post(self_message::set_post_cancel, 1)};
    if (mode_ == launch_mode::install && (stage_ == stage::choosing || stage_ == stage::download_failed)) {
        if (stage_ == stage::download_failed)
            out.push_back(post(self_message::add_stats_event, number(statistics::event::postfail_close)));
        if (exit_prompts_ != 0) {
            show(out, page::start);
            exit_prompts_ = 0;
        } else {
            leave_prompt(out, page::cancel);
        }
    } else if (!busy(stage_)) {
        if (mode_ == launch_mode::uninstall)
            out.push_back(act(effect::add_event, number(statistics::event::uninstall_page1_cancel)));
        out.push_back(act(effect::end_run, 2));
    } else if (exit_prompts_ != 0) {
        show(out, page::process);
        exit_prompts_ = 0;
    } else {
        leave_prompt(out, page::abandon);
    }
    return out;
}

effects flow::download_installations()
{
    effects out{post(self_message::set_post_fail, 0), act(effect::forward)};
    if (downloader_running_)
        return out;
    out.push_back(act(effect::start_downloader));
    downloader_running_ = true;
    stage_ = stage::downloading;
    return out;
}

effects flow::downloading_error()
{
    // The downloader has ended; the error page replaces whatever shows, a leave
    // page included, so the next Cancel starts from no leave page.
    effects out{post(self_message::set_post_fail, 1), act(effect::delete_downloader)};
    downloader_running_ = false;
    stage_ = stage::download_failed;
    exit_prompts_ = 0;
    show(out, page::error);
    return out;
}

effects flow::installations_downloaded()
{
    downloader_running_ = false;
    return {act(effect::forward), act(effect::delete_downloader), post(self_message::start_installations)};
}

effects flow::start_installations()
{
    stage_ = stage::installing;
    return {act(effect::forward), act(effect::start_installer)};
}

effects flow::installation_error()
{
    // The installer stops at the first product it cannot start and will never
    // report completion: tell the user and end instead of spinning forever.
    stage_ = stage::finished;
    exit_prompts_ = 0;
    return {act(effect::delete_installer), act(effect::report_installation_error), act(effect::end_run, 0)};
}

effects flow::installations_done()
{
    stage_ = stage::finished;
    return {act(effect::delete_installer), act(effect::post_install_actions), post(self_message::finish)};
}

effects flow::finish()
{
    effects out;
    exit_prompts_ = 0;
    show(out, page::finish);
    out.push_back({effect::destroy, page::process});
    return out;
}

effects flow::step1()
{
    return show_step(page::step1);
}

effects flow::step2()
{
    return show_step(page::step2);
}

effects flow::step3()
{
    return show_step(page::step3);
}

// Every step gets a new window, which takes the counters at creation.
effects flow::show_step(page step)
{
    effects out;
    show(out, step, effect::show_new);
    return out;
}

effects flow::abort_uninstall()
{
    return {act(effect::end_run, 2)};
}

effects flow::uninstall()
{
    effects out{act(effect::hide_dialog), act(effect::remove_product)};
    stage_ = stage::finished;
    show(out, page::uninstalled);
    out.push_back(act(effect::show_dialog));
    return out;
}

effects flow::uninstalled()
{
    return {act(effect::add_event, number(statistics::event::uninstall_complete)), act(effect::clean_up),
            act(effect::end_run, 0)};
}

} // namespace install_flow
