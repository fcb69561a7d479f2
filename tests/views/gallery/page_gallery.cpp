// Renders every page of the installer into PNG pictures, for people to look at:
//
//     page_gallery <folder> <language>      (a code of the language list: en_GB, de_DE, ...)
//
// Each page is shown in a window made from the main dialog's template, as the
// installer shows it, and the window is copied from the screen into
// <folder>\<page>.png. The window must be on a visible desktop (Xvfb does). Exit
// code 0 when every page was written, 1 otherwise, with the reason on stderr.
#include <winsock2.h>
#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "general/translation/translation.h"
#include "general/windows/com.h"
#include "general/windows/gdi.h"
#include "general/windows/gdiplus_session.h"
#include "general/windows/resource.h"
#include "general/windows/text.h"
#include "general/windows/ui/window_layer.h"
#include "resources/resource_ids.h"
#include "tests/support/page_host.h"
#include "tests/support/screen_capture.h"
#include "tests/support/scratch_registry.h"
#include "views/cancel_view.h"
#include "views/error_view.h"
#include "views/finish_view.h"
#include "views/process_view.h"
#include "views/start_view.h"
#include "views/theme.h"
#include "views/uninstall_steps_view.h"
#include "views/uninstall_view.h"

namespace {

struct gallery_page {
    const wchar_t* file;
    bool uninstall; // shown by the uninstall companion, with its caption
    std::function<std::unique_ptr<base_view>()> make;
};

const link_addresses addresses{L"http://quobex.example/quobexlicense.html?&L=0", L"https://sentovar.example/eula.php",
                               L"https://sentovar.example/about.php"};

template <typename Page>
std::unique_ptr<base_view> with_counters()
{
    auto page = std::make_unique<Page>();
    page->set_counters({32267948, 302113, 126279});
    return page;
}

const gallery_page pages[] = {
    {L"start_view", false, [] { return std::make_unique<start_view>(addresses); }},
    {L"process_view", false, [] { return std::make_unique<process_view>(); }},
    {L"finish_view", false, [] { return std::make_unique<finish_view>(); }},
    {L"error_view", false, [] { return std::make_unique<error_view>(); }},
    {L"cancel_view", false, [] { return std::make_unique<cancel_view>(addresses); }},
    {L"abandon_view", false, [] { return std::make_unique<abandon_view>(); }},
    {L"uninstall_view", true, [] { return std::make_unique<uninstall_view>(); }},
    {L"uninstall_step1_view", true, [] { return with_counters<uninstall_step1_view>(); }},
    {L"uninstall_step2_view", true, [] { return with_counters<uninstall_step2_view>(); }},
    {L"uninstall_step3_view", true, [] { return with_counters<uninstall_step3_view>(); }},
    {L"uninstalled_view", true, [] { return std::make_unique<uninstalled_view>(); }},
};

void pump_for(std::chrono::milliseconds duration)
{
    const auto end = std::chrono::steady_clock::now() + duration;
    MSG message{};
    while (std::chrono::steady_clock::now() < end) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

void load_look(const std::wstring& language)
{
    const general::windows::resource::handle theme_text(GetModuleHandleW(nullptr), IDR_THEME, L"THEME");
    theme::load(general::windows::to_wide(theme_text.bytes()));
    general::translation::load_embedded_translations();
    general::translation::set_language(language);
}

int render(const std::filesystem::path& folder, const std::wstring& language)
{
    std::filesystem::create_directories(folder);
    load_look(language);
    // As the installer does for such a language: every window mirrored.
    if (general::translation::is_right_to_left(language))
        SetProcessDefaultLayout(LAYOUT_RTL);
    int failures = 0;
    for (const auto& entry : pages) {
        test_support::page_host host;
        SetWindowTextW(host.hwnd(), entry.uninstall ? L"Varnhelm Sentovar Installer" : L"Quobex Varnhelm Installer");
        SetWindowPos(host.hwnd(), HWND_TOPMOST, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        SetForegroundWindow(host.hwnd());
        auto page = entry.make();
        HWND window = page->create(host.hwnd());
        // A page whose initialisation failed has handed its exception to the window layer.
        general::windows::ui::rethrow_kept_exception();
        if (!window) {
            std::fwprintf(stderr, L"%ls: the page could not be created\n", entry.file);
            ++failures;
            continue;
        }
        ShowWindow(window, SW_SHOW);
        pump_for(std::chrono::milliseconds(400));
        const auto file = folder / (std::wstring{entry.file} + L".png");
        const auto picture = test_support::copy_from_screen(host.hwnd());
        if (!picture || !test_support::save_png(picture.get(), file)) {
            std::fwprintf(stderr, L"%ls: the picture could not be written\n", file.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        std::fwprintf(stderr, L"usage: page_gallery <folder> <language>\n");
        return 2;
    }
    const general::windows::com_apartment apartment;
    const general::windows::gdiplus_session gdiplus;
    // The catalogue stores the chosen language; keep it out of the prefix's registry.
    const test_support::scratch_registry registry;
    try {
        return render(argv[1], argv[2]);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "page_gallery: %s\n", failure.what());
        return 1;
    }
}
