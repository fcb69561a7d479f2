// The manager over a "resources" folder of files: the list read at creation,
// catalogues loaded on first selection, the stored language and every failure.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "general/windows/handle.h"
#include "general/windows/settings.h"
#include "general/windows/system.h"
#include "tests/general/translation/translation_test_support.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scratch_registry.h"
#include "tests/support/self_copy.h"

using general::translation::manager;
using namespace translation_tests;

namespace {

class manager_files : public testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directory(resources); }

    void write_list(const std::wstring& text) { write_utf8(resources / L"languages.lst", text); }

    test_support::scratch_registry registry;
    test_support::scratch_folder folder;
    const std::filesystem::path resources = folder.path() / L"resources";
};

// What a message of the exception is for a path.
std::string message_for(const wchar_t* format, const std::filesystem::path& path)
{
    std::wstring text = format;
    text.replace(text.find(L"%1%"), 3, path.wstring());
    return general::windows::to_narrow(text);
}

} // namespace

TEST_F(manager_files, reads_the_list_and_loads_a_catalogue_once_when_first_selected)
{
    write_list(L"\xFEFF"
               L"French|Fran\xE7"
               L"ais|fr_FR\r\nEnglish|English|en_GB\r\n");
    write_utf8(resources / L"ui_fr_FR.ts", catalogue(L"StartView", {{L"Install", L"Installer \x2014 \xE9 "}}));
    manager m(resources);
    ASSERT_EQ(m.languages().size(), 2u);
    const auto& french = m.languages().at(L"fr_FR");
    EXPECT_EQ(french.native_name, L"Fran\xE7"
                                  L"ais");
    EXPECT_EQ(french.catalogue_path, resources / L"ui_fr_FR.ts");
    EXPECT_TRUE(french.contexts.empty()) << "loaded before it was selected";
    EXPECT_EQ(m.current_code(), L"");

    m.set_language(L"fr_FR");
    EXPECT_EQ(m.current_code(), L"fr_FR");
    EXPECT_EQ(m.translate(L"StartView", L"Install"), L"Installer \x2014 \xE9 ");
    EXPECT_EQ(stored_language(), L"fr_FR");

    // Selected again, the catalogue is not read again.
    std::filesystem::remove(resources / L"ui_fr_FR.ts");
    EXPECT_NO_THROW(m.set_language(L"fr_FR"));
    EXPECT_EQ(m.translate(L"StartView", L"Install"), L"Installer \x2014 \xE9 ");
}

TEST_F(manager_files, a_missing_or_unopenable_catalogue_raises_its_text_and_changes_nothing)
{
    write_list(L"Missing|Missing|xx_XX\r\nFolder|Folder|yy_YY\r\nLocked|Locked|zz_ZZ\r\n");
    std::filesystem::create_directory(resources / L"ui_yy_YY.ts");
    write_utf8(resources / L"ui_zz_ZZ.ts", catalogue(L"A", {{L"a", L"b"}}));
    const general::windows::unique_file lock(CreateFileW((resources / L"ui_zz_ZZ.ts").c_str(), GENERIC_READ, 0, nullptr,
                                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(lock);
    manager m(resources);

    struct expectation {
        const wchar_t* code;
        const wchar_t* format;
        const wchar_t* file;
    };
    for (const auto& [code, format, file] :
         {expectation{L"xx_XX", L"%1% translation file does not exists", L"ui_xx_XX.ts"},
          expectation{L"yy_YY", L"Failed to open file for reading: %1%", L"ui_yy_YY.ts"},
          expectation{L"zz_ZZ", L"Failed to open file for reading: %1%", L"ui_zz_ZZ.ts"}}) {
        SCOPED_TRACE(general::windows::to_narrow(code));
        try {
            m.set_language(code);
            ADD_FAILURE() << "no exception";
        } catch (const general::translation::exception& e) {
            EXPECT_EQ(std::string(e.what()), message_for(format, resources / file));
        }
        EXPECT_EQ(m.current_code(), L"");
    }
    EXPECT_EQ(stored_language(), L"(none)") << "a failed selection stores nothing";
}

TEST_F(manager_files, an_unlisted_code_selects_and_stores_english)
{
    write_list(L"English|English|en_GB\r\nFrench|French|fr_FR\r\n");
    write_utf8(resources / L"ui_en_GB.ts", catalogue(L"A", {{L"a", L"english a"}}));
    manager m(resources);
    m.set_language(L"de_DE");
    EXPECT_EQ(m.current_code(), L"en_GB");
    EXPECT_EQ(m.translate(L"A", L"a"), L"english a");
    EXPECT_EQ(stored_language(), L"en_GB");
}

TEST_F(manager_files, an_empty_code_takes_the_stored_language_or_english)
{
    write_list(L"English|English|en_GB\r\nFrench|French|fr_FR\r\n");
    write_utf8(resources / L"ui_en_GB.ts", catalogue(L"A", {{L"a", L"english"}}));
    write_utf8(resources / L"ui_fr_FR.ts", catalogue(L"A", {{L"a", L"fran\xE7"
                                                                   L"ais"}}));
    manager m(resources);

    m.set_language(L"");
    EXPECT_EQ(m.current_code(), L"en_GB") << "no stored value";

    general::windows::registry_write(HKEY_CURRENT_USER, language_key, L"Language", std::wstring(L"fr_FR"));
    m.set_language(L"");
    EXPECT_EQ(m.current_code(), L"fr_FR");

    // Values the registry read cannot give as a text count as unreadable.
    const DWORD number = 7;
    const wchar_t expandable[] = L"fr_FR";
    for (auto [type, data, size] : {std::tuple<DWORD, const void*, DWORD>{REG_DWORD, &number, sizeof number},
                                    {REG_EXPAND_SZ, expandable, sizeof expandable}}) {
        general::windows::registry_write(HKEY_CURRENT_USER, language_key, L"Language", std::wstring(L"fr_FR"));
        m.set_language(L"fr_FR");
        test_support::write_raw_value(HKEY_CURRENT_USER, language_key, L"Language", type, data, size);
        m.set_language(L"");
        EXPECT_EQ(m.current_code(), L"en_GB") << "type " << type;
        EXPECT_EQ(stored_language(), L"en_GB");
    }
}

TEST_F(manager_files, the_language_key_follows_the_company_and_product_settings)
{
    general::windows::registry_write(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Talmirex", L"Company", std::wstring(L"ACME"));
    write_list(L"English|English|en_GB\r\n");
    write_utf8(resources / L"ui_en_GB.ts", catalogue(L"A", {{L"a", L"a"}}));
    manager m(resources);
    m.set_language(L"en_GB");
    EXPECT_EQ(stored_language(L"SOFTWARE\\ACME\\Sentovar"), L"en_GB");
    EXPECT_EQ(stored_language(), L"(none)");
}

TEST_F(manager_files, without_a_list_or_a_current_language_lookups_give_the_source_itself)
{
    manager m(resources);
    EXPECT_TRUE(m.languages().empty());
    const std::wstring source = L"Install";
    EXPECT_EQ(&m.translate(L"StartView", source), &source);

    // Neither the code nor English is there: nothing is selected or stored.
    EXPECT_NO_THROW(m.set_language(L"pt_BR"));
    EXPECT_NO_THROW(m.set_language(L""));
    EXPECT_EQ(m.current_code(), L"");
    EXPECT_EQ(&m.translate(L"StartView", source), &source);
    EXPECT_EQ(stored_language(), L"(none)");
}

TEST_F(manager_files, swapping_tables_exchanges_them_and_clears_the_selection)
{
    manager m(resources);
    general::translation::language_table table;
    table[L"en_GB"] = {L"English", L"English", {}, 0, {{L"A", {{L"a", L"translated"}}}}};
    m.swap_languages(table);
    EXPECT_TRUE(table.empty());
    m.set_language(L"en_GB");
    EXPECT_EQ(m.translate(L"A", L"a"), L"translated");

    general::translation::language_table other;
    m.swap_languages(other);
    EXPECT_EQ(other.size(), 1u) << "the caller holds the old table";
    EXPECT_EQ(m.current_code(), L"");
    other.clear(); // the old selection is gone; lookups must not reach it
    EXPECT_EQ(m.translate(L"A", L"a"), L"a");
}

// The process-wide manager reads the "resources" folder beside the executable.
// The build tree has none, and other tests of this run may have used the shared
// manager already, so the check runs in fresh copies of the executable with a
// folder of their own: registered only when a copy's command line asks for it,
// it is no case of the ordinary run.
namespace {

const char* const instance_check = "translation_instance.copy_reads_the_folder_beside_itself";

class instance_in_copy : public testing::Test {
    void TestBody() override
    {
        const std::filesystem::path beside =
            std::filesystem::path(general::windows::executable_directory()) / L"resources";
        ASSERT_TRUE(std::filesystem::exists(beside)) << "run only from a copy the next test lays out";
        manager& shared = manager::instance();
        EXPECT_EQ(&shared, &manager::instance());
        EXPECT_EQ(shared.directory(), std::filesystem::path(general::windows::resources_directory()));
        EXPECT_EQ(shared.directory(), beside);
        write_utf8(beside / L"copy_ran", L""); // tells the starting test that this copy checked
        if (!std::filesystem::exists(beside / L"languages.lst")) {
            EXPECT_TRUE(shared.languages().empty());
            return;
        }
        test_support::scratch_registry registry;
        ASSERT_EQ(shared.languages().size(), 1u);
        general::translation::set_language(L"fr_FR");
        EXPECT_EQ(general::translation::translate(L"StartView", L"Install"), L"Installer");
        EXPECT_EQ(stored_language(), L"fr_FR");
    }
};

[[maybe_unused]] const bool instance_registered =
    general::windows::wide_to_utf8(GetCommandLineW()).find(std::string("--gtest_filter=") + instance_check) !=
        std::string::npos &&
    testing::RegisterTest("translation_instance", std::strchr(instance_check, '.') + 1, nullptr, nullptr, __FILE__,
                          __LINE__, []() -> testing::Test* { return new instance_in_copy; });

} // namespace

TEST(translation_instance, a_copy_of_the_executable_reads_its_own_resources_folder)
{
    for (const bool with_list : {true, false}) {
        SCOPED_TRACE(with_list ? "with languages.lst" : "without languages.lst");
        test_support::scratch_folder folder;
        const auto resources = folder.path() / L"resources";
        std::filesystem::create_directory(resources);
        if (with_list) {
            write_utf8(resources / L"languages.lst", L"French|Fran\xE7"
                                                     L"ais|fr_FR\r\n");
            write_utf8(resources / L"ui_fr_FR.ts", catalogue(L"StartView", {{L"Install", L"Installer"}}));
        }
        const auto exit_code =
            test_support::run_self_copy(folder.path(), general::windows::utf8_to_wide(instance_check));
        ASSERT_TRUE(exit_code) << "the copy did not run to its end";
        EXPECT_EQ(*exit_code, 0u) << "the copy's checks failed";
        EXPECT_TRUE(std::filesystem::exists(resources / L"copy_ran")) << "the copy ran no test";
    }
}
