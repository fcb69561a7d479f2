// The downloader against the stand-in servers: what it posts and in which
// order, what it saves, and how each kind of failure ends the run.
#include "workers/products_downloader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include "app/configuration.h"
#include "messages/messages.h"
#include "general/log/log.h"
#include "general/windows/handle.h"
#include "general/windows/private_folder.h"
#include "general/windows/system.h"
#include "general/windows/text.h"
#include "tests/support/posted_messages.h"
#include "tests/support/testbed.h"
#include "tests/support/worker_environment.h"
#include "workers/products_installer.h"

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;
namespace testbed = test_support::testbed;
using test_support::posted_message;

const fs::path payloads{testbed::payload_directory};

product_descriptor archiver(const std::wstring& url)
{
    return {L"Quobex", url, L"", configuration::archiver_publisher()};
}

product_descriptor protection(const std::wstring& url)
{
    return {L"Varnhelm Sentovar", url, L"qeltray.exe", configuration::protection_publisher(), product_kind::protection};
}

std::wstring archiver_url(const std::wstring& fault = L"")
{
    return testbed::url(true, testbed::download_https_port, fault + L"/win/qbx623x64.exe");
}

std::wstring package_url(const std::wstring& fault = L"")
{
    return testbed::url(false, testbed::update_http_port, fault + L"/releases/Sentovar.msi");
}

class downloader_test : public testing::Test {
protected:
    test_support::redirected_temp temp;
    test_support::posted_messages posted;

    // Runs a downloader until it posts its last message.
    void run(std::vector<product_descriptor> products)
    {
        products_downloader downloader{std::move(products), posted.window(), temp.path().wstring()};
        ASSERT_TRUE(posted.pump_until({messages::installations_downloaded, messages::downloading_error}, 60s));
    }

    // What arrived apart from progress, as identifiers.
    std::vector<UINT> steps() const
    {
        std::vector<UINT> result;
        for (const auto& entry : posted.without(messages::downloading_progress))
            result.push_back(entry.id);
        return result;
    }

    std::wstring last_text() const { return posted.all().back().text; }
};

// Progress of one file: rising, ending at the size, always against the size.
void expect_progress_of_one_file(const std::vector<posted_message>& progress, std::uintmax_t size)
{
    ASSERT_FALSE(progress.empty());
    WPARAM before = 0;
    for (const auto& entry : progress) {
        EXPECT_GT(entry.wparam, before);
        EXPECT_EQ(static_cast<std::uintmax_t>(entry.lparam), size);
        before = entry.wparam;
    }
    EXPECT_EQ(static_cast<std::uintmax_t>(progress.back().wparam), size);
}

// Progress messages between the n-th "downloading installation" and the next step.
std::vector<posted_message> progress_of(const std::vector<posted_message>& all, int file)
{
    std::vector<posted_message> result;
    int seen = -1;
    for (const auto& entry : all) {
        if (entry.id == messages::downloading_installation)
            ++seen;
        else if (entry.id == messages::downloading_progress && seen == file)
            result.push_back(entry);
    }
    return result;
}

TEST_F(downloader_test, both_products_are_saved_whole_in_order_with_progress_against_their_sizes)
{
    test_support::captured_log log;
    run({archiver(archiver_url()), protection(package_url())});

    EXPECT_EQ(steps(), (std::vector<UINT>{messages::downloading_installation, messages::downloading_installation,
                                          messages::installations_downloaded}));
    for (const auto& entry : posted.only(messages::downloading_installation))
        EXPECT_EQ(entry.text, L"Downloading");
    // The HTTPS address with its own port was fetched over TLS from that port.
    EXPECT_EQ(test_support::file_bytes(temp.path() / L"qbx623x64.exe"),
              test_support::file_bytes(payloads / L"qbx623x64.exe"));
    EXPECT_EQ(test_support::file_bytes(temp.path() / L"Sentovar.msi"),
              test_support::file_bytes(payloads / L"Sentovar.msi"));
    expect_progress_of_one_file(progress_of(posted.all(), 0), fs::file_size(payloads / L"qbx623x64.exe"));
    expect_progress_of_one_file(progress_of(posted.all(), 1), fs::file_size(payloads / L"Sentovar.msi"));
    EXPECT_TRUE(log.contains(general::log::level_info, L"[downloader] processing " + archiver_url()));
}

TEST_F(downloader_test, without_an_announced_length_there_is_no_progress_but_the_run_completes)
{
    run({archiver(archiver_url(L"/fault/no-length")), protection(package_url(L"/fault/chunked"))});

    EXPECT_EQ(steps(), (std::vector<UINT>{messages::downloading_installation, messages::downloading_installation,
                                          messages::installations_downloaded}));
    EXPECT_EQ(posted.count(messages::downloading_progress), 0u);
    EXPECT_EQ(test_support::file_bytes(temp.path() / L"qbx623x64.exe"),
              test_support::file_bytes(payloads / L"qbx623x64.exe"));
}

TEST_F(downloader_test, a_404_for_the_archiver_posts_its_event_then_the_send_request_then_the_error)
{
    test_support::captured_log log;
    run({archiver(archiver_url(L"/fault/404")), protection(package_url())});

    const auto all = posted.without(messages::downloading_progress);
    ASSERT_EQ(steps(), (std::vector<UINT>{messages::downloading_installation, messages::add_stats_event,
                                          messages::send_stats_events, messages::downloading_error}));
    EXPECT_EQ(all[1].wparam, 15u);
    EXPECT_EQ(all[1].lparam, 0);
    EXPECT_EQ(last_text(), L"Quobex installer downloading failed with HTTP error 404");
    EXPECT_TRUE(log.contains(general::log::level_error,
                             L"[downloader] Quobex installer downloading failed with HTTP error 404"));
    // The run ended there: the package was not fetched.
    EXPECT_FALSE(fs::exists(temp.path() / L"Sentovar.msi"));
}

TEST_F(downloader_test, any_other_product_reports_event_16)
{
    run({protection(package_url(L"/fault/500"))});

    const auto all = posted.without(messages::downloading_progress);
    ASSERT_EQ(steps(), (std::vector<UINT>{messages::downloading_installation, messages::add_stats_event,
                                          messages::send_stats_events, messages::downloading_error}));
    EXPECT_EQ(all[1].wparam, 16u);
    EXPECT_EQ(last_text(), L"Varnhelm Sentovar installer downloading failed with HTTP error 500");
}

TEST_F(downloader_test, a_transfer_that_breaks_off_counts_as_a_failed_download)
{
    for (const std::wstring& url :
         {archiver_url(L"/fault/reset"), testbed::url(false, testbed::closed_port, L"/win/qbx623x64.exe")}) {
        SCOPED_TRACE(url);
        test_support::posted_messages each;
        {
            products_downloader downloader{{archiver(url)}, each.window(), temp.path().wstring()};
            ASSERT_TRUE(each.pump_until({messages::installations_downloaded, messages::downloading_error}, 60s));
        }
        const auto all = each.without(messages::downloading_progress);
        ASSERT_EQ(all.size(), 4u);
        EXPECT_EQ(all[1].id, messages::add_stats_event);
        EXPECT_EQ(all[1].wparam, 15u);
        EXPECT_EQ(all[2].id, messages::send_stats_events);
        EXPECT_EQ(all[3].id, messages::downloading_error);
        EXPECT_NE(all[3].text.find(L"failed"), std::wstring::npos) << all[3].text;
    }
}

TEST_F(downloader_test, a_certificate_that_does_not_validate_fails_the_download)
{
    run({archiver(testbed::url(true, testbed::untrusted_https_port, L"/win/qbx623x64.exe"))});

    EXPECT_EQ(steps(), (std::vector<UINT>{messages::downloading_installation, messages::add_stats_event,
                                          messages::send_stats_events, messages::downloading_error}));
    // A TLS failure, not some other one: Wine reports every certificate failure
    // as 12157 from the send step, Windows as 12175, which fails the receive.
    const std::wstring text = last_text();
    EXPECT_TRUE(text == L"send http request failed with error [12157]" ||
                text.find(L"Secure Sockets Layer (SSL) certificate") != std::wstring::npos)
        << text;
    EXPECT_FALSE(fs::exists(temp.path() / L"qbx623x64.exe"));
}

product_descriptor signed_by(product_descriptor product, general::windows::publisher publisher)
{
    product.publisher = std::move(publisher);
    return product;
}

// Each row: a file and the publisher its product accepts. A valid signature by
// anyone but that publisher, the other product's included, is as corrupted as
// a broken one; so is the publisher's name on a certificate from another CA.
TEST_F(downloader_test, a_tampered_unsigned_or_foreign_file_is_corrupted_and_posts_no_event)
{
    const auto impostor = general::windows::publisher{configuration::archiver_publisher().subject, L"qel second CA"};
    const product_descriptor cases[] = {
        archiver(archiver_url(L"/fault/tampered")),
        archiver(archiver_url(L"/fault/unsigned")),
        protection(package_url(L"/fault/unsigned")),
        archiver(archiver_url(L"/fault/other-signer")),
        protection(package_url(L"/fault/other-signer")),
        archiver(archiver_url(L"/fault/cross-signer")),
        protection(package_url(L"/fault/cross-signer")),
        archiver(archiver_url(L"/fault/second-ca")),
        signed_by(archiver(archiver_url()), {}),
        signed_by(archiver(archiver_url()), configuration::protection_publisher()),
        signed_by(archiver(archiver_url()), impostor),
        signed_by(protection(package_url()), configuration::archiver_publisher()),
    };
    for (const auto& product : cases) {
        SCOPED_TRACE(product.url);
        SCOPED_TRACE(general::windows::wide_to_utf8(product.publisher.subject + L" / " + product.publisher.issuer));
        test_support::captured_log log;
        test_support::posted_messages each;
        {
            products_downloader downloader{{product}, each.window(), temp.path().wstring()};
            ASSERT_TRUE(each.pump_until({messages::installations_downloaded, messages::downloading_error}, 60s));
        }
        const auto all = each.without(messages::downloading_progress);
        ASSERT_EQ(all.size(), 2u);
        EXPECT_EQ(all[0].id, messages::downloading_installation);
        EXPECT_EQ(all[1].id, messages::downloading_error);
        EXPECT_EQ(all[1].text, product.name + L" installer corrupted");
        EXPECT_EQ(each.count(messages::add_stats_event), 0u);
        EXPECT_TRUE(log.contains(general::log::level_error, L"[downloader] " + product.name + L" installer corrupted"));
    }
}

// The files the foreign publishers signed are whole and their signatures valid:
// only who made them differs. Each is accepted once its signer is the one asked for.
TEST_F(downloader_test, the_foreign_file_passes_when_its_signer_is_the_accepted_one)
{
    const struct {
        const wchar_t* fault;
        general::windows::publisher signer;
    } cases[] = {
        {L"other-signer", {L"qel other signer", L"qel test CA"}},
        {L"second-ca", {L"qel test signer", L"qel second CA"}},
        {L"cross-signer", configuration::protection_publisher()},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(general::windows::wide_to_utf8(row.fault));
        test_support::posted_messages each;
        {
            products_downloader downloader{
                {signed_by(archiver(archiver_url(L"/fault/" + std::wstring{row.fault})), row.signer)},
                each.window(),
                temp.path().wstring()};
            ASSERT_TRUE(each.pump_until({messages::installations_downloaded, messages::downloading_error}, 60s));
        }
        EXPECT_EQ(each.without(messages::downloading_progress).back().id, messages::installations_downloaded);
        EXPECT_EQ(test_support::file_bytes(temp.path() / L"qbx623x64.exe"),
                  test_support::file_bytes(payloads / row.fault / L"qbx623x64.exe"));
    }
}

// Without a folder of the run's own nothing is fetched: the user's temporary
// folder, which any of the user's programs can change, is never used instead.
TEST_F(downloader_test, without_a_folder_nothing_is_downloaded_and_the_run_fails)
{
    test_support::posted_messages each;
    {
        products_downloader downloader{{archiver(archiver_url())}, each.window(), L""};
        ASSERT_TRUE(each.pump_until({messages::installations_downloaded, messages::downloading_error}, 60s));
    }
    const auto all = each.without(messages::downloading_progress);
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.back().id, messages::downloading_error);
    EXPECT_EQ(all.back().text, L"no folder to download into");
    EXPECT_TRUE(fs::is_empty(temp.path()));
}

// Downloaded into a folder of the run's own and installed from there: both
// workers agree on the folder, the user's temporary folder stays empty, the
// program runs from the private folder, and the folder goes with its owner.
TEST_F(downloader_test, a_run_in_a_private_folder_downloads_and_installs_there_and_leaves_nothing_behind)
{
    test_support::scoped_environment target{L"QEL_FAKE_ARCHIVER_TARGET", (temp.scratch() / L"installed").wstring()};
    test_support::scoped_environment fast{L"QEL_FAKE_ARCHIVER_DELAY_MS", std::nullopt};
    fs::path folder_path;
    {
        general::windows::private_folder folder{temp.scratch().wstring(), L"downloads"};
        folder_path = folder.path();
        {
            products_downloader downloader{{archiver(archiver_url())}, posted.window(), folder.path()};
            ASSERT_TRUE(posted.pump_until({messages::installations_downloaded, messages::downloading_error}, 60s));
        }
        EXPECT_EQ(steps().back(), messages::installations_downloaded);
        EXPECT_EQ(test_support::file_bytes(folder_path / L"qbx623x64.exe"),
                  test_support::file_bytes(payloads / L"qbx623x64.exe"));
        EXPECT_TRUE(fs::is_empty(temp.path()));
        {
            products_installer installer{{archiver(archiver_url())}, posted.window(), folder.path()};
            ASSERT_TRUE(posted.pump_until({messages::installations_done, messages::installation_error}, 60s));
        }
        EXPECT_EQ(posted.all().back().id, messages::installations_done);
        const std::string ran = test_support::file_bytes(folder_path / L"qbx623x64.exe.ran");
        EXPECT_NE(ran.find(general::windows::wide_to_utf8(folder.path())), std::string::npos) << ran;
        EXPECT_TRUE(fs::exists(temp.scratch() / L"installed" / L"quobex-installed.txt"));
    }
    EXPECT_FALSE(fs::exists(folder_path));
}

TEST_F(downloader_test, a_file_that_cannot_be_written_is_corrupted_even_when_an_old_copy_would_pass)
{
    // A valid file of the same name from an earlier run, held open by a program
    // that lets nobody else write it.
    const auto old = temp.path() / L"qbx623x64.exe";
    fs::copy_file(payloads / L"qbx623x64.exe", old);
    {
        const general::windows::unique_file held{
            CreateFileW(old.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)};
        ASSERT_TRUE(held);
        run({archiver(archiver_url())});
    }

    EXPECT_EQ(steps(), (std::vector<UINT>{messages::downloading_installation, messages::downloading_error}));
    EXPECT_EQ(last_text(), L"Quobex installer corrupted");
}

TEST_F(downloader_test, a_hard_link_planted_at_the_download_path_is_replaced_not_written_through)
{
    // Somebody aims the elevated download at another file by linking its name in
    // the user's temporary folder to it.
    const auto victim = temp.path() / L"victim.txt";
    {
        std::ofstream(victim, std::ios::binary) << "keep me";
    }
    const auto planted = temp.path() / L"qbx623x64.exe";
    ASSERT_TRUE(CreateHardLinkW(planted.c_str(), victim.c_str(), nullptr));

    run({archiver(archiver_url())});

    EXPECT_EQ(steps(), (std::vector<UINT>{messages::downloading_installation, messages::installations_downloaded}));
    EXPECT_EQ(test_support::file_bytes(victim), "keep me");
    EXPECT_EQ(test_support::file_bytes(planted), test_support::file_bytes(payloads / L"qbx623x64.exe"));
}

TEST_F(downloader_test, an_address_with_a_port_that_is_not_one_ends_the_run_without_an_event)
{
    run({archiver(L"https://localhost:99999/win/qbx623x64.exe")});

    EXPECT_EQ(steps(), (std::vector<UINT>{messages::downloading_installation, messages::downloading_error}));
    EXPECT_EQ(last_text(), L"Quobex installer address https://localhost:99999/win/qbx623x64.exe is not valid");
}

TEST_F(downloader_test, the_request_carries_the_user_agent_and_tls_follows_the_scheme)
{
    // The echo is saved under its name "echo" before the signature check refuses it.
    for (const bool secure : {true, false}) {
        SCOPED_TRACE(secure);
        test_support::posted_messages each;
        const auto port = secure ? testbed::download_https_port : testbed::download_http_port;
        {
            products_downloader downloader{
                {archiver(testbed::url(secure, port, L"/echo"))}, each.window(), temp.path().wstring()};
            ASSERT_TRUE(each.pump_until({messages::downloading_error}, 60s));
        }
        const std::string echo = test_support::file_bytes(temp.path() / L"echo");
        EXPECT_NE(echo.find(R"(["User-Agent", "Sentovar installer"])"), std::string::npos) << echo;
        EXPECT_EQ(echo.find(R"("tls": "")") == std::string::npos, secure) << echo;
        EXPECT_NE(echo.find(R"("path": "/echo")"), std::string::npos) << echo;
    }
}

TEST_F(downloader_test, an_empty_product_list_completes_at_once)
{
    run({});
    EXPECT_EQ(steps(), std::vector<UINT>{messages::installations_downloaded});
}

// A file that trickles in over a minute (a piece every 6 s): the destructor
// aborts it instead of waiting for it, and the stopped run says nothing more,
// neither a failed transfer nor an error nor the completion.
TEST_F(downloader_test, destruction_aborts_the_file_in_progress_and_posts_nothing_more)
{
    for (const bool secure : {true, false}) {
        SCOPED_TRACE(secure);
        test_support::captured_log log;
        test_support::posted_messages each;
        const auto url = secure
                             ? archiver_url(L"/fault/slow/60000")
                             : testbed::url(false, testbed::download_http_port, L"/fault/slow/60000/win/qbx623x64.exe");
        std::optional<products_downloader> downloader;
        downloader.emplace(std::vector{archiver(url), protection(package_url())}, each.window(), temp.path().wstring());
        ASSERT_TRUE(each.pump_until({messages::downloading_installation}, 20s));
        each.pump_for(1s);
        const auto start = std::chrono::steady_clock::now();
        downloader.reset();
        EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
        each.pump_for(500ms);
        const auto all = each.without(messages::downloading_progress);
        ASSERT_EQ(all.size(), 1u);
        EXPECT_EQ(all[0].id, messages::downloading_installation);
        EXPECT_FALSE(fs::exists(temp.path() / L"qbx623x64.exe"));
        EXPECT_FALSE(fs::exists(temp.path() / L"Sentovar.msi"));
        EXPECT_TRUE(log.contains(general::log::level_info, L"[downloader] stopped: http request aborted"));
    }
}

// Thousands of network pieces, a few dozen messages: one per whole percent, the
// last at the total, so a busy window's queue never fills with progress.
TEST_F(downloader_test, a_large_file_posts_at_most_one_progress_message_a_percent_ending_at_its_size)
{
    constexpr std::uintmax_t size = 24'000'000;
    test_support::captured_log log;
    run({archiver(testbed::url(false, testbed::download_http_port, L"/generated/" + std::to_wstring(size)))});

    // Saved, then refused: the generated bytes are no signed program.
    EXPECT_EQ(steps(), (std::vector<UINT>{messages::downloading_installation, messages::downloading_error}));
    EXPECT_EQ(last_text(), L"Quobex installer corrupted");
    const auto progress = posted.only(messages::downloading_progress);
    EXPECT_LE(progress.size(), 101u);
    EXPECT_GE(progress.size(), 2u);
    expect_progress_of_one_file(progress, size);
}

// The observer's arithmetic, driven directly once the worker has finished (an
// empty list): counts beyond 4 GiB travel as their low 32 bits.
class progress_test : public testing::Test {
protected:
    test_support::posted_messages posted;
    products_downloader downloader{{}, posted.window(), L"unused"};

    void SetUp() override { ASSERT_TRUE(posted.pump_until({messages::installations_downloaded}, 20s)); }

    std::vector<std::pair<WPARAM, LPARAM>> progress()
    {
        posted.pump_for(100ms);
        std::vector<std::pair<WPARAM, LPARAM>> result;
        for (const auto& entry : posted.only(messages::downloading_progress))
            result.emplace_back(entry.wparam, entry.lparam);
        return result;
    }
};

constexpr std::int64_t gib = std::int64_t{1} << 30;

TEST_F(progress_test, sizes_of_4_gib_and_more_are_reported_modulo_2_to_the_32)
{
    downloader.on_content_length(5 * gib);
    downloader.on_data_received(3 * gib);
    downloader.on_data_received(gib + 5);
    downloader.on_data_received(gib - 5);
    const auto low = [](std::int64_t value) { return static_cast<std::uint32_t>(value); };
    EXPECT_EQ(progress(), (std::vector<std::pair<WPARAM, LPARAM>>{
                              {low(3 * gib), static_cast<LPARAM>(low(5 * gib))},
                              {low(4 * gib + 5), static_cast<LPARAM>(low(5 * gib))},
                              {low(5 * gib), static_cast<LPARAM>(low(5 * gib))},
                          }));
    EXPECT_EQ(low(4 * gib + 5), 5u);
}

TEST_F(progress_test, nothing_is_posted_while_the_length_is_unknown)
{
    downloader.on_data_received(1000);
    downloader.on_data_received(8 * gib);
    EXPECT_TRUE(progress().empty());
    // Bytes counted before the length was known still count.
    downloader.on_content_length(8 * gib + 10);
    downloader.on_data_received(10);
    EXPECT_EQ(progress(), (std::vector<std::pair<WPARAM, LPARAM>>{{static_cast<WPARAM>(1010), 10}}));
}

// One message each time the whole percent changes, whatever the pieces: the
// count, the first and the last (always the total) for several shapes.
TEST(progress_coalescing, posts_once_a_percent_and_always_the_total_last)
{
    const struct {
        std::int64_t total;
        std::int64_t piece;
        std::size_t messages;
        WPARAM first;
    } cases[] = {
        {1000, 1, 101, 1},   // 0 % at the first byte, then every 10 bytes
        {10, 1, 10, 1},      // each byte is 10 %
        {1, 1, 1, 1},        // one byte: straight to the total
        {100, 7, 15, 7},     // 7, 14, ... 98 %, then 100 % at the rest
        {1000, 999, 2, 999}, // 99 %, then the last byte
        {8 * gib, 1 << 20, 101, 1 << 20},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.total);
        SCOPED_TRACE(each.piece);
        test_support::posted_messages posted;
        products_downloader downloader{{}, posted.window(), L"unused"};
        ASSERT_TRUE(posted.pump_until({messages::installations_downloaded}, 20s));
        downloader.on_content_length(each.total);
        for (std::int64_t received = 0; received < each.total; received += each.piece)
            downloader.on_data_received(std::min(each.piece, each.total - received));
        posted.pump_for(100ms);
        const auto progress = posted.only(messages::downloading_progress);
        ASSERT_EQ(progress.size(), each.messages);
        EXPECT_EQ(progress.front().wparam, each.first);
        EXPECT_EQ(progress.back().wparam, static_cast<WPARAM>(static_cast<std::uint32_t>(each.total)));
        for (const auto& entry : progress)
            EXPECT_EQ(entry.lparam, static_cast<LPARAM>(static_cast<std::uint32_t>(each.total)));
    }
}

} // namespace
