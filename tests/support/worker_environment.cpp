#include "tests/support/worker_environment.h"

#include <fstream>
#include <sstream>

#include "general/windows/text.h"

#include <algorithm>
#include <memory>

#include "general/log/log.h"

namespace test_support {

namespace {

std::optional<std::wstring> environment(const std::wstring& name)
{
    const DWORD size = GetEnvironmentVariableW(name.c_str(), nullptr, 0);
    if (size == 0)
        return std::nullopt;
    std::wstring value(size, L'\0');
    const DWORD length = GetEnvironmentVariableW(name.c_str(), value.data(), size);
    value.resize(length);
    return value;
}

std::wstring created_folder(const std::filesystem::path& path)
{
    std::filesystem::create_directories(path);
    return path.wstring();
}

void set_environment(const std::wstring& name, const std::optional<std::wstring>& value)
{
    SetEnvironmentVariableW(name.c_str(), value ? value->c_str() : nullptr);
}

class capturing_writer : public general::log::writer {
public:
    explicit capturing_writer(std::shared_ptr<captured_log::store> into) : into_(std::move(into)) {}
    void write(int level, const std::wstring& message) override
    {
        const std::lock_guard guard{into_->lock};
        into_->lines.emplace_back(level, message);
    }
    void flush() override {}

private:
    std::shared_ptr<captured_log::store> into_;
};

} // namespace

scoped_environment::scoped_environment(std::wstring name, const std::optional<std::wstring>& value)
    : name_(std::move(name)), previous_(environment(name_))
{
    set_environment(name_, value);
}

scoped_environment::~scoped_environment()
{
    set_environment(name_, previous_);
}

redirected_temp::redirected_temp(const std::wstring& sub)
    : path_(scratch_.path() / sub), tmp_(L"TMP", created_folder(path_)), temp_(L"TEMP", path_.wstring())
{
}

captured_log::captured_log() : store_(std::make_shared<store>())
{
    general::log::set_writer(std::make_unique<capturing_writer>(store_));
}

captured_log::~captured_log()
{
    general::log::set_writer(nullptr);
}

std::vector<std::pair<int, std::wstring>> captured_log::lines() const
{
    const std::lock_guard guard{store_->lock};
    return store_->lines;
}

bool captured_log::contains(int level, const std::wstring& message) const
{
    const auto all = lines();
    return std::find(all.begin(), all.end(), std::make_pair(level, message)) != all.end();
}

std::string file_bytes(const std::filesystem::path& path)
{
    std::ifstream file{path, std::ios::binary};
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::optional<std::wstring> recorded_command_line(const std::filesystem::path& program)
{
    const std::filesystem::path record{program.wstring() + L".ran"};
    if (!std::filesystem::exists(record))
        return std::nullopt;
    std::wstring text = general::windows::utf8_to_wide(file_bytes(record));
    if (!text.empty() && text.back() == L'\n')
        text.pop_back();
    return text;
}

} // namespace test_support
