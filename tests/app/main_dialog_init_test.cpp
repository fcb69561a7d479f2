// What the main dialog's initialisation sets up before any page exists: the
// translation catalogue of the user's locale (so the caption is translated) and
// the embedded theme.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/main_dialog.h"
#include "general/translation/translation.h"
#include "tests/support/scratch_registry.h"
#include "views/theme.h"

using general::windows::ui::app_module;

namespace {

class main_dialog_init : public testing::Test {
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
        general::translation::set_locale_source({});
    }

    // Opens the dialog for a user of the locale; returns its caption.
    std::wstring caption_for(launch_mode mode, const std::wstring& language, const std::wstring& country)
    {
        general::translation::set_locale_source([=] { return general::translation::locale_names{language, country}; });
        dialog = std::make_unique<CMainDlg>();
        HWND window = dialog->create(GetModuleHandleW(nullptr), CMainDlg::template_id, nullptr, mode);
        if (!window)
            return L"(no window)";
        wchar_t text[256] = {};
        GetWindowTextW(window, text, 256);
        return text;
    }

    test_support::scratch_registry registry;
    general::windows::ui::message_loop loop;
    std::unique_ptr<CMainDlg> dialog;
};

} // namespace

TEST_F(main_dialog_init, uninstall_captions_are_translated_for_the_users_locale)
{
    // The catalogue's own words for the caption, filled with the product.
    const auto caption_in = [](const wchar_t* code) {
        general::translation::set_language(code);
        return general::translation::translate(L"MainDlg", L"%1% Installer", {L"Varnhelm Sentovar"});
    };
    const std::wstring brazilian = caption_for(launch_mode::uninstall, L"pt", L"BR");
    EXPECT_NE(brazilian, L"Varnhelm Sentovar Installer");
    EXPECT_EQ(brazilian, caption_in(L"pt_BR"));
    EXPECT_EQ(caption_for(launch_mode::uninstalled, L"pt", L"BR"), brazilian);
    EXPECT_EQ(caption_for(launch_mode::uninstall, L"de", L"AT"), caption_in(L"de_DE")) << "by its language";
    EXPECT_EQ(caption_for(launch_mode::uninstall, L"ko", L"KR"), L"Varnhelm Sentovar Installer");
    EXPECT_EQ(caption_for(launch_mode::install, L"pt", L"BR"), L"Quobex Varnhelm Installer") << "never translated";
}

TEST_F(main_dialog_init, the_embedded_theme_is_in_place_for_the_pages)
{
    caption_for(launch_mode::install, L"en", L"GB");
    const theme_context& dlg = theme::instance().context(L"dlg");
    EXPECT_EQ(std::wstring(dlg.text_settings(L"ok_button").font.lfFaceName), L"Arial");
    EXPECT_EQ(dlg.text_settings(L"blue_text").normal_color, 0x00893926u);
}
