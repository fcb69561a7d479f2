// Walks the installer through one flow while probing whether its window answers,
// for tools/bench-responsiveness:
//
//     bench_responsiveness_driver <install|uninstall> <answering|silent> <temporary folder>
//     -> walk=<w> statistics=<s> longest_block_ms=<N> first_page_ms=<M> exit=<code>
//
// "install" chooses both products and installs them; "uninstall" is the "/u"
// walk that goes on to the end. With "silent" the installer reports to the
// statistics stand-in's listener that takes connections and never answers.
// From the moment the main window shows, a probe sends it WM_NULL every 10 ms
// and waits for the answer (as the system does before it calls a window "not
// responding"); N is the longest such wait. M is the time from process
// creation to the first page. A step that does not come within 60 s ends the
// walk: M is then 60000 and the exit code "none". Each wait over 50 ms is also
// written to stderr with the page showing when it began, to find its cause.
// Needs the stand-ins and a display. Exit code 0 when the walk reached its end,
// 1 otherwise.
#include <winsock2.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>

#include "resources/resource_ids.h"
#include "tests/flows/flow_driver.h"

namespace {

using namespace std::chrono_literals;
using clock_type = std::chrono::steady_clock;

constexpr auto step_bound = 60s;

// Probes `window` until it is gone or the probe is stopped.
// The key of the visible page of `window`, read without asking its thread.
std::wstring visible_page(HWND window)
{
    std::wstring key;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM found) -> BOOL {
            wchar_t text[32]{};
            if (GetParent(child) != GetAncestor(child, GA_ROOT) || !IsWindowVisible(child) ||
                !InternalGetWindowText(child, text, static_cast<int>(std::size(text))))
                return TRUE;
            *reinterpret_cast<std::wstring*>(found) = text;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&key));
    return key;
}

class answer_probe {
public:
    explicit answer_probe(HWND window, clock_type::time_point started)
        : started_(started), thread_([this, window](std::stop_token stop) { run(window, stop); })
    {
    }

    long long longest_ms() const { return longest_us_.load() / 1000; }

private:
    void run(HWND window, std::stop_token stop)
    {
        while (!stop.stop_requested() && IsWindow(window)) {
            const std::wstring page = visible_page(window);
            const auto sent = clock_type::now();
            DWORD_PTR answer = 0;
            SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 120000, &answer);
            const auto waited = std::chrono::duration_cast<std::chrono::microseconds>(clock_type::now() - sent);
            longest_us_ = std::max<long long>(longest_us_.load(), waited.count());
            if (waited > 50ms)
                std::fprintf(stderr, "unanswered for %lld ms from %lld ms on, page \"%ls\"\n",
                             static_cast<long long>(waited.count() / 1000),
                             static_cast<long long>(
                                 std::chrono::duration_cast<std::chrono::milliseconds>(sent - started_).count()),
                             page.c_str());
            std::this_thread::sleep_for(10ms);
        }
    }

    clock_type::time_point started_;
    std::atomic<long long> longest_us_ = 0;
    std::jthread thread_;
};

struct outcome {
    long long longest_block_ms = 0;
    long long first_page_ms = std::chrono::milliseconds(step_bound).count();
    std::optional<DWORD> exit_code;
    std::string failure;
};

outcome walk(bool uninstall, bool silent, const std::filesystem::path& temp)
{
    std::vector<flows::variable> environment;
    if (silent)
        environment.push_back({L"QEL_TESTBED_STATISTICS", L"silent"});
    outcome result;
    const auto started = clock_type::now();
    flows::installer_run run(uninstall ? L"/u" : L"", temp, environment);
    std::optional<answer_probe> probe;
    try {
        probe.emplace(run.main_window(step_bound), started);
        run.wait_page(uninstall ? L"step1" : L"start", step_bound);
        result.first_page_ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(clock_type::now() - started).count();
        if (uninstall) {
            run.choose(IDC_REMOVE_RADIO, step_bound);
            run.press(IDOK);
            run.wait_page(L"step3", step_bound);
            run.choose(IDC_REMOVE_RADIO, step_bound);
            run.press(IDOK);
        } else {
            run.choose(IDC_BOTH_RADIO, step_bound);
            run.press(IDOK);
            run.wait_page(L"finish", 120s);
            run.press(IDOK);
        }
        result.exit_code = run.wait_exit(120s);
        if (!result.exit_code)
            result.failure = "the installer did not end within 120 s of the last step";
    } catch (const std::exception& error) {
        result.failure = error.what();
    }
    if (probe)
        result.longest_block_ms = probe->longest_ms();
    return result;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    const std::wstring usage_walk = argc == 4 ? argv[1] : L"";
    const std::wstring usage_statistics = argc == 4 ? argv[2] : L"";
    if ((usage_walk != L"install" && usage_walk != L"uninstall") ||
        (usage_statistics != L"answering" && usage_statistics != L"silent")) {
        std::fwprintf(stderr, L"usage: bench_responsiveness_driver <install|uninstall> <answering|silent> <temp>\n");
        return 2;
    }
    try {
        std::filesystem::create_directories(argv[3]);
        flows::clean_machine();
        const outcome result = walk(usage_walk == L"uninstall", usage_statistics == L"silent", argv[3]);
        flows::clean_machine();
        if (!result.failure.empty())
            std::fprintf(stderr, "bench_responsiveness_driver: %s\n", result.failure.c_str());
        const std::string code = result.exit_code ? std::to_string(*result.exit_code) : "none";
        std::printf("walk=%ls statistics=%ls longest_block_ms=%lld first_page_ms=%lld exit=%s\n", usage_walk.c_str(),
                    usage_statistics.c_str(), result.longest_block_ms, result.first_page_ms, code.c_str());
        return result.failure.empty() ? 0 : 1;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "bench_responsiveness_driver: %s\n", failure.what());
        return 1;
    }
}
