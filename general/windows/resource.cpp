#include "general/windows/resource.h"

#include <string_view>

#include "general/windows/system_function.h"

#include <cstring>
#include <stdexcept>

namespace general::windows::resource {

handle::handle(HMODULE module, std::uint16_t id, const std::wstring& type)
    : info_(FindResourceW(module, MAKEINTRESOURCEW(id), type.c_str()))
{
    if (!info_)
        throw std::runtime_error("resource not found");
    loaded_.reset(LoadResource(module, info_));
    if (!loaded_)
        throw std::runtime_error("resource not found");
    data_ = static_cast<const std::uint8_t*>(LockResource(loaded_.get()));
    size_ = SizeofResource(module, info_);
    // An empty resource is still a resource; only a missing pointer for real
    // bytes means the lookup failed.
    if (!data_ && size_ != 0)
        throw std::runtime_error("resource not found");
}

global_mem_handler::global_mem_handler(const void* data, std::size_t size) : block_(GlobalAlloc(GMEM_MOVEABLE, size))
{
    if (!block_)
        throw std::runtime_error("memory allocation error");
    if (size == 0)
        return; // a zero-sized movable block cannot be locked, and holds nothing
    void* target = GlobalLock(block_.get());
    if (!target)
        throw std::runtime_error("memory allocation error");
    std::memcpy(target, data, size);
    GlobalUnlock(block_.get());
}

std::string unpacked(std::string packed)
{
    constexpr std::string_view magic = "QELZ";
    if (packed.compare(0, magic.size(), magic) != 0)
        return packed;
    constexpr std::size_t header = 8;
    if (packed.size() < header)
        throw std::runtime_error("invalid resource");
    std::uint32_t size = 0;
    for (int i = 3; i >= 0; --i)
        size = (size << 8) | static_cast<std::uint8_t>(packed[magic.size() + static_cast<std::size_t>(i)]);
    using decompress_function = LONG NTAPI(USHORT, PUCHAR, ULONG, PUCHAR, ULONG, PULONG);
    auto* decompress = system_function<decompress_function>(L"ntdll.dll", "RtlDecompressBuffer");
    if (!decompress)
        throw std::runtime_error("invalid resource");
    std::string result(size, '\0');
    ULONG written = 0;
    constexpr USHORT lznt1 = 2; // COMPRESSION_FORMAT_LZNT1
    const LONG status = decompress(lznt1, reinterpret_cast<PUCHAR>(result.data()), size,
                                   reinterpret_cast<PUCHAR>(packed.data() + header),
                                   static_cast<ULONG>(packed.size() - header), &written);
    if (status < 0 || written != size)
        throw std::runtime_error("invalid resource");
    return result;
}

} // namespace general::windows::resource
