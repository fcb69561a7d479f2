// The two owning wrappers: finding and locking a resource, and copying bytes
// into a movable global block for COM streams.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>

#include "general/windows/com.h"
#include "general/windows/resource.h"

using general::windows::resource::global_mem_handler;
using general::windows::resource::handle;

namespace {

// The test executable embeds the installer's resource script.
HMODULE self()
{
    return GetModuleHandleW(nullptr);
}

void expect_not_found(std::uint16_t id, const std::wstring& type)
{
    try {
        handle h(self(), id, type);
        ADD_FAILURE() << "resource " << id << " was found";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "resource not found");
    }
}

} // namespace

TEST(resource_handle, finds_and_locks_a_resource)
{
    handle theme(self(), 133, L"THEME");
    ASSERT_NE(theme.data(), nullptr);
    ASSERT_GT(theme.size(), 0u);
    const std::string bytes = theme.bytes();
    EXPECT_EQ(bytes.size(), theme.size());
    EXPECT_EQ(std::memcmp(bytes.data(), theme.data(), bytes.size()), 0);
    EXPECT_EQ(bytes.rfind("<?xml", 0), 0u);
}

TEST(resource_handle, numeric_type_spelling_finds_standard_types)
{
    // "#24" is how a caller with only a wide type name reaches RT_MANIFEST.
    handle manifest(self(), 1, L"#24");
    EXPECT_NE(manifest.bytes().find("<assembly"), std::string::npos);
}

TEST(resource_handle, finds_the_us_english_resources_for_users_of_other_languages)
{
    // Everything is stored once, under US English; a Brazilian user's lookup
    // must fall back to it rather than miss.
    const LANGID before = GetThreadUILanguage();
    const LCID locale_before = GetThreadLocale();
    SetThreadUILanguage(MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE_BRAZILIAN));
    SetThreadLocale(MAKELCID(MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE_BRAZILIAN), SORT_DEFAULT));
    EXPECT_NO_THROW(handle(self(), 211, L"TS"));
    EXPECT_NO_THROW(handle(self(), 201, L"#5"));
    SetThreadLocale(locale_before);
    SetThreadUILanguage(before);
}

TEST(resource_handle, missing_resources_raise_not_found)
{
    expect_not_found(4242, L"PNG");       // no such id
    expect_not_found(133, L"PNG");        // the id exists, but under another type
    expect_not_found(130, L"NOSUCHTYPE"); // no such type at all
    expect_not_found(0, L"THEME");
}

TEST(resource_handle, a_module_without_resources_raises_not_found)
{
    // kernel32 carries resources, but none of the installer's custom types.
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    ASSERT_NE(kernel, nullptr);
    try {
        handle h(kernel, 133, L"THEME");
        ADD_FAILURE() << "found a theme in kernel32";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "resource not found");
    }
}

TEST(global_mem_handler, holds_a_copy_in_a_movable_block)
{
    std::string source(1000, '\0');
    for (std::size_t i = 0; i < source.size(); ++i)
        source[i] = static_cast<char>(i * 7 + 3);

    global_mem_handler block(source.data(), source.size());
    ASSERT_NE(block.get(), nullptr);
    EXPECT_EQ(GlobalSize(block.get()), source.size());

    const std::string original = source;
    source.assign(source.size(), 'x'); // the copy must not follow its source

    void* locked = GlobalLock(block.get());
    ASSERT_NE(locked, nullptr);
    // A movable block's handle is not its address; a fixed one's is.
    EXPECT_NE(locked, static_cast<void*>(block.get()));
    EXPECT_EQ(std::memcmp(locked, original.data(), original.size()), 0);
    GlobalUnlock(block.get());
    // Unlocked again after the copy: a stream may lock it as it needs.
    EXPECT_EQ(GlobalFlags(block.get()) & GMEM_LOCKCOUNT, 0u);
}

TEST(global_mem_handler, copies_resource_bytes_for_a_stream)
{
    handle png(self(), 130, L"PNG");
    global_mem_handler block(png.data(), png.size());

    general::windows::com_ptr<IStream> stream;
    ASSERT_EQ(CreateStreamOnHGlobal(block.get(), FALSE, stream.put()), S_OK);

    std::string read(png.size() + 16, '\0');
    ULONG got = 0;
    ASSERT_TRUE(SUCCEEDED(stream->Read(read.data(), static_cast<ULONG>(read.size()), &got)));
    ASSERT_EQ(got, png.size());
    read.resize(got);
    EXPECT_EQ(read, png.bytes());
}

TEST(global_mem_handler, accepts_an_empty_copy)
{
    global_mem_handler block(nullptr, 0);
    EXPECT_NE(block.get(), nullptr);
    EXPECT_EQ(GlobalSize(block.get()), 0u);
}

// Catalogues are stored compressed and unpacked by the system; anything else
// passes through, and a block that does not unpack to its size is refused.
TEST(resource_unpacked, passes_plain_bytes_and_refuses_a_broken_block)
{
    using general::windows::resource::unpacked;
    EXPECT_EQ(unpacked("<TS/>"), "<TS/>");
    EXPECT_EQ(unpacked(""), "");
    const std::string catalogue = unpacked(handle(self(), 210, L"TS").bytes());
    EXPECT_EQ(catalogue.rfind("<?xml", 0), 0u);
    EXPECT_LT(handle(self(), 210, L"TS").size(), catalogue.size()) << "stored smaller than it is";
    for (const std::string& broken :
         {std::string("QELZ"), std::string("QELZ\x05\0\0\0", 8), std::string("QELZ\x05\0\0\0\x02\xB0\0abc", 14),
          std::string("QELZ\xFF\0\0\0\x03\x30\x61\x62", 12)}) {
        EXPECT_THROW(unpacked(broken), std::runtime_error) << broken.size();
    }
}
