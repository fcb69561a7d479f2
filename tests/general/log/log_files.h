#pragma once
// Reading and planting log files byte for byte, for the log tests.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "general/log/file.h"

namespace log_test {

// "2026-Dec-08 01:48:31" is always this long.
inline constexpr std::size_t stamp_length = 20;

// Empty when the file does not exist.
inline std::string read_bytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void write_bytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// Lines split at CR LF; a lone LF stays inside its line, so a wrong line end shows.
inline std::vector<std::string> lines_of(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (auto end = bytes.find("\r\n"); end != bytes.npos; end = bytes.find("\r\n", start)) {
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    if (start < bytes.size())
        lines.push_back(bytes.substr(start));
    return lines;
}

// What follows the time stamp: " I| message".
inline std::string after_stamp(const std::string& line)
{
    return line.size() < stamp_length ? line : line.substr(stamp_length);
}

// Writes messages prefix0, prefix1, ... at info level.
inline void write_numbered(general::log::file& log, int count, const std::wstring& prefix = L"m", int first = 0)
{
    for (int i = first; i < first + count; ++i)
        log.write(general::log::level_info, prefix + std::to_wstring(i));
}

} // namespace log_test
