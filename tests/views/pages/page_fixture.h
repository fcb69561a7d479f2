#pragma once
// What every page test needs: GDI+, the embedded theme and English catalogue, a
// scratch registry (the catalogue stores the chosen language), a host window
// standing in for the main dialog, and the page shown in it.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "general/translation/translation.h"
#include "general/windows/gdiplus_session.h"
#include "general/windows/resource.h"
#include "general/windows/text.h"
#include "general/windows/ui/window_layer.h"
#include "resources/resource_ids.h"
#include "tests/support/page_host.h"
#include "tests/support/scratch_registry.h"
#include "views/base_view.h"
#include "views/theme.h"

namespace page_tests {

inline void load_embedded_look(const std::wstring& language)
{
    const general::windows::resource::handle theme_text(GetModuleHandleW(nullptr), IDR_THEME, L"THEME");
    theme::load(general::windows::to_wide(theme_text.bytes()));
    general::translation::load_embedded_translations();
    general::translation::set_language(language);
}

class page_test : public testing::Test {
protected:
    static void SetUpTestSuite() { gdiplus_ = new general::windows::gdiplus_session; }
    static void TearDownTestSuite() { delete gdiplus_; }
    void SetUp() override
    {
        load_embedded_look(L"en_GB");
        host.selected_products = 1;
        host.post_cancel = 0;
        host.post_fail = 0;
        host.pump();
        host.clear();
    }

    // One host for the whole test program: under Wine's virtual desktop, top-level
    // windows destroyed and made again in quick succession can race with the
    // desktop's own bookkeeping and bring it down.
    static test_support::page_host& shared_host()
    {
        static test_support::page_host* instance = new test_support::page_host;
        return *instance;
    }

    // Creates `page` in the host; the page must outlive nothing but the test.
    HWND show(base_view& page)
    {
        HWND window = page.create(host.hwnd());
        // A failed initialisation fails the test with its own message.
        general::windows::ui::rethrow_kept_exception();
        ShowWindow(window, SW_SHOW);
        host.pump();
        return window;
    }

    // A click on a button or radio button as the user makes it, then whatever it posted.
    void click(base_view& page, int control)
    {
        SendMessageW(GetDlgItem(page.hwnd(), control), BM_CLICK, 0, 0);
        host.pump();
    }
    // A link's command (the link widget sends it when clicked).
    void command(base_view& page, int control)
    {
        SendMessageW(page.hwnd(), WM_COMMAND, MAKEWPARAM(control, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(page.hwnd(), control)));
        host.pump();
    }

    // Where control `control` of `page` lies, in the page's client coordinates.
    static RECT box_of(HWND page, int control)
    {
        RECT box{};
        GetWindowRect(GetDlgItem(page, control), &box);
        MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&box), 2);
        return box;
    }

    static std::wstring window_text(HWND window)
    {
        wchar_t text[512] = {};
        GetWindowTextW(window, text, 512);
        return text;
    }

    static inline general::windows::gdiplus_session* gdiplus_ = nullptr;
    test_support::scratch_registry registry;
    test_support::page_host& host = shared_host();
};

} // namespace page_tests
