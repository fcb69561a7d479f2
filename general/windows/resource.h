#pragma once
// Owning wrappers over the executable's embedded resources.
#include <winsock2.h>
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "general/windows/handle.h"

namespace general::windows::resource {

// LoadResource's handle. FreeResource does nothing on Win32, but releasing it
// keeps the ownership rule uniform: every handle we are given is given back.
struct loaded_resource_traits {
    using pointer = HGLOBAL;
    static pointer invalid() noexcept { return nullptr; }
    static void close(pointer h) noexcept { FreeResource(h); }
};
using unique_loaded_resource = unique_resource<loaded_resource_traits>;

// Finds, loads and locks one resource. The bytes are read-only and stay valid
// while the object lives. Throws std::runtime_error "resource not found" when the
// module has no resource of that id and type, before anything is allocated.
class handle {
public:
    handle(HMODULE module, std::uint16_t id, const std::wstring& type);
    virtual ~handle() = default;
    handle(const handle&) = delete;
    handle& operator=(const handle&) = delete;

    const std::uint8_t* data() const { return data_; }
    std::uint32_t size() const { return size_; }
    // The bytes as a narrow string of the resource's exact size.
    std::string bytes() const { return {reinterpret_cast<const char*>(data_), size_}; }

private:
    HRSRC info_ = nullptr; // not a handle that is ever closed
    unique_loaded_resource loaded_;
    const std::uint8_t* data_ = nullptr;
    std::uint32_t size_ = 0;
};

// The bytes of a resource stored compressed by the build (cmake/lznt1.py:
// "QELZ", the size unpacked as 32 bits little-endian, an LZNT1 stream, which
// the system unpacks itself); other bytes come back as they are. Throws
// std::runtime_error "invalid resource" for a compressed block that does not
// unpack to its size.
std::string unpacked(std::string packed);

// A movable global memory block holding a copy of some bytes, for COM streams
// (CreateStreamOnHGlobal with fDeleteOnRelease false). Freed on destruction, so it
// must outlive every stream and image that reads from it. Throws
// std::runtime_error "memory allocation error" when the block can't be allocated.
class global_mem_handler {
public:
    global_mem_handler(const void* data, std::size_t size);
    virtual ~global_mem_handler() = default;
    global_mem_handler(const global_mem_handler&) = delete;
    global_mem_handler& operator=(const global_mem_handler&) = delete;

    HGLOBAL get() const { return block_.get(); }

private:
    unique_global block_;
};

} // namespace general::windows::resource
