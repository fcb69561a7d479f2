// The images: PNG headers and decoding, the animated GIF's frames and delays,
// and the two icon groups.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "general/windows/handle.h"
#include "general/windows/resource.h"
#include "resources/resource_ids.h"
#include "tests/resources/resource_test_support.h"
#include "tests/support/scratch_folder.h"

using namespace resource_tests;

namespace {

// GDI+'s time dimension of animated images (the import library's own copy of
// this GUID is not linked in when GDI+ is loaded late).
const GUID frame_dimension_time = {0x6aedbd6d, 0x3fb5, 0x418a, {0x83, 0xa6, 0x7f, 0x45, 0x22, 0x9d, 0xc8, 0x72}};

// Every PNG the executable carries, found in it rather than listed here.
std::set<int> embedded_pngs()
{
    std::set<int> ids;
    EnumResourceNamesW(
        self(), L"PNG",
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
            if (IS_INTRESOURCE(name))
                reinterpret_cast<std::set<int>*>(found)->insert(static_cast<int>(reinterpret_cast<ULONG_PTR>(name)));
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&ids));
    return ids;
}

class images : public testing::Test {
protected:
    static void SetUpTestSuite() { gdiplus = new gdiplus_session; }
    static void TearDownTestSuite()
    {
        delete gdiplus;
        gdiplus = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(gdiplus->started()); }
    static gdiplus_session* gdiplus;
};
gdiplus_session* images::gdiplus = nullptr;

} // namespace

// Decoded the way the pages load them: resource -> movable block -> stream ->
// bitmap, at the size the header gives.
TEST_F(images, every_png_is_8_bit_rgba_and_decodes_through_a_global_memory_stream)
{
    const std::set<int> pngs = embedded_pngs();
    ASSERT_EQ(pngs.count(IDR_PNG_LOGO), 1u) << "the enumeration missed the logo every page loads";
    for (const int id : pngs) {
        SCOPED_TRACE(id);
        const std::string png = bytes_of(static_cast<std::uint16_t>(id), L"PNG");
        ASSERT_GT(png.size(), 33u);
        ASSERT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
        // The first chunk must be IHDR: width, height, bit depth, colour type.
        ASSERT_EQ(read32_big_endian(png, 8), 13u);
        ASSERT_EQ(png.substr(12, 4), "IHDR");
        const std::uint32_t width = read32_big_endian(png, 16), height = read32_big_endian(png, 20);
        EXPECT_EQ(static_cast<int>(png[24]), 8) << "bit depth";
        EXPECT_EQ(static_cast<int>(png[25]), 6) << "colour type (RGBA)";
        EXPECT_EQ(static_cast<int>(png[28]), 0) << "interlacing";

        general::windows::resource::handle resource(self(), static_cast<std::uint16_t>(id), L"PNG");
        general::windows::resource::global_mem_handler block(resource.data(), resource.size());
        IStream* raw = nullptr;
        ASSERT_EQ(CreateStreamOnHGlobal(block.get(), FALSE, &raw), S_OK);
        com_ptr<IStream> stream(raw);
        std::unique_ptr<Gdiplus::Bitmap> bitmap(Gdiplus::Bitmap::FromStream(stream.get()));
        ASSERT_TRUE(bitmap);
        ASSERT_EQ(bitmap->GetLastStatus(), Gdiplus::Ok);
        EXPECT_EQ(bitmap->GetWidth(), width);
        EXPECT_EQ(bitmap->GetHeight(), height);
        EXPECT_TRUE(Gdiplus::IsAlphaPixelFormat(bitmap->GetPixelFormat()));
        // Not blank: somewhere in the picture there is an opaque pixel.
        bool opaque = false;
        for (UINT y = 0; y < height && !opaque; ++y)
            for (UINT x = 0; x < width && !opaque; ++x) {
                Gdiplus::Color c;
                bitmap->GetPixel(x, y, &c);
                opaque = c.GetA() == 255;
            }
        EXPECT_TRUE(opaque);
    }
}

TEST_F(images, animation_has_12_frames_of_512_pixels_with_real_delays)
{
    // The process page writes the GIF to a file and lets GDI+ read it from there.
    test_support::scratch_folder folder;
    const auto path = folder.path() / L"process.gif";
    {
        const std::string gif = bytes_of(IDR_GIF_PROCESS, L"GIF");
        ASSERT_EQ(gif.substr(0, 6), "GIF89a");
        std::ofstream out(path, std::ios::binary);
        out.write(gif.data(), static_cast<std::streamsize>(gif.size()));
    }
    Gdiplus::Image image(path.c_str());
    ASSERT_EQ(image.GetLastStatus(), Gdiplus::Ok);
    EXPECT_EQ(image.GetWidth(), 512u);
    EXPECT_EQ(image.GetHeight(), 512u);

    const UINT dimensions = image.GetFrameDimensionsCount();
    ASSERT_EQ(dimensions, 1u);
    GUID dimension;
    ASSERT_EQ(image.GetFrameDimensionsList(&dimension, 1), Gdiplus::Ok);
    EXPECT_EQ(dimension, frame_dimension_time);
    const UINT frames = image.GetFrameCount(&dimension);
    EXPECT_EQ(frames, 12u);

    const UINT size = image.GetPropertyItemSize(PropertyTagFrameDelay);
    ASSERT_GT(size, sizeof(Gdiplus::PropertyItem));
    std::vector<unsigned char> buffer(size);
    auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data());
    ASSERT_EQ(image.GetPropertyItem(PropertyTagFrameDelay, size, item), Gdiplus::Ok);
    EXPECT_EQ(item->type, PropertyTagTypeLong);
    ASSERT_EQ(item->length, frames * 4);
    const auto* delays = static_cast<const std::uint32_t*>(item->value);
    for (UINT i = 0; i < frames; ++i)
        EXPECT_GT(delays[i], 0u) << "frame " << i; // 0 would stall the animation's timer

    // Every frame can be selected, as the animation's timer does.
    for (UINT i = 0; i < frames; ++i)
        EXPECT_EQ(image.SelectActiveFrame(&dimension, i), Gdiplus::Ok) << "frame " << i;
}

TEST(icons, both_groups_hold_16_32_and_48_pixel_images)
{
    for (std::uint16_t group : {IDI_INSTALLER, IDI_UNINSTALLER}) {
        SCOPED_TRACE(group);
        // GRPICONDIR: reserved, type 1, count; then 14-byte entries.
        const std::string dir = bytes_of(group, rt_group_icon);
        ASSERT_GE(dir.size(), 6u);
        EXPECT_EQ(read16(dir, 0), 0u);
        EXPECT_EQ(read16(dir, 2), 1u);
        const unsigned count = read16(dir, 4);
        ASSERT_EQ(dir.size(), 6u + 14u * count);
        std::multiset<int> sizes;
        for (unsigned i = 0; i < count; ++i) {
            const std::size_t at = 6 + 14 * i;
            const int width = static_cast<unsigned char>(dir[at]);
            EXPECT_EQ(width, static_cast<unsigned char>(dir[at + 1])) << "square";
            sizes.insert(width);
            const std::uint32_t bytes = read32(dir, at + 8);
            const std::uint16_t icon_id = read16(dir, at + 12);
            // The group points at an RT_ICON image of exactly that size.
            EXPECT_EQ(general::windows::resource::handle(self(), icon_id, rt_icon).size(), bytes);
        }
        EXPECT_EQ(sizes, (std::multiset<int>{16, 32, 48}));

        for (int px : {16, 32, 48}) {
            general::windows::unique_icon icon(
                static_cast<HICON>(LoadImageW(self(), MAKEINTRESOURCEW(group), IMAGE_ICON, px, px, 0)));
            EXPECT_TRUE(icon) << px << " px";
        }
    }
}
