// The installer worker against the fake archiver and the real test package:
// what it runs, with which command line, from a temporary folder whose path has
// a blank, and what it posts.
#include "workers/products_installer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include "app/configuration.h"
#include "messages/messages.h"
#include "general/log/log.h"
#include "general/windows/registry.h"
#include "general/windows/system.h"
#include "general/windows/text.h"
#include "tests/support/posted_messages.h"
#include "tests/support/worker_environment.h"

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;
using test_support::posted_messages;

const fs::path payloads{QEL_TESTBED_PAYLOAD_DIR};
// The fixed product code of testbed/payloads/sentovar.wxs.
constexpr const wchar_t* package_code = QEL_TEST_PRODUCT_CODE;

std::wstring in_quotes(const fs::path& path)
{
    return L"\"" + path.wstring() + L"\"";
}

class installer_test : public testing::Test, protected test_support::fake_archiver_run {
protected:
    posted_messages posted;

    // The fake archiver in the temporary folder under `name`, where the
    // downloader would have left it.
    fs::path downloaded(const std::wstring& name)
    {
        const auto copy = temp.path() / name;
        fs::copy_file(payloads / L"qbx623x64.exe", copy, fs::copy_options::overwrite_existing);
        return copy;
    }

    product_descriptor archiver(const std::wstring& file) const
    {
        return {L"Quobex", L"https://localhost/files/" + file, L"", configuration::archiver_publisher()};
    }

    void run(std::vector<product_descriptor> products)
    {
        products_installer installer{std::move(products), posted.window(), temp.path().wstring()};
        ASSERT_TRUE(posted.pump_until({messages::installations_done, messages::installation_error}, 60s));
    }

    std::vector<UINT> ids() const
    {
        std::vector<UINT> result;
        for (const auto& entry : posted.all())
            result.push_back(entry.id);
        return result;
    }
};

TEST_F(installer_test, an_empty_product_list_completes_at_once)
{
    run({});
    EXPECT_EQ(ids(), std::vector<UINT>{messages::installations_done});
}

TEST_F(installer_test, the_archiver_runs_silently_from_a_folder_with_a_blank_and_nothing_planted_runs)
{
    const auto program = downloaded(L"qbx623x64.exe");
    // What an unquoted command line would start: "...\with.exe" with the rest as arguments.
    const auto planted = temp.scratch() / L"with.exe";
    fs::copy_file(payloads / L"qbx623x64.exe", planted);

    run({archiver(L"qbx623x64.exe")});

    EXPECT_EQ(ids(), (std::vector<UINT>{messages::installing_product, messages::installations_done}));
    EXPECT_EQ(posted.all().front().text, L"Installing");
    EXPECT_EQ(test_support::recorded_command_line(program), in_quotes(program) + L" /s1");
    EXPECT_TRUE(fs::exists(temp.scratch() / L"installed" / L"quobex-installed.txt"));
    EXPECT_FALSE(test_support::recorded_command_line(planted).has_value());
}

// The lines a copy of the fake archiver recorded beside itself under `suffix`.
std::vector<std::wstring> recorded_lines(const fs::path& program, const wchar_t* suffix)
{
    std::wistringstream text{general::windows::utf8_to_wide(test_support::file_bytes(program.wstring() + suffix))};
    std::vector<std::wstring> lines;
    for (std::wstring line; std::getline(text, line);)
        lines.push_back(line);
    return lines;
}

bool same_folder(const std::wstring& a, const std::wstring& b)
{
    return _wcsicmp(a.c_str(), b.c_str()) == 0;
}

// Whatever this process's current folder and temporary folder are (a user's),
// the installer starts in the system folder and unpacks into a folder inside
// the run's own, where no user plants what it loads or runs.
TEST_F(installer_test, the_archiver_starts_in_a_clean_room)
{
    const auto program = downloaded(L"qbx623x64.exe");
    const auto user_folder = temp.scratch() / L"user folder";
    fs::create_directories(user_folder);
    const fs::path previous = fs::current_path();
    fs::current_path(user_folder);
    run({archiver(L"qbx623x64.exe")});
    fs::current_path(previous);

    EXPECT_EQ(ids(), (std::vector<UINT>{messages::installing_product, messages::installations_done}));
    const auto current = recorded_lines(program, L".cwd");
    ASSERT_EQ(current.size(), 1u);
    EXPECT_TRUE(same_folder(current[0], general::windows::system_directory())) << current[0];
    const auto environment = recorded_lines(program, L".env");
    const std::wstring children_temp = (temp.path() / L"temp").wstring();
    EXPECT_EQ(environment, (std::vector<std::wstring>{L"TMP=" + children_temp, L"TEMP=" + children_temp}));
    EXPECT_TRUE(fs::is_directory(children_temp));
}

// Installers report how they ended by the Windows Installer's codes: only 0,
// 3010 and 1641 mean installed; after any other code no later product runs.
TEST_F(installer_test, the_exit_code_decides_whether_the_product_installed)
{
    const struct {
        const wchar_t* code;
        bool installed;
        const wchar_t* logged;
    } cases[] = {
        {L"0", true, L"Quobex installer ended with 0"},
        {L"3010", true, L"Quobex installer ended with 3010: installed; the computer must restart"},
        {L"1641", true, L"Quobex installer ended with 1641: installed; the installer has started a restart"},
        {L"1603", false, L"Quobex installer ended with 1603"},
        {L"1602", false, L"Quobex installer ended with 1602"},
        {L"1618", false, L"Quobex installer ended with 1618"},
        {L"3", false, L"Quobex installer ended with 3"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(general::windows::wide_to_utf8(row.code));
        test_support::scoped_environment code{L"QEL_FAKE_ARCHIVER_EXIT_CODE", row.code};
        test_support::captured_log log;
        posted_messages each;
        const auto first = downloaded(L"first.exe");
        const auto second = downloaded(L"second.exe");
        {
            products_installer installer{
                {archiver(L"first.exe"), archiver(L"second.exe")}, each.window(), temp.path().wstring()};
            ASSERT_TRUE(each.pump_until({messages::installations_done, messages::installation_error}, 60s));
        }
        EXPECT_EQ(each.all().back().id, row.installed ? messages::installations_done : messages::installation_error);
        EXPECT_EQ(test_support::recorded_command_line(second).has_value(), row.installed);
        if (!row.installed) {
            EXPECT_EQ(each.all().back().text, L"Quobex installation failed");
        }
        const auto lines = log.lines();
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const auto& line) {
            return line.second.starts_with(std::wstring{L"[installer] "} + row.logged);
        }));
        fs::remove(first.wstring() + L".ran");
        fs::remove(second.wstring() + L".ran");
    }
}

// Without the run's own folder nothing runs: the user's temporary folder is
// never where an elevated installer is taken from.
TEST_F(installer_test, without_a_folder_nothing_runs)
{
    const auto program = downloaded(L"qbx623x64.exe");
    {
        products_installer installer{{archiver(L"qbx623x64.exe")}, posted.window(), L""};
        ASSERT_TRUE(posted.pump_until({messages::installations_done, messages::installation_error}, 60s));
    }
    EXPECT_EQ(posted.all().back().text, L"Quobex installation failed");
    EXPECT_FALSE(test_support::recorded_command_line(program).has_value());
}

TEST_F(installer_test, a_missing_file_ends_the_run_before_later_products)
{
    test_support::captured_log log;
    const auto later = downloaded(L"later.exe");

    run({archiver(L"missing.exe"), archiver(L"later.exe")});

    EXPECT_EQ(ids(), (std::vector<UINT>{messages::installing_product, messages::installation_error}));
    EXPECT_EQ(posted.all().back().text, L"Quobex installation failed");
    EXPECT_FALSE(test_support::recorded_command_line(later).has_value());
    EXPECT_TRUE(log.contains(general::log::level_info, L"[installer] processing Quobex"));
    EXPECT_TRUE(log.contains(general::log::level_error, L"[installer] Quobex installation failed"));
}

TEST_F(installer_test, destruction_waits_for_the_running_installer_and_stops_before_the_next)
{
    test_support::scoped_environment slow{L"QEL_FAKE_ARCHIVER_DELAY_MS", L"1500"};
    const auto first = downloaded(L"first.exe");
    const auto second = downloaded(L"second.exe");
    {
        products_installer installer{
            {archiver(L"first.exe"), archiver(L"second.exe")}, posted.window(), temp.path().wstring()};
        ASSERT_TRUE(posted.pump_until({messages::installing_product}, 20s));
        // Give the worker time to start the child; the destructor must then wait for it.
        EXPECT_FALSE(posted.pump_until({messages::installations_done}, 300ms));
    }
    // The first installer had finished its work when the destructor returned.
    EXPECT_TRUE(fs::exists(temp.scratch() / L"installed" / L"quobex-installed.txt"));
    posted.pump_for(500ms);
    EXPECT_EQ(ids(), std::vector<UINT>{messages::installing_product});
    EXPECT_TRUE(test_support::recorded_command_line(first).has_value());
    EXPECT_FALSE(test_support::recorded_command_line(second).has_value());
}

// Removes the test package before and after the test, so the prefix stays clean
// even when an assertion fails half-way.
class installed_package_guard {
public:
    installed_package_guard() { remove(); }
    ~installed_package_guard() { remove(); }

private:
    static void remove()
    {
        const std::wstring msiexec = general::windows::system_directory() + L"\\msiexec.exe";
        general::windows::create_process(in_quotes(fs::path{msiexec}) + L" /x " + package_code + L" /qn", true, true);
    }
};

// Makes `folder` the current folder for the object's life.
class current_folder {
public:
    explicit current_folder(const fs::path& folder) : previous_(fs::current_path()) { fs::current_path(folder); }
    ~current_folder() { fs::current_path(previous_); }

private:
    fs::path previous_;
};

std::wstring machine_text(const std::wstring& key, const std::wstring& name)
{
    return boost::get<std::wstring>(general::windows::registry_read(HKEY_LOCAL_MACHINE, key, name,
                                                                    general::windows::registry_value{std::wstring{}}));
}

TEST_F(installer_test, the_package_goes_to_the_windows_installer_named_by_its_full_path)
{
    installed_package_guard guard;
    fs::copy_file(payloads / L"Sentovar.msi", temp.path() / L"Sentovar.msi");
    // A planted msiexec.exe in the current folder is found by a bare "msiexec".
    const auto planted_folder = temp.scratch() / L"current";
    fs::create_directories(planted_folder);
    const auto planted = planted_folder / L"msiexec.exe";
    fs::copy_file(payloads / L"qbx623x64.exe", planted);
    current_folder inside{planted_folder};

    run({{L"Varnhelm Sentovar", L"http://localhost/releases/Sentovar.msi", L"qeltray.exe",
          configuration::protection_publisher()}});

    EXPECT_EQ(ids(), (std::vector<UINT>{messages::installing_product, messages::installations_done}));
    EXPECT_FALSE(test_support::recorded_command_line(planted).has_value());
    EXPECT_EQ(machine_text(L"SOFTWARE\\Talmirex", L"Path"), L"C:\\Program Files\\Sentovar\\");
    EXPECT_EQ(machine_text(L"SOFTWARE\\ZEB", L"ut"), L"lite");
    // The tray program it installed records that it ran.
    const fs::path tray{L"C:\\Program Files\\Sentovar\\qeltray.exe"};
    const auto record = temp.scratch() / L"tray.ran";
    test_support::scoped_environment tray_record{L"QEL_TRAY_RECORD", record.wstring()};
    ASSERT_NE(general::windows::create_process(in_quotes(tray), true, false), 0u);
    std::ifstream ran{record, std::ios::binary};
    std::string lines((std::istreambuf_iterator<char>(ran)), std::istreambuf_iterator<char>());
    EXPECT_EQ(general::windows::utf8_to_wide(lines), in_quotes(tray) + L"\n" + tray.wstring() + L"\n");
}

} // namespace
