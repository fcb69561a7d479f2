// The installer worker against the fake archiver and the real test package:
// what it runs, with which command line, from a temporary folder whose path has
// a blank, and what it posts.
#include "workers/products_installer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include "app/messages.h"
#include "general/log/log.h"
#include "general/windows/registry.h"
#include "general/windows/system.h"
#include "general/windows/text.h"
#include "tests/support/posted_messages.h"
#include "tests/support/worker_environment.h"

namespace {

const std::vector<std::wstring>& accepted = test_support::test_signers;

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
        return {L"Quobex", L"https://localhost/files/" + file, L""};
    }

    void run(std::vector<product_descriptor> products)
    {
        products_installer installer{std::move(products), posted.window(), accepted};
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

// Whatever this process's current folder is (a user's folder, the download
// folder), the installer starts in the system folder, where no user plants
// what it loads by a relative name.
TEST_F(installer_test, the_archiver_starts_in_the_system_folder_not_the_current_one)
{
    const auto program = downloaded(L"qbx623x64.exe");
    const auto user_folder = temp.scratch() / L"user folder";
    fs::create_directories(user_folder);
    const fs::path previous = fs::current_path();
    fs::current_path(user_folder);
    run({archiver(L"qbx623x64.exe")});
    fs::current_path(previous);

    EXPECT_EQ(ids(), (std::vector<UINT>{messages::installing_product, messages::installations_done}));
    std::ifstream record{fs::path{program.wstring() + L".cwd"}, std::ios::binary};
    std::string line;
    std::getline(record, line);
    EXPECT_EQ(_wcsicmp(general::windows::utf8_to_wide(line).c_str(), general::windows::system_directory().c_str()), 0)
        << line;
}

TEST_F(installer_test, a_failing_exit_code_still_counts_and_the_next_product_follows)
{
    test_support::scoped_environment failing{L"QEL_FAKE_ARCHIVER_EXIT_CODE", L"3"};
    const auto first = downloaded(L"first.exe");
    const auto second = downloaded(L"second.exe");

    run({archiver(L"first.exe"), {L"Other", L"http://localhost/second.exe", L""}});

    EXPECT_EQ(ids(), (std::vector<UINT>{messages::installing_product, messages::installing_product,
                                        messages::installations_done}));
    EXPECT_EQ(test_support::recorded_command_line(first), in_quotes(first) + L" /s1");
    EXPECT_EQ(test_support::recorded_command_line(second), in_quotes(second) + L" /s1");
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
        products_installer installer{{archiver(L"first.exe"), archiver(L"second.exe")}, posted.window(), accepted};
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

    run({{L"Varnhelm Sentovar", L"http://localhost/releases/Sentovar.msi", L"qeltray.exe"}});

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
