#pragma once
// What the worker tests set up around the code under test: a temporary folder
// of their own (TMP and TEMP point into a fresh scratch folder, so parallel
// tests never share downloaded files) and a record of the log lines written
// meanwhile. Both restore the previous state on destruction; one of each at a
// time per process.
#include <winsock2.h>
#include <windows.h>

#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/scratch_folder.h"

namespace test_support {

// Sets an environment variable of this process (and so of the children it
// starts) for the object's life; nothing for `value` removes it meanwhile.
class scoped_environment {
public:
    scoped_environment(std::wstring name, const std::optional<std::wstring>& value);
    ~scoped_environment();
    scoped_environment(const scoped_environment&) = delete;
    scoped_environment& operator=(const scoped_environment&) = delete;

private:
    std::wstring name_;
    std::optional<std::wstring> previous_;
};

// The folder `sub` (created, may hold blanks) inside a fresh scratch folder
// becomes the temporary folder GetTempPathW reports.
class redirected_temp {
public:
    explicit redirected_temp(const std::wstring& sub = L"temp");
    const std::filesystem::path& path() const { return path_; }
    const std::filesystem::path& scratch() const { return scratch_.path(); }

private:
    scratch_folder scratch_;
    std::filesystem::path path_;
    scoped_environment tmp_;
    scoped_environment temp_;
};

// Where a test runs the fake archiver as the installer worker would: a
// temporary folder of its own whose path holds a blank (as a user name with
// one puts there), the fake archiver's "installation" going into the scratch
// folder's "installed", and neither a delay nor a failing exit code set.
struct fake_archiver_run {
    redirected_temp temp{L"with blank"};
    scoped_environment target{L"QEL_FAKE_ARCHIVER_TARGET", (temp.scratch() / L"installed").wstring()};
    scoped_environment delay{L"QEL_FAKE_ARCHIVER_DELAY_MS", std::nullopt};
    scoped_environment exit_code{L"QEL_FAKE_ARCHIVER_EXIT_CODE", std::nullopt};
};

// Installs a log writer that keeps every line, and removes it again.
class captured_log {
public:
    captured_log();
    ~captured_log();
    captured_log(const captured_log&) = delete;
    captured_log& operator=(const captured_log&) = delete;

    // (level, message) in the order written; safe while workers still log.
    std::vector<std::pair<int, std::wstring>> lines() const;
    bool contains(int level, const std::wstring& message) const;

    struct store {
        mutable std::mutex lock;
        std::vector<std::pair<int, std::wstring>> lines;
    };

private:
    std::shared_ptr<store> store_;
};

// The whole content of a file; empty when it cannot be read.
std::string file_bytes(const std::filesystem::path& path);

// The command line a copy of the fake archiver recorded beside itself, without
// its line end; nothing when it did not run.
std::optional<std::wstring> recorded_command_line(const std::filesystem::path& program);

} // namespace test_support
