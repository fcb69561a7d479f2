// The actions after installing (tray start, copy of the installer) and the
// uninstall companion's removal command and clean-up.
#include "app/post_install.h"

#include <gtest/gtest.h>

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>

#include "app/configuration.h"
#include "general/log/log.h"
#include "general/log/path_checks.h"
#include "general/windows/registry.h"
#include "general/windows/running_image.h"
#include "general/windows/system.h"
#include "general/windows/text.h"
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

// What Windows makes of a command line.
std::vector<std::wstring> words_of(const std::wstring& line)
{
    int count = 0;
    const std::unique_ptr<LPWSTR, decltype(&LocalFree)> words{CommandLineToArgvW(line.c_str(), &count), &LocalFree};
    if (!words)
        return {};
    return {words.get(), words.get() + count};
}

const std::wstring product_code = L"{2AB5D0D0-798F-407D-BAEC-CD98942255BD}";

// Blanks in either path must not split the command line.
TEST(post_install_paths, the_removal_command_line_keeps_paths_with_blanks_whole)
{
    const std::wstring system = L"D:\\Win dows\\system32\\";
    const std::wstring program = L"D:\\Win dows\\system32\\msiexec.exe";
    for (const auto& [line, words] : std::vector<std::pair<std::wstring, std::vector<std::wstring>>>{
             {post_install::removal_command_line(system, product_code, L"C:\\Ana Lima\\Temp"),
              {program, L"/x", product_code, L"/L*V", L"C:\\Ana Lima\\Temp\\sd_uninstall.log", L"/passive"}},
             {post_install::removal_command_line(system, product_code, L""),
              {program, L"/x", product_code, L"/passive"}}})
        EXPECT_EQ(words_of(line), words) << line;
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
    EXPECT_FALSE(fs::exists(plant.record));
}

TEST_F(tray_start, copy_installer_replaces_an_older_copy_with_the_held_file_and_shows_a_failure)
{
    const auto own = general::windows::running_image::open_own();
    ASSERT_TRUE(own) << own.failure();
    const fs::path product = folder.path() / L"Sentovar dir", copy = product / L"SentovarInstaller.exe";
    fs::create_directory(product);
    std::ofstream{copy} << "older copy";
    post_install::copy_installer(owner, L"caption", own, system()); // no "Path": nothing
    EXPECT_EQ(fs::file_size(copy), 10u);
    record_path(product.wstring());
    post_install::copy_installer(owner, L"caption", own, system());
    EXPECT_TRUE(test_support::file_bytes(copy) == test_support::file_bytes(general::windows::executable_path()));
    EXPECT_TRUE(boxes.empty());

    record_path((folder.path() / L"gone").wstring());
    post_install::copy_installer(owner, L"caption", own, system());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0][0].find((folder.path() / L"gone\\SentovarInstaller.exe").wstring()), std::wstring::npos)
        << boxes[0][0];
    EXPECT_EQ(boxes[0][1], L"caption");
}

// Another program's file, or none, is never copied: one error line, no box.
TEST_F(tray_start, copy_installer_copies_nothing_but_the_running_program)
{
    const fs::path product = folder.path() / L"Sentovar dir", copy = product / L"SentovarInstaller.exe";
    fs::create_directory(product);
    record_path(product.wstring());
    const auto other =
        general::windows::running_image::open(test_support::copy_child_program(folder.path(), L"other.exe").wstring());
    const general::windows::running_image none;
    for (const auto* own : {&other, &none}) {
        post_install::copy_installer(owner, L"caption", *own, system());
        EXPECT_FALSE(fs::exists(copy));
        EXPECT_TRUE(log.contains(general::log::level_error,
                                 L"[main] the installer is not copied to " + copy.wstring() + L": " + own->failure()))
            << general::windows::wide_to_utf8(own->failure());
    }
    EXPECT_TRUE(boxes.empty());
}

// The removal, run with the tests' child program standing in for msiexec.exe
// in a folder that stands in for the system folder.
class removal : public testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(places.system_folder);
        fs::create_directories(places.private_parent);
        fs::create_directories(places.user_temp);
        test_support::copy_child_program(places.system_folder, L"msiexec.exe");
    }

    // What the stand-in recorded, its command line split into words; nothing
    // when it did not run.
    std::optional<test_support::child_record> run(std::vector<std::wstring>& command_line)
    {
        post_install::remove_protection_product(places);
        auto record = test_support::read_child_record(stand_in);
        if (record)
            command_line = words_of(record->command_line);
        return record;
    }

    test_support::scratch_folder folder;
    post_install::removal_places places{(folder.path() / L"system 32").wstring(),
                                        (folder.path() / L"user temp").wstring(),
                                        (folder.path() / L"common data").wstring()};
    const fs::path stand_in = fs::path{places.system_folder} / L"msiexec.exe";
    test_support::captured_log log;
};

TEST_F(removal, runs_in_the_system_folder_with_a_temporary_folder_of_its_own_removed_afterwards)
{
    std::vector<std::wstring> command_line;
    const auto record = run(command_line);
    ASSERT_TRUE(record.has_value());
    const std::wstring code = configuration::protection_product_code();
    EXPECT_EQ(command_line,
              (std::vector<std::wstring>{stand_in.wstring(), L"/x", code, L"/L*V",
                                         general::log::long_form(places.user_temp).wstring() + L"\\sd_uninstall.log",
                                         L"/passive"}));
    EXPECT_EQ(fs::path{record->current_folder}, fs::path{places.system_folder});
    EXPECT_EQ(record->temp, record->tmp);
    EXPECT_EQ(fs::path{record->tmp}.parent_path(), fs::path{places.private_parent});
    EXPECT_TRUE(fs::path{record->tmp}.filename().wstring().starts_with(L"Varnhelm installer")) << record->tmp;
    EXPECT_FALSE(fs::exists(record->tmp)) << "left behind";
}

TEST_F(removal, keeps_no_log_in_a_temporary_folder_that_cannot_be_checked)
{
    places.user_temp = (folder.path() / L"missing").wstring();
    std::vector<std::wstring> command_line;
    ASSERT_TRUE(run(command_line).has_value());
    EXPECT_EQ(command_line, (std::vector<std::wstring>{stand_in.wstring(), L"/x",
                                                       configuration::protection_product_code(), L"/passive"}));
    EXPECT_TRUE(log.contains(general::log::level_error,
                             L"[main] the removal keeps no log: " + places.user_temp + L" cannot be checked"));
}

TEST_F(removal, does_not_run_without_its_own_temporary_folder)
{
    places.private_parent = (folder.path() / L"missing").wstring();
    std::vector<std::wstring> command_line;
    EXPECT_FALSE(run(command_line).has_value());
    const auto lines = log.lines();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const auto& line) {
        return line.first == general::log::level_error &&
               line.second.starts_with(L"[main] the protection product is not removed: no private temporary folder");
    }));
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
