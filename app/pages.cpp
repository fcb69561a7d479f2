#include "app/pages.h"

#include <boost/format.hpp>

#include "general/log/log.h"
#include "views/cancel_view.h"
#include "views/error_view.h"
#include "views/finish_view.h"
#include "views/process_view.h"
#include "views/start_view.h"
#include "views/uninstall_steps_view.h"
#include "views/uninstall_view.h"

using install_flow::page;

pages::pages(const link_addresses& links)
{
    auto at = [this](page which) -> std::unique_ptr<base_view>& { return views_[static_cast<std::size_t>(which)]; };
    at(page::start) = std::make_unique<start_view>(links);
    at(page::process) = std::make_unique<process_view>();
    at(page::finish) = std::make_unique<finish_view>();
    at(page::error) = std::make_unique<error_view>();
    at(page::uninstall) = std::make_unique<uninstall_view>();
    at(page::uninstalled) = std::make_unique<uninstalled_view>();
    at(page::cancel) = std::make_unique<cancel_view>(links);
    at(page::abandon) = std::make_unique<abandon_view>();
    at(page::step1) = std::make_unique<uninstall_step1_view>();
    at(page::step2) = std::make_unique<uninstall_step2_view>();
    at(page::step3) = std::make_unique<uninstall_step3_view>();
}

pages::~pages()
{
    destroy_all();
}

base_view& pages::view(page which) const
{
    return *views_.at(static_cast<std::size_t>(which));
}

HWND pages::window(page which) const
{
    if (which == page::none)
        return nullptr;
    return view(which).hwnd();
}

void pages::set_counters(const protection_counters& counters)
{
    for (page step : {page::step1, page::step2, page::step3})
        view(step).set_counters(counters);
}

void pages::prefetch(page which)
{
    if (which != page::none)
        view(which).prefetch_images();
}

void pages::show(HWND parent, page which, bool fresh)
{
    if (which == page::none)
        return;
    base_view& target = view(which);
    if ((!target.hwnd() || fresh) && !create(parent, which))
        return;
    if (current_ != which) {
        if (HWND before = window(current_))
            ShowWindow(before, SW_HIDE);
    }
    ShowWindow(target.hwnd(), SW_SHOW);
    current_ = which;
}

void pages::prepare(HWND parent, page which)
{
    if (which != page::none && !view(which).hwnd())
        create(parent, which);
}

bool pages::create(HWND parent, page which)
{
    base_view& target = view(which);
    if (!target.create(parent)) {
        // Read before anything else can run and change it.
        const DWORD error = GetLastError();
        general::log::error((boost::wformat(L"[main] the %1% page could not be created (error %2%)") %
                             install_flow::name_of(which) % error)
                                .str());
        return false;
    }
    SetWindowTextW(target.hwnd(), install_flow::name_of(which));
    RECT client{};
    GetClientRect(parent, &client);
    MoveWindow(target.hwnd(), 0, 0, client.right - client.left, client.bottom - client.top, TRUE);
    return true;
}

void pages::destroy(page which)
{
    if (which == page::none)
        return;
    view(which).destroy();
    if (current_ == which)
        current_ = page::none;
}

void pages::destroy_all()
{
    for (auto& each : views_) {
        if (each)
            each->destroy();
    }
    current_ = page::none;
}
