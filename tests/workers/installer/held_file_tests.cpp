// The installer file between its check and its start: once checked through the
// handle the installer keeps, nobody can write, rename, replace or delete it,
// and the program that runs is the signed one; a check by path alone holds
// nothing. Also what the check accepts: only the accepted publisher's valid
// signature.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <thread>

#include "app/configuration.h"
#include "messages/messages.h"
#include "general/windows/handle.h"
#include "general/windows/signature.h"
#include "general/windows/system.h"
#include "general/windows/text.h"
#include "tests/support/posted_messages.h"
#include "tests/support/worker_environment.h"
#include "workers/products_installer.h"

namespace {

const general::windows::publisher accepted = configuration::archiver_publisher();

using namespace std::chrono_literals;
namespace fs = std::filesystem;
using general::windows::file_verdict;
using general::windows::unique_file;

const fs::path payloads{QEL_TESTBED_PAYLOAD_DIR};

// One way another program of the user changes the file at `path`; true when
// it got through. `spare` is a fresh unsigned copy it may move into place.
struct attack {
    const wchar_t* name;
    std::function<bool(const fs::path& path, const fs::path& spare)> run;
};

bool write_over(const fs::path& path, const fs::path&)
{
    const unique_file file{CreateFileW(path.c_str(), GENERIC_WRITE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                       0, nullptr)};
    if (!file)
        return false;
    const char junk[64] = "MZ not the signed program";
    DWORD written = 0;
    WriteFile(file.get(), junk, sizeof junk, &written, nullptr);
    return true;
}

const attack attacks[] = {
    {L"write over it", write_over},
    {L"copy another file over it",
     [](const fs::path& path, const fs::path& spare) { return CopyFileW(spare.c_str(), path.c_str(), FALSE) != 0; }},
    {L"move another file over it",
     [](const fs::path& path, const fs::path& spare) {
         return MoveFileExW(spare.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
     }},
    {L"rename it away",
     [](const fs::path& path, const fs::path&) {
         return MoveFileExW(path.c_str(), (path.wstring() + L".away").c_str(), 0) != 0;
     }},
    {L"delete it", [](const fs::path& path, const fs::path&) { return DeleteFileW(path.c_str()) != 0; }},
    {L"open it to delete on close",
     [](const fs::path& path, const fs::path&) {
         const unique_file file{CreateFileW(path.c_str(), DELETE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                            OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr)};
         return static_cast<bool>(file);
     }},
};

class held_file_test : public testing::Test, protected test_support::fake_archiver_run {
protected:
    int spares_ = 0;

    fs::path downloaded(const fs::path& source = payloads / L"qbx623x64.exe",
                        const std::wstring& name = L"qbx623x64.exe")
    {
        const auto copy = temp.path() / name;
        fs::copy_file(source, copy, fs::copy_options::overwrite_existing);
        return copy;
    }

    // A fresh unsigned copy for an attack to move into place.
    fs::path spare()
    {
        const auto copy = temp.scratch() / (L"spare" + std::to_wstring(spares_++) + L".exe");
        fs::copy_file(payloads / L"unsigned" / L"qbx623x64.exe", copy, fs::copy_options::overwrite_existing);
        return copy;
    }
};

// What the installer did before: a check by path, then nothing held. Each
// attack gets through after a successful check, which also shows the attacks
// below are real ones.
TEST_F(held_file_test, after_a_check_by_path_every_attack_gets_through)
{
    for (const auto& each : attacks) {
        SCOPED_TRACE(each.name);
        const auto path = downloaded();
        ASSERT_TRUE(general::windows::verify_file_signature(path.wstring()));
        EXPECT_TRUE(each.run(path, spare()));
        EXPECT_NE(test_support::file_bytes(path), test_support::file_bytes(payloads / L"qbx623x64.exe"));
    }
}

TEST_F(held_file_test, while_the_checked_handle_is_held_every_attack_fails_with_a_sharing_violation)
{
    const auto path = downloaded();
    unique_file held;
    ASSERT_EQ(general::windows::open_verified_file(path.wstring(), accepted, held), file_verdict::accepted);
    ASSERT_TRUE(held);
    for (const auto& each : attacks) {
        SCOPED_TRACE(each.name);
        EXPECT_FALSE(each.run(path, spare()));
        const DWORD error = GetLastError();
        EXPECT_TRUE(error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED) << error;
    }
    EXPECT_EQ(test_support::file_bytes(path), test_support::file_bytes(payloads / L"qbx623x64.exe"));
    {
        // Readers are still welcome: the loader, the Windows Installer, a scanner.
        const unique_file reader{
            CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)};
        EXPECT_TRUE(reader);
    }
    held.reset();
    EXPECT_TRUE(DeleteFileW(path.c_str()));
}

// Each row: what stands at the path, the publisher accepted, the verdict. Each
// product accepts its own publisher only: subject and issuer, exactly.
TEST_F(held_file_test, the_check_accepts_only_a_valid_signature_of_the_accepted_publisher)
{
    using general::windows::publisher;
    const publisher archiver = configuration::archiver_publisher();
    const publisher package = configuration::protection_publisher();
    const publisher other{L"qel other signer", L"qel test CA"};
    const publisher nobody;
    const publisher second_ca{archiver.subject, L"qel second CA"};
    const fs::path exe{L"qbx623x64.exe"};
    const fs::path msi{L"Sentovar.msi"};
    const struct {
        fs::path source;
        publisher accepted;
        file_verdict verdict;
    } cases[] = {
        {payloads / exe, archiver, file_verdict::accepted},
        {payloads / msi, package, file_verdict::accepted},
        {payloads / L"other-signer" / exe, other, file_verdict::accepted},
        {payloads / L"second-ca" / exe, second_ca, file_verdict::accepted},
        // The other product's publisher, a third one, a name from another CA.
        {payloads / msi, archiver, file_verdict::refused},
        {payloads / exe, package, file_verdict::refused},
        {payloads / L"cross-signer" / exe, archiver, file_verdict::refused},
        {payloads / L"cross-signer" / msi, package, file_verdict::refused},
        {payloads / L"other-signer" / exe, archiver, file_verdict::refused},
        {payloads / L"other-signer" / msi, package, file_verdict::refused},
        {payloads / L"second-ca" / exe, archiver, file_verdict::refused},
        {payloads / exe, second_ca, file_verdict::refused},
        {payloads / exe, nobody, file_verdict::refused},
        {payloads / exe, {archiver.subject, L""}, file_verdict::refused},
        {payloads / exe, {archiver.subject + L" ", archiver.issuer}, file_verdict::refused},
        {payloads / exe, {L"QEL TEST SIGNER", archiver.issuer}, file_verdict::refused},
        // Whoever is accepted: nothing unsigned or changed.
        {payloads / L"unsigned" / exe, archiver, file_verdict::refused},
        {payloads / L"tampered" / exe, archiver, file_verdict::refused},
        {payloads / L"unsigned" / msi, package, file_verdict::refused},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.source.string());
        SCOPED_TRACE(general::windows::wide_to_utf8(each.accepted.subject + L" / " + each.accepted.issuer));
        const auto path = downloaded(each.source, each.source.filename().wstring());
        unique_file held;
        EXPECT_EQ(general::windows::open_verified_file(path.wstring(), each.accepted, held), each.verdict);
        EXPECT_EQ(static_cast<bool>(held), each.verdict == file_verdict::accepted);
        held.reset();
        fs::remove(path);
    }
}

TEST_F(held_file_test, a_missing_file_or_folder_is_missing_and_a_file_held_by_a_writer_is_refused)
{
    unique_file held;
    EXPECT_EQ(general::windows::open_verified_file((temp.path() / L"none.exe").wstring(), accepted, held),
              file_verdict::missing);
    EXPECT_EQ(general::windows::open_verified_file((temp.path() / L"none" / L"x.exe").wstring(), accepted, held),
              file_verdict::missing);
    EXPECT_EQ(general::windows::open_verified_file(L"", accepted, held), file_verdict::missing);
    EXPECT_EQ(general::windows::open_verified_file(temp.path().wstring(), accepted, held), file_verdict::refused);
    // A writer that keeps the file (waited for briefly, then given up on).
    const auto path = downloaded();
    const unique_file writer{CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                         OPEN_EXISTING, 0, nullptr)};
    ASSERT_TRUE(writer);
    EXPECT_EQ(general::windows::open_verified_file(path.wstring(), accepted, held), file_verdict::refused);
    EXPECT_FALSE(held);
}

// Attacks without pause from another thread, starting once the file is held,
// through the check and the start of the program and while it runs: none gets
// through, and the program that ran from the path is the signed file.
TEST_F(held_file_test, attacks_during_the_check_and_the_start_never_get_through)
{
    const auto path = downloaded();
    unique_file held;
    ASSERT_EQ(general::windows::open_verified_file(path.wstring(), accepted, held), file_verdict::accepted);

    std::atomic<bool> stop{false};
    std::atomic<int> tries{0};
    std::atomic<int> got_through{0};
    const fs::path spare_file = spare();
    std::thread attacker{[&] {
        while (!stop) {
            for (const auto& each : attacks) {
                if (each.run(path, spare_file))
                    ++got_through;
                ++tries;
            }
        }
    }};
    // A fair number of tries before the start, counted, not timed.
    const auto give_up = std::chrono::steady_clock::now() + 60s;
    while (tries < 200 && std::chrono::steady_clock::now() < give_up)
        std::this_thread::yield();
    const DWORD started = general::windows::create_process(L"\"" + path.wstring() + L"\" /s1", true, true);
    stop = true;
    attacker.join();

    EXPECT_GE(tries.load(), 200);
    EXPECT_EQ(got_through.load(), 0);
    EXPECT_NE(started, 0u);
    EXPECT_EQ(test_support::recorded_command_line(path), L"\"" + path.wstring() + L"\" /s1");
    EXPECT_EQ(test_support::file_bytes(path), test_support::file_bytes(payloads / L"qbx623x64.exe"));
}

// The same through the installer worker, which opens and checks the file
// itself right before the start: the attacker first only looks (a write open it
// closes at once, which the worker's open waits out) until the worker holds the
// file, then attacks for real. Anything that gets through before the program
// has written its "installed" marker (so while it still ran, and the file was
// held) is a failure.
TEST_F(held_file_test, the_installer_worker_holds_the_file_from_its_check_until_the_program_has_ended)
{
    test_support::scoped_environment slow{L"QEL_FAKE_ARCHIVER_DELAY_MS", L"1500"};
    const auto path = downloaded();
    const auto marker = temp.scratch() / L"installed" / L"quobex-installed.txt";
    const fs::path spare_file = spare();
    std::atomic<bool> stop{false};
    std::atomic<bool> saw_hold{false};
    std::atomic<int> got_through_while_running{0};
    std::thread attacker{[&] {
        while (!stop && !saw_hold && !fs::exists(marker)) {
            const unique_file probe{CreateFileW(path.c_str(), GENERIC_WRITE,
                                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                                OPEN_EXISTING, 0, nullptr)};
            if (!probe && GetLastError() == ERROR_SHARING_VIOLATION)
                saw_hold = true;
        }
        while (!stop) {
            for (const auto& each : attacks) {
                if (each.run(path, spare_file)) {
                    if (!fs::exists(marker))
                        ++got_through_while_running;
                    return; // the file is released once the program ended; nothing more to learn
                }
            }
        }
    }};
    test_support::posted_messages posted;
    {
        products_installer installer{{{L"Quobex", L"https://localhost/files/qbx623x64.exe", L"", accepted}},
                                     posted.window(),
                                     temp.path().wstring()};
        EXPECT_TRUE(posted.pump_until({messages::installations_done, messages::installation_error}, 60s));
    }
    stop = true;
    attacker.join();

    EXPECT_TRUE(saw_hold.load());
    EXPECT_EQ(got_through_while_running.load(), 0);
    EXPECT_EQ(posted.all().back().id, messages::installations_done);
    EXPECT_EQ(test_support::recorded_command_line(path), L"\"" + path.wstring() + L"\" /s1");
    EXPECT_TRUE(fs::exists(marker));
}

// Files that fail the check at the start are never run: a valid file of
// another publisher (the other product's included), an unsigned or a tampered
// one, as the downloader left them.
TEST_F(held_file_test, a_file_that_fails_the_check_at_the_start_is_corrupted_and_never_runs)
{
    const product_descriptor archiver{L"Quobex", L"https://localhost/files/qbx623x64.exe", L"", accepted};
    const product_descriptor package{L"Varnhelm Sentovar", L"http://localhost/releases/Sentovar.msi", L"qeltray.exe",
                                     configuration::protection_publisher()};
    const struct {
        fs::path source;
        const product_descriptor& product;
    } cases[] = {
        {payloads / L"other-signer" / L"qbx623x64.exe", archiver},
        {payloads / L"cross-signer" / L"qbx623x64.exe", archiver},
        {payloads / L"unsigned" / L"qbx623x64.exe", archiver},
        {payloads / L"tampered" / L"qbx623x64.exe", archiver},
        {payloads / L"cross-signer" / L"Sentovar.msi", package},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.source.string());
        test_support::captured_log log;
        const auto path = downloaded(row.source, row.source.filename().wstring());
        const auto later = downloaded(payloads / L"qbx623x64.exe", L"later.exe");
        test_support::posted_messages posted;
        {
            products_installer installer{
                {row.product, {L"Quobex", L"https://localhost/files/later.exe", L"", accepted}},
                posted.window(),
                temp.path().wstring()};
            ASSERT_TRUE(posted.pump_until({messages::installations_done, messages::installation_error}, 60s));
        }
        const std::wstring corrupted = row.product.name + L" installer corrupted";
        ASSERT_EQ(posted.all().size(), 2u);
        EXPECT_EQ(posted.all()[0].id, messages::installing_product);
        EXPECT_EQ(posted.all()[1].id, messages::installation_error);
        EXPECT_EQ(posted.all()[1].text, corrupted);
        EXPECT_TRUE(log.contains(general::log::level_error, L"[installer] " + corrupted));
        EXPECT_FALSE(test_support::recorded_command_line(path).has_value());
        EXPECT_FALSE(test_support::recorded_command_line(later).has_value());
        fs::remove(path);
        fs::remove(later);
    }
}

} // namespace
