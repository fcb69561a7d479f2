#include "app/messages.h"

#include <algorithm>
#include <memory>

namespace messages {

namespace {
UINT registered(const wchar_t* name) { return RegisterWindowMessageW(name); }
} // namespace

// Definition order is registration order (one translation unit, so dynamic
// initialisation runs top to bottom).
const UINT quit = registered(L"qel installer quit message");
const UINT start = registered(L"qel installer start message");
const UINT finish = registered(L"qel installer finish message");
const UINT uninstall = registered(L"qel installer uninstall message");
const UINT uninstalled = registered(L"qel installer uninstalled message");
const UINT abort_uninstall = registered(L"qel abort uninstall message");
const UINT uninstall_step1 = registered(L"qel make uninstall step1 message");
const UINT uninstall_step2 = registered(L"qel make uninstall step2 message");
const UINT uninstall_step3 = registered(L"qel make uninstall step3 message");
const UINT download_installations = registered(L"qel download installations message");
const UINT downloading_installation = registered(L"qel downloading installation message");
const UINT downloading_progress = registered(L"qel downloading progress message");
const UINT downloading_error = registered(L"qel downloading error message");
const UINT installations_downloaded = registered(L"qel installations downloaded message");
const UINT start_installations = registered(L"qel start installations message");
const UINT installations_done = registered(L"qel installations done message");
const UINT installing_product = registered(L"qel installing product message");
const UINT installation_error = registered(L"qel installation error message");
const UINT get_selected_products = registered(L"qel installation get selected products");
const UINT add_stats_event = registered(L"qel installation add stats event");
const UINT send_stats_events = registered(L"qel installation send stats events");
const UINT set_post_cancel = registered(L"qel installation set post cancel");
const UINT get_post_cancel = registered(L"qel installation get post cancel");
const UINT set_post_fail = registered(L"qel installation set post fail");
const UINT get_post_fail = registered(L"qel installation get post fail");
const UINT check = registered(L"check message");

const entry catalogue[] = {
    {L"qel installer quit message", &quit},
    {L"qel installer start message", &start},
    {L"qel installer finish message", &finish},
    {L"qel installer uninstall message", &uninstall},
    {L"qel installer uninstalled message", &uninstalled},
    {L"qel abort uninstall message", &abort_uninstall},
    {L"qel make uninstall step1 message", &uninstall_step1},
    {L"qel make uninstall step2 message", &uninstall_step2},
    {L"qel make uninstall step3 message", &uninstall_step3},
    {L"qel download installations message", &download_installations},
    {L"qel downloading installation message", &downloading_installation},
    {L"qel downloading progress message", &downloading_progress},
    {L"qel downloading error message", &downloading_error},
    {L"qel installations downloaded message", &installations_downloaded},
    {L"qel start installations message", &start_installations},
    {L"qel installations done message", &installations_done},
    {L"qel installing product message", &installing_product},
    {L"qel installation error message", &installation_error},
    {L"qel installation get selected products", &get_selected_products},
    {L"qel installation add stats event", &add_stats_event},
    {L"qel installation send stats events", &send_stats_events},
    {L"qel installation set post cancel", &set_post_cancel},
    {L"qel installation get post cancel", &get_post_cancel},
    {L"qel installation set post fail", &set_post_fail},
    {L"qel installation get post fail", &get_post_fail},
    {L"check message", &check},
};
const std::size_t catalogue_size = std::size(catalogue);

bool post_text(HWND target, UINT message, std::wstring_view text)
{
    auto copy = std::make_unique<wchar_t[]>(text.size() + 1);
    std::copy(text.begin(), text.end(), copy.get());
    copy[text.size()] = L'\0';
    if (!PostMessageW(target, message, 0, reinterpret_cast<LPARAM>(copy.get())))
        return false;
    copy.release();  // the receiver owns it now
    return true;
}

std::wstring take_text(LPARAM lparam)
{
    std::unique_ptr<wchar_t[]> owned(reinterpret_cast<wchar_t*>(lparam));
    return owned ? std::wstring(owned.get()) : std::wstring();
}

} // namespace messages
