// Text output: the colour looked up for a palette index, the transparent background, the
// empty text, and a surface that lends no device context.
#include "display_test_support.h"

#include "engine/display/display_context.h"
#include "engine/display/display_init.h"
#include "engine/display/frame.h"
#include "engine/display/palette.h"
#include "engine/display/text.h"
#include "platform/ddraw/ddraw_emulation.h"

#include <gtest/gtest.h>

// Counts the back buffer's pixels of each value, and the smallest x and y of those that
// differ from `background`.
struct BackCensus {
    int count[256];
    int min_x;
    int min_y;
};

namespace {

BackCensus census_of_back(std::uint8_t background) {
    BackCensus census = {};
    census.min_x = 1 << 30;
    census.min_y = 1 << 30;
    std::uint8_t* pixels = lock_back();
    EXPECT_NE(pixels, nullptr);
    if (pixels == nullptr) return census;
    for (int y = 0; y < screen_height; ++y) {
        for (int x = 0; x < screen_width; ++x) {
            std::uint8_t value = pixels[y * back_pitch + x];
            ++census.count[value];
            if (value == background) continue;
            census.min_x = std::min(census.min_x, x);
            census.min_y = std::min(census.min_y, y);
        }
    }
    unlock_back();
    return census;
}

// Every entry white except 7 = (10, 20, 30) and 8 = (30, 20, 10), the same colour with red
// and blue exchanged.
void start_display_with_test_palette() {
    enter_fresh_folder();
    ASSERT_EQ(start_display(640, 480, 8, 0), 1);
    Palette palette;
    for (PaletteEntry& entry : palette)
        entry = {255, 255, 255, 0};
    palette[7] = {10, 20, 30, 0};
    palette[8] = {30, 20, 10, 0};
    set_palette(palette);
}

} // namespace

TEST(Text, IndexColourIsRedGreenBlueFromLowByteUp) {
    start_display_with_test_palette();
    EXPECT_EQ(draw_text_index("Hello", 20, 30, 7, back_surface), 1);
    BackCensus census = census_of_back(0);
    EXPECT_GT(census.count[7], 10);
    EXPECT_EQ(census.count[8], 0);
    // Transparent: everything but the glyphs keeps the cleared colour.
    EXPECT_EQ(census.count[0] + census.count[7], 640 * 480);
    EXPECT_GE(census.min_x, 20);
    EXPECT_GE(census.min_y, 30);
    display_shutdown();
}

TEST(Text, RgbColourIsPassedThrough) {
    start_display_with_test_palette();
    EXPECT_EQ(draw_text_rgb("Hello", 0, 0, 0x0A141E, back_surface), 1);
    BackCensus census = census_of_back(0);
    EXPECT_GT(census.count[8], 10);
    EXPECT_EQ(census.count[7], 0);
    display_shutdown();
}

TEST(Text, EmptyTextDrawsNothing) {
    start_display_with_test_palette();
    EXPECT_EQ(draw_text_index("", 20, 30, 7, back_surface), 1);
    EXPECT_EQ(census_of_back(0).count[0], 640 * 480);
    display_shutdown();
}

TEST(Text, RefusedWithoutADeviceContextOrWithBadArguments) {
    start_display_with_test_palette();
    ddraw_fail_calls(DDFAIL_GET_DC, 1);
    EXPECT_EQ(draw_text_index("Hello", 20, 30, 7, back_surface), 0);
    EXPECT_EQ(draw_text_rgb("Hello", 20, 30, 0, nullptr), 0);
    EXPECT_EQ(draw_text_rgb(nullptr, 20, 30, 0, back_surface), 0);
    EXPECT_EQ(draw_text_index("Hello", 20, 30, 256, back_surface), 0);
    EXPECT_EQ(draw_text_index("Hello", 20, 30, -1, back_surface), 0);
    EXPECT_EQ(census_of_back(0).count[0], 640 * 480);
    // The device context went back each time: the surface still locks.
    EXPECT_EQ(draw_text_index("Hi", 0, 0, 7, back_surface), 1);
    EXPECT_NE(lock_back(), nullptr);
    unlock_back();
    display_shutdown();
}
