#include "views/theme.h"

#include <mutex>
#include <stdexcept>

#include <boost/format.hpp>

#include "general/windows/gdi.h"
#include "general/windows/handle.h"
#include "general/windows/settings.h"
#include "views/theme_reader.h"

namespace {

std::mutex shared_lock;
std::unique_ptr<theme> shared;

// The names in the messages are narrowed one character at a time: a theme is
// plain ASCII, and the message must not depend on the code page.
std::string narrow_name(const std::wstring& name)
{
    std::string narrow;
    for (wchar_t c : name)
        narrow += static_cast<char>(c);
    return narrow;
}

LOGFONTW describe(const theme_reader::font_values& values)
{
    LOGFONTW font{};
    font.lfHeight = values.height;
    font.lfWeight = values.weight;
    font.lfItalic = values.italic;
    font.lfUnderline = values.underline;
    font.lfCharSet = values.charset;
    values.face.copy(font.lfFaceName, LF_FACESIZE - 1);
    return font;
}

std::map<std::wstring, text_settings> describe(const theme_reader::settings_table& table)
{
    std::map<std::wstring, text_settings> settings;
    for (const auto& [name, values] : table)
        settings.emplace(name, text_settings{describe(values.font), values.kind, values.normal_color,
                                             values.active_color, values.disabled_color, values.selected_color});
    return settings;
}

// The file's bytes, one character each; empty when it cannot be read.
std::wstring read_fallback_file()
{
    const std::wstring path = general::windows::resources_directory() + L"\\default.theme";
    const general::windows::unique_file file(CreateFileW(path.c_str(), GENERIC_READ,
                                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::wstring text;
    if (!file)
        return text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        for (DWORD i = 0; i < read; ++i)
            text += static_cast<wchar_t>(static_cast<unsigned char>(buffer[i]));
    return text;
}

} // namespace

theme_context::theme_context(std::wstring name, std::map<std::wstring, ::text_settings> settings)
    : name_(std::move(name)), settings_(std::move(settings))
{
}

const text_settings& theme_context::text_settings(const std::wstring& name) const
{
    const auto found = settings_.find(name);
    if (found == settings_.end())
        throw std::runtime_error((boost::format("Theme error: text settings %1% not found") % narrow_name(name)).str());
    return found->second;
}

theme::theme(const std::wstring& text, int dpi)
{
    theme_reader::document document = theme_reader::read(text, dpi, general::windows::resources_directory());
    for (const auto& [name, table] : document.contexts)
        contexts_.emplace(name, theme_context(name, describe(table)));
    graphics_ = std::move(document.graphics);
    options_ = std::move(document.options);
}

const theme_context& theme::context(const std::wstring& name) const
{
    const auto found = contexts_.find(name);
    if (found == contexts_.end())
        throw std::runtime_error((boost::format("Theme error: context %1% not found") % narrow_name(name)).str());
    return found->second;
}

const theme& theme::instance()
{
    std::lock_guard guard(shared_lock);
    if (!shared)
        shared = std::make_unique<theme>(read_fallback_file(), desktop_dpi());
    return *shared;
}

void theme::load(const std::wstring& text)
{
    auto replacement = std::make_unique<theme>(text, desktop_dpi());
    std::lock_guard guard(shared_lock);
    shared.swap(replacement);
    // The previous theme goes with `replacement`, after the lock is released.
}

int desktop_dpi()
{
    const general::windows::window_dc dc(GetDesktopWindow());
    return dc.get() ? GetDeviceCaps(dc.get(), LOGPIXELSY) : 96;
}
