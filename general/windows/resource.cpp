#include "general/windows/resource.h"

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

global_mem_handler::global_mem_handler(const void* data, std::size_t size)
    : block_(GlobalAlloc(GMEM_MOVEABLE, size))
{
    if (!block_)
        throw std::runtime_error("memory allocation error");
    if (size == 0)
        return;  // a zero-sized movable block cannot be locked, and holds nothing
    void* target = GlobalLock(block_.get());
    if (!target)
        throw std::runtime_error("memory allocation error");
    std::memcpy(target, data, size);
    GlobalUnlock(block_.get());
}

} // namespace general::windows::resource
