#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/main_dialog.h"
#include "messages/messages.h"
#include "tests/support/scratch_registry.h"

using general::windows::ui::app_module;
using general::windows::ui::message_loop;

namespace {

class main_dialog : public testing::Test {
protected:
    void SetUp() override
    {
        app_module::instance().init();
        app_module::instance().add_message_loop(&loop);
    }
    void TearDown() override
    {
        dialog.reset();
        app_module::instance().remove_message_loop();
        app_module::instance().term();
    }

    HWND open(launch_mode mode)
    {
        dialog = std::make_unique<CMainDlg>();
        return dialog->create(GetModuleHandleW(nullptr), CMainDlg::template_id, nullptr, mode);
    }

    static std::wstring caption(HWND window)
    {
        wchar_t text[256] = {};
        GetWindowTextW(window, text, 256);
        return text;
    }

    // Runs the loop until the dialog ends the run; a run that does not end within
    // a few seconds fails instead of hanging.
    int run_until_quit()
    {
        const UINT_PTR timer = SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(-1); });
        const int code = loop.run();
        KillTimer(nullptr, timer);
        return code;
    }

    // The dialog stores the chosen language; keep that out of the machine's registry.
    test_support::scratch_registry registry;
    message_loop loop;
    std::unique_ptr<CMainDlg> dialog;
};

} // namespace

TEST_F(main_dialog, install_mode_shows_the_product_caption_and_icons_on_top)
{
    HWND window = open(launch_mode::install);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(L"Quobex Varnhelm Installer", caption(window));
    EXPECT_NE(0, SendMessageW(window, WM_GETICON, ICON_BIG, 0));
    EXPECT_NE(0, SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(launch_mode::install, dialog->mode());
}

TEST_F(main_dialog, uninstall_modes_are_titled_after_the_protection_product)
{
    for (launch_mode mode : {launch_mode::uninstall, launch_mode::uninstalled}) {
        HWND window = open(mode);
        ASSERT_NE(nullptr, window);
        EXPECT_EQ(L"Varnhelm Sentovar Installer", caption(window));
        EXPECT_NE(0, SendMessageW(window, WM_GETICON, ICON_BIG, 0));
        EXPECT_EQ(mode, dialog->mode());
    }
}

TEST_F(main_dialog, the_cancel_command_ends_the_run_with_the_code_of_the_mode)
{
    struct expectation {
        launch_mode mode;
        int exit_code;
    };
    for (auto [mode, exit_code] : {expectation{launch_mode::uninstall, 2}, expectation{launch_mode::uninstalled, 2}}) {
        HWND window = open(mode);
        ASSERT_NE(nullptr, window);
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        EXPECT_EQ(exit_code, run_until_quit()) << "mode " << mode;
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(nullptr, dialog->hwnd());
    }
}

TEST_F(main_dialog, installing_the_cancel_command_leads_to_the_cancel_page_whose_cancel_ends_with_0)
{
    HWND window = open(launch_mode::install);
    ASSERT_NE(nullptr, window);
    const auto visible_page = [window] {
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (IsWindowVisible(child))
                return caption(child);
        }
        return std::wstring(L"(none)");
    };
    EXPECT_EQ(L"start", visible_page());
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    ASSERT_EQ(L"cancel", visible_page());
    HWND cancel_page = FindWindowExW(window, nullptr, nullptr, L"cancel");
    PostMessageW(cancel_page, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_EQ(0, run_until_quit());
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(main_dialog, escape_and_the_close_box_are_the_cancel_command)
{
    HWND window = open(launch_mode::uninstall);
    ASSERT_NE(nullptr, window);
    // Escape only becomes Cancel through the dialog's message filter.
    PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(2, run_until_quit());
    EXPECT_FALSE(IsWindow(window));

    window = open(launch_mode::uninstalled);
    ASSERT_NE(nullptr, window);
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(2, run_until_quit());
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(main_dialog, the_flag_messages_store_any_nonzero_value_as_set)
{
    HWND window = open(launch_mode::install);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(0, SendMessageW(window, messages::get_post_cancel, 0, 0));
    EXPECT_EQ(1, SendMessageW(window, messages::set_post_cancel, 5, 0));
    EXPECT_EQ(1, SendMessageW(window, messages::get_post_cancel, 0, 0));
    SendMessageW(window, messages::set_post_cancel, 0, 0);
    EXPECT_EQ(0, SendMessageW(window, messages::get_post_cancel, 0, 0));

    EXPECT_EQ(0, SendMessageW(window, messages::get_post_fail, 0, 0));
    SendMessageW(window, messages::set_post_fail, 1, 0);
    EXPECT_EQ(1, SendMessageW(window, messages::get_post_fail, 0, 0));
}

// Nothing in this program sends the old report message; whatever another
// program posts under that name must not make the dialog free pointers it
// never allocated.
TEST_F(main_dialog, the_old_report_message_frees_nothing)
{
    HWND window = open(launch_mode::install);
    ASSERT_NE(nullptr, window);
    const UINT report = RegisterWindowMessageW(L"qel installation ga report message");
    EXPECT_EQ(0, SendMessageW(window, report, 0x1234, 0x5678));
    EXPECT_TRUE(IsWindow(window));
}
