#include "tests/support/child_program.h"

#include <fstream>
#include <sstream>
#include <thread>

#include "general/windows/system.h"
#include "general/windows/text.h"

namespace test_support {

namespace {

std::filesystem::path record_path(const std::filesystem::path& program)
{
    return program.wstring() + L".ran";
}

std::wstring next_line(std::wistringstream& lines)
{
    std::wstring line;
    std::getline(lines, line);
    return line;
}

} // namespace

std::filesystem::path copy_child_program(const std::filesystem::path& folder, const std::wstring& file_name)
{
    const std::filesystem::path source =
        std::filesystem::path{general::windows::executable_directory()} / L"qel_test_child.exe";
    const auto target = folder / file_name;
    std::filesystem::copy_file(source, target, std::filesystem::copy_options::overwrite_existing);
    return target;
}

std::optional<child_record> read_child_record(const std::filesystem::path& program)
{
    std::ifstream file{record_path(program), std::ios::binary};
    if (!file)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    std::wistringstream lines{general::windows::utf8_to_wide(bytes.str())};
    child_record record;
    record.command_line = next_line(lines);
    record.current_folder = next_line(lines);
    record.startup_flags = static_cast<DWORD>(std::stoul(next_line(lines)));
    record.show_window = static_cast<WORD>(std::stoul(next_line(lines)));
    record.parent_image = next_line(lines);
    record.tmp = next_line(lines);
    record.temp = next_line(lines);
    return record;
}

std::optional<child_record> wait_for_child_record(const std::filesystem::path& program,
                                                  std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        // The child writes its record in one call, but it may still hold the file open.
        try {
            if (auto record = read_child_record(program))
                return record;
        } catch (const std::exception&) {
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds{50});
    }
}

process_killer::process_killer(DWORD process_id)
    : process_{OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION, FALSE, process_id)}
{
}

process_killer::~process_killer()
{
    if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), 5000);
    }
}

std::optional<DWORD> process_killer::wait(std::chrono::milliseconds timeout)
{
    if (!process_ || WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(process_.get(), &code))
        return std::nullopt;
    return code;
}

} // namespace test_support
