// Images decoded from bytes in memory.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "tests/views/ui/widget_host.h"
#include "views/ui/image.h"

using namespace widget_tests;
using general::ui::image;

namespace {

class images_from_bytes : public gdiplus_suite {};

void expect_invalid(const void* data, std::size_t size)
{
    try {
        image::from_bytes(data, size);
        ADD_FAILURE() << "no exception";
    } catch (const std::runtime_error& failure) {
        EXPECT_STREQ("invalid resource", failure.what());
    }
}

} // namespace

TEST_F(images_from_bytes, decodes_the_embedded_button_face)
{
    image face = embedded_image(131, L"PNG");
    ASSERT_TRUE(face);
    EXPECT_EQ(97u, face.get()->GetWidth());
    EXPECT_EQ(33u, face.get()->GetHeight());

    image moved = std::move(face);
    EXPECT_FALSE(face);
    ASSERT_TRUE(moved);
    EXPECT_EQ(97u, moved.get()->GetWidth());
    moved = embedded_image(130, L"PNG");  // the old bitmap and its memory go first
    EXPECT_EQ(239u, moved.get()->GetWidth());
}

TEST_F(images_from_bytes, refuses_what_is_not_an_image)
{
    const std::string garbage = "this is certainly not an image file";
    expect_invalid(garbage.data(), garbage.size());
    expect_invalid(garbage.data(), 0);
    expect_invalid(nullptr, 16);
    // A PNG cut short after its header.
    general::windows::resource::handle png(GetModuleHandleW(nullptr), 131, L"PNG");
    expect_invalid(png.data(), 40);
}
