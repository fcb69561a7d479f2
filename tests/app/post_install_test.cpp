// The actions after installing (tray start, copy of the installer) and the
// uninstall companion's removal command and clean-up.
#include "app/post_install.h"

#include <gtest/gtest.h>

#include <shellapi.h>
#include <shlobj.h>

#include <array>
#include <chrono>
#include <fstream>
#include <memory>

#include "app/configuration.h"
#include "general/log/log.h"
#include "general/windows/registry.h"
#include "general/windows/system.h"
#include "tests/support/child_program.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/scratch_registry.h"
#include "tests/support/worker_environment.h"

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;
using general::windows::registry_read;
using general::windows::registry_write;

const std::wstring talmirex = L"SOFTWARE\\Talmirex", zeb = L"SOFTWARE\\ZEB";
const product_descriptor protection{L"Varnhelm Sentovar", L"http://localhost/Sentovar.msi", L"qeltray.exe"};
const HWND owner = reinterpret_cast<HWND>(0x1234);
const general::windows::registry_value absent = std::uint32_t{0xABCD};

TEST(post_install_paths, tray_path_puts_exactly_one_separator_between_folder_and_file)
{
    for (const auto& [folder, file, joined] : std::vector<std::array<std::wstring, 3>>{
             {L"C:\\Program Files\\Sentovar\\", L"qeltray.exe", L"C:\\Program Files\\Sentovar\\qeltray.exe"},
             {L"C:\\Program Files\\Sentovar", L"qeltray.exe", L"C:\\Program Files\\Sentovar\\qeltray.exe"},
             {L"C:\\P//", L"\\qeltray.exe", L"C:\\P\\qeltray.exe"},
             {L"C:\\", L"qeltray.exe", L"C:\\qeltray.exe"},
             {L"", L"qeltray.exe", L"qeltray.exe"}})
        EXPECT_EQ(post_install::tray_path(folder, file), joined) << folder;
}

// What Windows makes of the command line: blanks in either path must not split it.
TEST(post_install_paths, the_removal_command_line_keeps_paths_with_blanks_whole)
{
    const std::wstring code = L"{2AB5D0D0-798F-407D-BAEC-CD98942255BD}";
    const std::wstring line =
        post_install::removal_command_line(L"D:\\Win dows\\system32\\", code, L"C:\\Ana Lima\\Temp");
    int count = 0;
    const std::unique_ptr<LPWSTR, decltype(&LocalFree)> words{CommandLineToArgvW(line.c_str(), &count), &LocalFree};
    ASSERT_TRUE(words) << line;
    EXPECT_EQ(std::vector<std::wstring>(words.get(), words.get() + count),
              (std::vector<std::wstring>{L"D:\\Win dows\\system32\\msiexec.exe", L"/x", code, L"/L*V",
                                         L"C:\\Ana Lima\\Temp\\sd_uninstall.log", L"/passive"}))
        << line;
}

// The real system, with the error box recorded instead of shown.
class tray_start : public testing::Test {
protected:
    using box = std::array<std::wstring, 2>; // text, caption
    post_install::system_functions system()
    {
        auto functions = post_install::default_system_functions();
        functions.show_error = [this](HWND window, const std::wstring& text, const std::wstring& caption) {
            EXPECT_EQ(window, owner);
            boxes.push_back({text, caption});
        };
        return functions;
    }
    void record_path(const std::wstring& folder)
    {
        ASSERT_TRUE(registry_write(HKEY_LOCAL_MACHINE, talmirex, L"Path", folder));
    }

    test_support::scratch_registry registry;
    test_support::scratch_folder folder;
    test_support::captured_log log;
    std::vector<box> boxes;
};

TEST_F(tray_start, nothing_starts_without_a_tray_program_or_a_recorded_folder)
{
    int starts = 0;
    auto functions = system();
    functions.start_program = [&](const std::wstring&) { return ++starts, true; };
    post_install::start_tray(owner, {L"Quobex", L"http://localhost/q.exe", L""}, L"caption", functions);
    EXPECT_TRUE(log.lines().empty());
    post_install::start_tray(owner, protection, L"caption", functions); // no "Path"
    EXPECT_TRUE(log.contains(general::log::level_info, L"[main] starting the tray"));
    EXPECT_EQ(starts, 0);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(tray_start, a_missing_tray_or_a_folder_that_is_no_full_path_is_logged_and_shown)
{
    const std::wstring missing = (folder.path() / L"no tray").wstring() + L"\\";
    fs::create_directory(missing);
    for (const std::wstring& recorded : {missing, std::wstring{L"Sentovar\\"}}) {
        boxes.clear();
        record_path(recorded);
        post_install::start_tray(owner, protection, L"Varnhelm Sentovar Installer", system());
        const std::wstring text = L"starting of " + recorded + L"qeltray.exe failed";
        EXPECT_EQ(boxes, (std::vector<box>{{text, L"Varnhelm Sentovar Installer"}}));
        EXPECT_TRUE(log.contains(general::log::level_info, L"[main] tray path is " + recorded + L"qeltray.exe"));
        EXPECT_TRUE(log.contains(general::log::level_info, L"[main] " + text));
    }
}

// "C:\Program.exe" is what Windows runs for an unquoted command line that starts
// "C:\Program Files\...". Planted for the test's life, with its record.
struct planted_program {
    const fs::path path = test_support::copy_child_program(L"C:\\", L"Program.exe");
    const fs::path record = path.wstring() + L".ran";
    ~planted_program()
    {
        std::error_code ignored;
        fs::remove(path, ignored);
        fs::remove(record, ignored);
    }
};

TEST_F(tray_start, the_tray_in_a_folder_with_a_blank_starts_itself_not_a_planted_program)
{
    const fs::path tray_folder = fs::path{general::windows::special_folder(CSIDL_PROGRAM_FILES)} /
                                 (L"qel tray " + std::to_wstring(GetCurrentProcessId()));
    fs::create_directories(tray_folder);
    const std::shared_ptr<void> remove_folder{nullptr, [&](void*) { fs::remove_all(tray_folder); }};
    const fs::path tray = test_support::copy_child_program(tray_folder, L"qeltray.exe");
    const planted_program plant;
    // The plant is live: the bare path as a command line would run it.
    ASSERT_NE(general::windows::create_process(tray.wstring(), true, false), 0u);
    ASSERT_TRUE(fs::remove(plant.record));

    record_path(tray_folder.wstring() + L"\\");
    post_install::start_tray(owner, protection, L"caption", system());
    auto record = test_support::wait_for_child_record(tray, 10s);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(_wcsicmp(record->parent_image.c_str(), L"explorer.exe"), 0) << "started by " << record->parent_image;
    EXPECT_TRUE(boxes.empty());

    // The way taken where the desktop's shell cannot be reached.
    fs::remove(tray.wstring() + L".ran");
    ASSERT_TRUE(general::windows::start_program_directly(tray.wstring()));
    record = test_support::wait_for_child_record(tray, 10s);
    ASSERT_TRUE(record.has_value());
    EXPECT_NE(_wcsicmp(record->parent_image.c_str(), L"explorer.exe"), 0);
    EXPECT_FALSE(fs::exists(plant.record));
}

TEST_F(tray_start, copy_installer_replaces_an_older_copy_and_shows_a_failure)
{
    const fs::path product = folder.path() / L"Sentovar dir", copy = product / L"SentovarInstaller.exe";
    fs::create_directory(product);
    std::ofstream{copy} << "older copy";
    post_install::copy_installer(owner, L"caption", system()); // no "Path": nothing
    EXPECT_EQ(fs::file_size(copy), 10u);
    record_path(product.wstring());
    post_install::copy_installer(owner, L"caption", system());
    EXPECT_EQ(fs::file_size(copy), fs::file_size(general::windows::executable_path()));
    EXPECT_TRUE(boxes.empty());

    record_path((folder.path() / L"gone").wstring());
    post_install::copy_installer(owner, L"caption", system());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0][0].find((folder.path() / L"gone\\SentovarInstaller.exe").wstring()), std::wstring::npos)
        << boxes[0][0];
    EXPECT_EQ(boxes[0][1], L"caption");
}

TEST(clean_up_after_removal, opens_the_edition_survey_and_deletes_what_the_edition_owns)
{
    struct row {
        std::wstring edition;          // "ut"; empty: not there
        std::wstring company, product; // as recorded in the installation key
        std::wstring settings;         // the per-user key there before
        std::vector<std::wstring> opened;
        bool settings_deleted;
    };
    const std::wstring full = configuration::full_survey_url(), lite = configuration::lite_survey_url();
    const std::wstring standard = L"SOFTWARE\\Varnhelm\\Sentovar";
    for (const row& each :
         std::vector<row>{{L"full", L"Varnhelm", L"Sentovar", standard, {full}, false},
                          {L"lite", L"Varnhelm", L"Sentovar", standard, {lite}, true},
                          {L"lite", L"Quobex Labs", L"Plus", L"SOFTWARE\\Quobex Labs\\Plus", {lite}, true},
                          {L"", L"Varnhelm", L"Sentovar", standard, {}, false},
                          // Empty names make "SOFTWARE\\\\", which Wine takes for all of SOFTWARE.
                          {L"lite", L"", L"", standard, {lite}, false}}) {
        const test_support::scratch_registry registry;
        ASSERT_TRUE(registry_write(HKEY_CURRENT_USER, each.settings + L"\\sub", L"Language", std::wstring{L"pt"}));
        ASSERT_TRUE(registry_write(HKEY_CURRENT_USER, L"SOFTWARE\\Other", L"kept", std::uint32_t{1}));
        ASSERT_TRUE(registry_write(HKEY_LOCAL_MACHINE, talmirex, L"Company", each.company));
        ASSERT_TRUE(registry_write(HKEY_LOCAL_MACHINE, talmirex, L"Product", each.product));
        ASSERT_TRUE(registry_write(HKEY_LOCAL_MACHINE, zeb + L"\\sub", L"x", std::uint32_t{1}));
        if (!each.edition.empty()) {
            ASSERT_TRUE(registry_write(HKEY_LOCAL_MACHINE, zeb, L"ut", each.edition));
        }
        std::vector<std::wstring> opened;
        auto functions = post_install::default_system_functions();
        functions.open_address = [&](const std::wstring& address) { return opened.push_back(address), true; };

        const std::wstring name = each.edition + L" / " + each.company;
        EXPECT_EQ(post_install::clean_up_after_removal(functions), each.edition) << name;
        EXPECT_EQ(opened, each.opened) << name;
        EXPECT_EQ(registry_read(HKEY_CURRENT_USER, each.settings + L"\\sub", L"Language", absent) == absent,
                  each.settings_deleted)
            << name;
        EXPECT_FALSE(registry_read(HKEY_CURRENT_USER, L"SOFTWARE\\Other", L"kept", absent) == absent) << name;
        EXPECT_TRUE(registry_read(HKEY_LOCAL_MACHINE, zeb + L"\\sub", L"x", absent) == absent) << name;
    }
}

} // namespace
