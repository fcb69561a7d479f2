#include "general/windows/text.h"

#include <winsock2.h>
#include <windows.h>

namespace general::windows {

namespace {

template <typename Char>
std::basic_string_view<Char> up_to_null(std::basic_string_view<Char> text)
{
    const auto end = text.find(Char{});
    return end == text.npos ? text : text.substr(0, end);
}

std::wstring widen(UINT code_page, std::string_view text)
{
    text = up_to_null(text);
    if (text.empty())
        return {};
    const int length = MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring result(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), result.data(), length);
    return result;
}

std::string narrow(UINT code_page, std::wstring_view text)
{
    text = up_to_null(text);
    if (text.empty())
        return {};
    const int length =
        WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return {};
    std::string result(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()), result.data(), length, nullptr,
                        nullptr);
    return result;
}

} // namespace

std::wstring to_wide(std::string_view text)
{
    return widen(CP_ACP, text);
}
std::string to_narrow(std::wstring_view text)
{
    return narrow(CP_ACP, text);
}
std::wstring utf8_to_wide(std::string_view text)
{
    return widen(CP_UTF8, text);
}
std::string wide_to_utf8(std::wstring_view text)
{
    return narrow(CP_UTF8, text);
}

} // namespace general::windows
