#pragma once
// Helpers shared by the resource tests: the test executable embeds the
// installer's resource script, so every resource is looked up in the executable
// itself.
#include <winsock2.h>
#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

#include <cstdint>
#include <memory>
#include <string>

#include "general/windows/gdiplus_session.h"
#include "general/windows/resource.h"

namespace resource_tests {

inline HMODULE self()
{
    return GetModuleHandleW(nullptr);
}

inline std::string bytes_of(std::uint16_t id, const std::wstring& type)
{
    return general::windows::resource::handle(self(), id, type).bytes();
}

// The standard resource types by number, in FindResourceW's "#n" spelling.
inline const std::wstring rt_icon = L"#3";
inline const std::wstring rt_dialog = L"#5";
inline const std::wstring rt_group_icon = L"#14";
inline const std::wstring rt_manifest = L"#24";

using general::windows::gdiplus_session;

struct com_release {
    void operator()(IUnknown* p) const
    {
        if (p)
            p->Release();
    }
};
template <typename T>
using com_ptr = std::unique_ptr<T, com_release>;

inline std::uint16_t read16(const std::string& b, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b.at(at)) | static_cast<unsigned char>(b.at(at + 1))
                                                                                 << 8);
}
inline std::uint32_t read32(const std::string& b, std::size_t at)
{
    return read16(b, at) | static_cast<std::uint32_t>(read16(b, at + 2)) << 16;
}
inline std::uint32_t read32_big_endian(const std::string& b, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = value << 8 | static_cast<unsigned char>(b.at(at + i));
    return value;
}

} // namespace resource_tests
