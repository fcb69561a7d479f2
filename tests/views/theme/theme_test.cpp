// The shared theme: Windows font descriptions, lookups and their errors, the
// embedded theme, and the fallback file beside the executable.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "general/windows/resource.h"
#include "general/windows/system.h"
#include "general/windows/text.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/self_copy.h"
#include "views/theme.h"
#include "views/theme_reader.h"

namespace {

std::wstring document_with(const std::wstring& contexts)
{
    return L"<?xml version=\"1.0\"?><theme name=\"t\" version=\"1.0\">" + contexts + L"</theme>";
}

std::wstring embedded_theme()
{
    const general::windows::resource::handle resource(GetModuleHandleW(nullptr), 133, L"THEME");
    return general::windows::to_wide(resource.bytes());
}

template <typename Call> std::string error_of(Call call)
{
    try {
        call();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "(no error)";
}

} // namespace

TEST(theme_font, fills_the_windows_description_and_leaves_the_rest_zero)
{
    const theme t(document_with(L"<context name=\"dlg\"><font name=\"f\" type=\"text\"><family>Arial</family>"
                                L"<size>22</size><style>bold underline</style><normal_color>#263989</normal_color>"
                                L"</font><font name=\"long\"><family>" +
                                std::wstring(40, L'x') + L"</family></font></context>"),
                  96);
    const text_settings& s = t.context(L"dlg").text_settings(L"f");
    LOGFONTW expected{};
    expected.lfHeight = -29;
    expected.lfWeight = FW_BOLD;
    expected.lfUnderline = 1;
    expected.lfCharSet = DEFAULT_CHARSET;
    wcscpy(expected.lfFaceName, L"Arial");
    EXPECT_EQ(std::memcmp(&s.font, &expected, sizeof expected), 0) << "every other member is 0";
    EXPECT_EQ(s.kind, 0);
    EXPECT_EQ(s.normal_color, RGB(0x26, 0x39, 0x89));
    EXPECT_EQ(s.selected_color, 0u);

    const LOGFONTW& cut = t.context(L"dlg").text_settings(L"long").font;
    EXPECT_EQ(std::wstring(cut.lfFaceName), std::wstring(31, L'x')) << "cut, and still terminated";
}

TEST(theme_font, heights_follow_windows_muldiv_at_every_resolution)
{
    for (int dpi : {72, 84, 96, 100, 120, 144, 192})
        for (int points = -4; points <= 100; ++points)
            ASSERT_EQ(theme_reader::font_height(points, dpi), -MulDiv(points, dpi, 72)) << points << " at " << dpi;
}

TEST(theme_lookup, missing_names_throw_with_the_name_in_the_text)
{
    const theme t(document_with(L"<context name=\"dlg\"><font name=\"text\"/></context>"), 96);
    EXPECT_EQ(error_of([&] { t.context(L"main"); }), "Theme error: context main not found");
    EXPECT_EQ(error_of([&] { t.context(L"dlg").text_settings(L"ok_button"); }),
              "Theme error: text settings ok_button not found");
    // Narrowed one character at a time, whatever the code page: U+20AC keeps its
    // low byte (the ANSI code page would give 0x80 or "?").
    EXPECT_EQ(error_of([&] { t.context(L"caf\x20AC"); }), "Theme error: context caf\xAC not found");
    EXPECT_EQ(error_of([&] { t.context(L"Dlg"); }), "Theme error: context Dlg not found") << "names are exact";
    EXPECT_EQ(t.context(L"dlg").name(), L"dlg");
}

TEST(theme_shared, the_embedded_theme_gives_every_setting_the_pages_use)
{
    theme::load(embedded_theme());
    const theme_context& dlg = theme::instance().context(L"dlg");
    const int dpi = desktop_dpi();
    struct expectation {
        const wchar_t* name;
        int points;
        LONG weight;
        int kind;
        COLORREF normal, active;
    };
    for (const auto& e : {expectation{L"text", 9, FW_NORMAL, 0, RGB(0, 0, 0), 0},
                          expectation{L"bold_text", 9, FW_BOLD, 0, RGB(0, 0, 0), 0},
                          expectation{L"big_text", 11, FW_NORMAL, 0, RGB(0, 0, 0), 0},
                          expectation{L"blue_text", 9, FW_NORMAL, 0, 0x00893926, 0},
                          expectation{L"header_text", 14, FW_NORMAL, 0, 0x00893926, 0},
                          expectation{L"complete_text", 22, FW_NORMAL, 0, 0x00893926, 0},
                          expectation{L"footer_text", 8, FW_BOLD, 0, RGB(0, 0, 0), 0},
                          expectation{L"link", 10, FW_NORMAL, 0, RGB(0, 0, 0xFF), 0},
                          expectation{L"ok_button", 12, FW_NORMAL, 1, RGB(0xFF, 0xFF, 0xFF), RGB(0xFF, 0xFF, 0xFF)},
                          expectation{L"sign_button", 10, FW_BOLD, 1, RGB(0, 0, 0), RGB(0, 0, 0)},
                          expectation{L"cancel_button", 10, FW_NORMAL, 1, RGB(0, 0, 0), RGB(0xAA, 0, 0)}}) {
        SCOPED_TRACE(general::windows::to_narrow(e.name));
        const text_settings& s = dlg.text_settings(e.name);
        EXPECT_EQ(s.font.lfHeight, -MulDiv(e.points, dpi, 72));
        EXPECT_EQ(s.font.lfWeight, e.weight);
        EXPECT_EQ(std::wstring(s.font.lfFaceName), L"Arial");
        EXPECT_EQ(s.kind, e.kind);
        EXPECT_EQ(s.normal_color, e.normal);
        EXPECT_EQ(s.active_color, e.active);
        EXPECT_EQ(s.disabled_color, RGB(0xB0, 0xB0, 0xB0));
        EXPECT_EQ(s.selected_color, 0u);
    }
}

TEST(theme_shared, load_replaces_the_whole_theme)
{
    theme::load(document_with(L"<context name=\"a\"/>"));
    EXPECT_NO_THROW(theme::instance().context(L"a"));
    theme::load(document_with(L"<context name=\"b\"/>"));
    EXPECT_THROW(theme::instance().context(L"a"), std::runtime_error);
    EXPECT_NO_THROW(theme::instance().context(L"b"));
    theme::load(L"<theme><context name=\"c\">"); // malformed: an empty theme, no exception
    EXPECT_THROW(theme::instance().context(L"b"), std::runtime_error);
}

// Before any load the shared theme is read from default.theme in the resources
// folder beside the executable. The build tree has none, and other tests of this
// run may have loaded a theme already; the next test runs this one again from
// fresh copies of the executable with a folder of their own.
TEST(theme_fallback, is_read_from_default_theme_beside_the_executable)
{
    const auto resources = std::filesystem::path(general::windows::executable_directory()) / L"resources";
    const theme& shared = theme::instance();
    EXPECT_EQ(&shared, &theme::instance());
    if (!std::filesystem::exists(resources))
        return;
    std::ofstream(resources / L"copy_ran").put('\n'); // tells the starting test that this copy checked
    if (!std::filesystem::exists(resources / L"default.theme")) {
        EXPECT_EQ(error_of([&] { shared.context(L"dlg"); }), "Theme error: context dlg not found");
        return;
    }
    // Each byte is one character: 0x80 is U+0080 (the ANSI code page would make
    // it U+20AC or "?").
    const text_settings& s = shared.context(L"fallback").text_settings(L"text");
    EXPECT_EQ(std::wstring(s.font.lfFaceName), L"Caf\x80");
    EXPECT_EQ(s.font.lfHeight, -MulDiv(9, desktop_dpi(), 72));
    EXPECT_EQ(shared.graphics().at(L"logo"), resources.wstring() + L"\\logo.png");
}

TEST(theme_fallback, a_copy_of_the_executable_reads_its_own_default_theme)
{
    for (const bool with_file : {true, false}) {
        SCOPED_TRACE(with_file ? "with default.theme" : "without default.theme");
        test_support::scratch_folder folder;
        const auto resources = folder.path() / L"resources";
        std::filesystem::create_directory(resources);
        if (with_file)
            std::ofstream(resources / L"default.theme", std::ios::binary)
                << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<theme name=\"fallback\" version=\"1.0\">"
                   "<graphics><logo>logo.png</logo></graphics>"
                   "<context name=\"fallback\"><font name=\"text\" type=\"text\"><family>Caf\x80</family>"
                   "<size>9</size></font></context></theme>\n";
        const auto exit_code = test_support::run_self_copy(
            folder.path(), L"theme_fallback.is_read_from_default_theme_beside_the_executable");
        ASSERT_TRUE(exit_code) << "the copy did not run to its end";
        EXPECT_EQ(*exit_code, 0u) << "the copy's checks failed";
        EXPECT_TRUE(std::filesystem::exists(resources / L"copy_ran")) << "the copy ran no test";
    }
}
