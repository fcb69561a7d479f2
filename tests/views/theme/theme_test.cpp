// The shared theme: Windows font descriptions, lookups and their errors, what
// the pages take from the embedded theme, and the fallback file beside the
// executable.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>

#include "general/windows/resource.h"
#include "general/windows/system.h"
#include "general/windows/text.h"
#include "resources/resource_ids.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/self_copy.h"
#include "tests/support/text_census.h"
#include "views/theme.h"
#include "views/theme_reader.h"

namespace {

std::wstring document_with(const std::wstring& contexts)
{
    return L"<?xml version=\"1.0\"?><theme name=\"t\" version=\"1.0\">" + contexts + L"</theme>";
}

std::wstring embedded_theme()
{
    const general::windows::resource::handle resource(GetModuleHandleW(nullptr), IDR_THEME, L"THEME");
    return general::windows::to_wide(resource.bytes());
}

template <typename Call>
std::string error_of(Call call)
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
    // Halves round away from zero (3 points at 84 dpi, either sign), and an
    // overflowing product counts as MulDiv's -1.
    EXPECT_EQ(theme_reader::font_height(2147483647, 96), 1);
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

// Every setting a page's layout names is in the embedded theme (a missing one
// ends the page's initialisation), at a readable size; buttons have a colour for
// the pointer over them.
TEST(theme_shared, the_embedded_theme_gives_every_setting_the_pages_use)
{
    theme::load(embedded_theme());
    const theme_context& dlg = theme::instance().context(L"dlg");
    const int dpi = desktop_dpi();
    std::map<std::wstring, bool> used; // name -> used by a button
    for (const auto& page : test_support::every_page()) {
        const page_layout layout = test_support::layout_of(*page);
        for (const auto& item : layout.texts)
            used.emplace(item.settings, false);
        for (const auto& item : layout.buttons)
            used[item.settings] = true;
    }
    ASSERT_GT(used.size(), 5u);
    for (const auto& [name, button] : used) {
        SCOPED_TRACE(general::windows::to_narrow(name));
        const text_settings* s = nullptr;
        ASSERT_NO_THROW(s = &dlg.text_settings(name));
        EXPECT_EQ(s->kind, button ? 1 : 0);
        EXPECT_FALSE(std::wstring(s->font.lfFaceName).empty());
        EXPECT_LE(s->font.lfHeight, -MulDiv(8, dpi, 72));
        EXPECT_GE(s->font.lfHeight, -MulDiv(24, dpi, 72));
        EXPECT_TRUE(s->font.lfWeight == FW_NORMAL || s->font.lfWeight == FW_BOLD);
        EXPECT_NE(s->disabled_color, s->normal_color);
        if (button) {
            EXPECT_NE(s->active_color, s->disabled_color);
        }
    }
    // One setting the whole way through, as a hand-checked anchor.
    const text_settings& body = dlg.text_settings(L"text");
    EXPECT_EQ(std::wstring(body.font.lfFaceName), L"Arial");
    EXPECT_EQ(body.font.lfHeight, -MulDiv(9, dpi, 72));
    EXPECT_EQ(body.font.lfWeight, FW_NORMAL);
    EXPECT_EQ(body.normal_color, RGB(0, 0, 0));
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
// run may have loaded a theme already, so the check runs in fresh copies of the
// executable with a folder of their own: registered only when a copy's command
// line asks for it, it is no case of the ordinary run.
namespace {

const char* const fallback_check = "theme_fallback.copy_reads_the_folder_beside_itself";

class fallback_in_copy : public testing::Test {
    void TestBody() override
    {
        const auto resources = std::filesystem::path(general::windows::executable_directory()) / L"resources";
        ASSERT_TRUE(std::filesystem::exists(resources)) << "run only from a copy the next test lays out";
        const theme& shared = theme::instance();
        EXPECT_EQ(&shared, &theme::instance());
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
};

[[maybe_unused]] const bool fallback_registered =
    general::windows::wide_to_utf8(GetCommandLineW()).find(std::string("--gtest_filter=") + fallback_check) !=
        std::string::npos &&
    testing::RegisterTest("theme_fallback", std::strchr(fallback_check, '.') + 1, nullptr, nullptr, __FILE__, __LINE__,
                          []() -> testing::Test* { return new fallback_in_copy; });

} // namespace

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
        const auto exit_code =
            test_support::run_self_copy(folder.path(), general::windows::utf8_to_wide(fallback_check));
        ASSERT_TRUE(exit_code) << "the copy did not run to its end";
        EXPECT_EQ(*exit_code, 0u) << "the copy's checks failed";
        EXPECT_TRUE(std::filesystem::exists(resources / L"copy_ran")) << "the copy ran no test";
    }
}
