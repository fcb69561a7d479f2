#pragma once
// The statistics events: what the user chose and what failed, each a number the
// pages and workers report and the key the statistics server knows it by.
// A leaf header: pages, workers and the main dialog include it without pulling in
// anything else.
#include <array>
#include <cstddef>

namespace statistics {

enum class event : int {
    startpage_install_both = 1,
    startpage_install_quobex_only = 2,
    startpage_why_recommended = 3,
    startpage_cancel = 4,
    startpage_eula_quobex = 5,
    startpage_eula_zeb = 6,
    completepage_ok = 7,
    cancelpage_cancel = 8,
    cancelpage_install = 9,
    cancelpage_eula_quobex = 10,
    cancelpage_eula_zeb = 11,
    postcancelpage_why_recommended = 12,
    postcancelpage_install_both = 13,
    postcancelpage_install_quobex_only = 14,
    failed_download_quobex = 15,
    failed_download_kv = 16,
    postfail_retry = 17,
    postfail_close = 18,
    postfail_close_cancel = 19,
    postfail_close_install = 20,
    uninstall_page1_abort = 21,
    uninstall_page1_continue = 22,
    uninstall_page1_cancel = 23,
    uninstall_page1_ok = 24,
    uninstall_page2_abort = 25,
    uninstall_page2_continue = 26,
    uninstall_page2_cancel = 27,
    uninstall_page2_finish = 28,
    uninstall_complete = 29,
};

struct event_key {
    event number;
    const wchar_t* key;
};

// Every event with its server key, in number order.
inline constexpr std::array<event_key, 29> event_keys{{
    {event::startpage_install_both, L"startpage-install-both"},
    {event::startpage_install_quobex_only, L"startpage-install-quobex-only"},
    {event::startpage_why_recommended, L"startpage-why-recommended"},
    {event::startpage_cancel, L"startpage-cancel"},
    {event::startpage_eula_quobex, L"startpage-eula-quobex"},
    {event::startpage_eula_zeb, L"startpage-eula-zeb"},
    {event::completepage_ok, L"completepage-ok"},
    {event::cancelpage_cancel, L"cancelpage-cancel"},
    {event::cancelpage_install, L"cancelpage-install"},
    {event::cancelpage_eula_quobex, L"cancelpage-eula-quobex"},
    {event::cancelpage_eula_zeb, L"cancelpage-eula-zeb"},
    {event::postcancelpage_why_recommended, L"postcancelpage-why-recommended"},
    {event::postcancelpage_install_both, L"postcancelpage-install-both"},
    {event::postcancelpage_install_quobex_only, L"postcancelpage-install-quobex-only"},
    {event::failed_download_quobex, L"failed-download-quobex"},
    {event::failed_download_kv, L"failed-download-kv"},
    {event::postfail_retry, L"postfail-retry"},
    {event::postfail_close, L"postfail-close"},
    {event::postfail_close_cancel, L"postfail-close-cancel"},
    {event::postfail_close_install, L"postfail-close-install"},
    {event::uninstall_page1_abort, L"uninstall-page1-abort"},
    {event::uninstall_page1_continue, L"uninstall-page1-continue"},
    {event::uninstall_page1_cancel, L"uninstall-page1-cancel"},
    {event::uninstall_page1_ok, L"uninstall-page1-ok"},
    {event::uninstall_page2_abort, L"uninstall-page2-abort"},
    {event::uninstall_page2_continue, L"uninstall-page2-continue"},
    {event::uninstall_page2_cancel, L"uninstall-page2-cancel"},
    {event::uninstall_page2_finish, L"uninstall-page2-finish"},
    {event::uninstall_complete, L"uninstall-complete"},
}};

// The number carried in a message's wParam.
constexpr int number_of(event e) noexcept
{
    return static_cast<int>(e);
}

constexpr bool keys_in_number_order() noexcept
{
    for (std::size_t i = 0; i < event_keys.size(); ++i)
        if (number_of(event_keys[i].number) != static_cast<int>(i) + 1)
            return false;
    return true;
}
static_assert(keys_in_number_order(), "every event once, in number order");

} // namespace statistics
