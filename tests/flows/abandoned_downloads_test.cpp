// A run ended by force (killed during its download) leaves its download
// folder behind; the next run removes it, and leaves a live run's folder alone.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "resources/resource_ids.h"
#include "tests/flows/flow_driver.h"
#include "tests/support/scratch_folder.h"

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// A run of the archiver alone whose download trickles on for minutes, up to
// the moment its download folder exists.
struct downloading_run {
    test_support::scratch_folder temp;
    std::optional<flows::installer_run> run;
    fs::path folder;

    downloading_run()
    {
        run.emplace(L"", temp.path(),
                    std::vector<flows::variable>{{L"QEL_TESTBED_DOWNLOAD_PREFIX", L"/fault/slow/180000"}});
        run->wait_page(L"start", 60s);
        run->choose(IDC_ARCHIVER_ONLY_RADIO, 60s);
        run->press(IDOK);
        run->wait_page(L"process", 60s);
        for (auto waited = 0ms; folder.empty() && waited < 30s; waited += 100ms) {
            folder = flows::download_folder(temp.path());
            if (folder.empty())
                Sleep(100);
        }
    }
};

TEST(abandoned_downloads, the_next_run_removes_a_killed_runs_folder_and_keeps_a_live_ones)
{
    flows::clean_machine();
    downloading_run killed;
    downloading_run live;
    ASSERT_FALSE(killed.folder.empty()) << flows::log_tail(killed.temp.path());
    ASSERT_FALSE(live.folder.empty()) << flows::log_tail(live.temp.path());
    killed.run.reset(); // ended by force, as a crash or the task manager would
    ASSERT_TRUE(fs::exists(killed.folder));

    test_support::scratch_folder temp;
    flows::installer_run next(L"", temp.path());
    next.wait_page(L"start", 60s);
    // The clean-up follows the first page.
    for (auto waited = 0ms; fs::exists(killed.folder) && waited < 20s; waited += 100ms)
        Sleep(100);
    EXPECT_FALSE(fs::exists(killed.folder)) << flows::log_tail(temp.path());
    EXPECT_TRUE(fs::exists(live.folder)) << flows::log_tail(temp.path());
    flows::clean_machine();
}

} // namespace
