// The display context's values before set-up, and the two 16-bit colour packers.
#include "engine/display/display_context.h"

#include <gtest/gtest.h>

TEST(DisplayContext, HoldsItsDefaultsBeforeSetUp) {
    // Checked once as the program starts and once after a reset that follows changes.
    for (int pass = 0; pass < 2; ++pass) {
        EXPECT_EQ(directdraw, nullptr);
        EXPECT_EQ(primary_surface, nullptr);
        EXPECT_EQ(back_surface, nullptr);
        EXPECT_EQ(display_palette, nullptr);
        EXPECT_EQ(back_clipper, nullptr);
        EXPECT_EQ(window_clipper, nullptr);
        EXPECT_EQ(screen_width, 640);
        EXPECT_EQ(screen_height, 480);
        EXPECT_EQ(screen_bpp, 8);
        EXPECT_EQ(screen_windowed, 0);
        EXPECT_EQ(pixel_format, 16);
        EXPECT_EQ(rgb16, nullptr);
        EXPECT_EQ(clip_min_x, 0);
        EXPECT_EQ(clip_min_y, 0);
        EXPECT_EQ(clip_max_x, 639);
        EXPECT_EQ(clip_max_y, 479);
        EXPECT_EQ(primary_buffer, nullptr);
        EXPECT_EQ(primary_pitch, 0);
        EXPECT_EQ(back_buffer, nullptr);
        EXPECT_EQ(back_pitch, 0);
        for (const PaletteEntry& entry : palette_entries) {
            EXPECT_EQ(entry.red | entry.green | entry.blue | entry.flags, 0);
        }
        EXPECT_EQ(MainWindow, nullptr);

        screen_width = 320;
        clip_max_y = 7;
        pixel_format = 15;
        rgb16 = rgb16_555;
        palette_entries[200].green = 9;
        surface_desc.dwSize = 124;
        display_context_reset();
        EXPECT_EQ(surface_desc.dwSize, 0u);
    }
}

TEST(DisplayContext, PacksColoursIn565) {
    EXPECT_EQ(rgb16_565(255, 255, 255), 0xFFFF);
    EXPECT_EQ(rgb16_565(255, 0, 0), 0xF800);
    EXPECT_EQ(rgb16_565(0, 255, 0), 0x07E0);
    EXPECT_EQ(rgb16_565(0, 0, 255), 0x001F);
    EXPECT_EQ(rgb16_565(7, 3, 7), 0);
    // Green keeps six bits: 4 survives where red and blue lose it.
    EXPECT_EQ(rgb16_565(4, 4, 4), 1 << 5);
    EXPECT_EQ(rgb16_565(8, 0, 8), (1 << 11) | 1);
}

TEST(DisplayContext, PacksColoursIn555) {
    EXPECT_EQ(rgb16_555(255, 255, 255), 0x7FFF);
    EXPECT_EQ(rgb16_555(255, 0, 0), 0x7C00);
    EXPECT_EQ(rgb16_555(0, 255, 0), 0x03E0);
    EXPECT_EQ(rgb16_555(0, 0, 255), 0x001F);
    EXPECT_EQ(rgb16_555(7, 3, 7), 0);
    EXPECT_EQ(rgb16_555(4, 4, 4), 0);
    // Out-of-range components are masked, never carried into the next field or bit 15.
    EXPECT_EQ(rgb16_555(511, 0, 0), 0x7C00);
    EXPECT_EQ(rgb16_555(-1, -1, -1) & 0x8000, 0);
    EXPECT_EQ(rgb16_565(0, 0, 256), 0);
}
