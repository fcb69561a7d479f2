#include "messages/messages.h"

#include <algorithm>
#include <memory>

namespace messages {

namespace {
UINT registered(const wchar_t* name)
{
    return RegisterWindowMessageW(name);
}
} // namespace

// One row per registered message: its variable and the name it is registered
// under, each written once. Definition order is registration order (one
// translation unit, so dynamic initialisation runs top to bottom).
#define QEL_REGISTERED_MESSAGES(row)                                                                                   \
    row(quit, L"qel installer quit message") row(start, L"qel installer start message")                                \
        row(finish, L"qel installer finish message") row(uninstall, L"qel installer uninstall message") row(           \
            uninstalled, L"qel installer uninstalled message") row(abort_uninstall, L"qel abort uninstall message")    \
            row(uninstall_step1, L"qel make uninstall step1 message") row(uninstall_step2,                             \
                                                                          L"qel make uninstall step2 message")         \
                row(uninstall_step3, L"qel make uninstall step3 message") row(download_installations,                  \
                                                                              L"qel download installations message")   \
                    row(downloading_installation, L"qel downloading installation message") row(                        \
                        downloading_progress,                                                                          \
                        L"qel downloading progress message") row(downloading_error, L"qel downloading error message")  \
                        row(installations_downloaded, L"qel installations downloaded message")                         \
                            row(start_installations, L"qel start installations message")                               \
                                row(installations_done, L"qel installations done message")                             \
                                    row(installing_product, L"qel installing product message")                         \
                                        row(installation_error, L"qel installation error message")                     \
                                            row(get_selected_products, L"qel installation get selected products")      \
                                                row(add_stats_event, L"qel installation add stats event")              \
                                                    row(send_stats_events, L"qel installation send stats events")      \
                                                        row(set_post_cancel, L"qel installation set post cancel") row( \
                                                            get_post_cancel, L"qel installation get post cancel")      \
                                                            row(set_post_fail, L"qel installation set post fail")      \
                                                                row(get_post_fail, L"qel installation get post fail")  \
                                                                    row(check, L"check message")

#define QEL_DEFINE_MESSAGE(variable, name) const UINT variable = registered(name);
QEL_REGISTERED_MESSAGES(QEL_DEFINE_MESSAGE)
#undef QEL_DEFINE_MESSAGE

#define QEL_CATALOGUE_ENTRY(variable, name) {name, &variable},
const entry catalogue[] = {QEL_REGISTERED_MESSAGES(QEL_CATALOGUE_ENTRY)};
#undef QEL_CATALOGUE_ENTRY
#undef QEL_REGISTERED_MESSAGES
const std::size_t catalogue_size = std::size(catalogue);

bool post_text(HWND target, UINT message, std::wstring_view text)
{
    auto copy = std::make_unique<wchar_t[]>(text.size() + 1);
    std::copy(text.begin(), text.end(), copy.get());
    copy[text.size()] = L'\0';
    if (!PostMessageW(target, message, 0, reinterpret_cast<LPARAM>(copy.get())))
        return false;
    copy.release(); // the receiver owns it now
    return true;
}

std::wstring take_text(LPARAM lparam)
{
    std::unique_ptr<wchar_t[]> owned(reinterpret_cast<wchar_t*>(lparam));
    return owned ? std::wstring(owned.get()) : std::wstring();
}

} // namespace messages
