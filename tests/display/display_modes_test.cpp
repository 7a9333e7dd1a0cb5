// Display sizes and depths, windowed and full screen: a marker written at the display's last
// pixel reaches the presented frame, the window takes the display's mode, and what cannot be
// shown is refused by display_init.
#include "display_test_support.h"

#include "engine/display/display_context.h"
#include "engine/display/display_init.h"
#include "engine/display/frame.h"
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/host/headless/headless.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct Mode {
    std::int32_t width, height, bpp, windowed;
    int shown; // 1: display_init succeeds and the whole display is presented
};

constexpr Mode MODES[] = {
    {640, 480, 8, 1, 1},
    {800, 600, 8, 1, 1},
    {320, 200, 8, 1, 1},
    {1920, 1080, 8, 1, 1},
    {640, 480, 16, 1, 1},
    {1024, 768, 16, 1, 1},
    {333, 201, 15, 1, 1},
    {640, 480, 8, 0, 1},
    {800, 600, 8, 0, 1},
    {1920, 1080, 16, 0, 1},
    {320, 200, 15, 0, 1},
    // No desktop of 24 or 32 bits, no mode of that depth, nothing without size, and no
    // window wider than any desktop.
    {640, 480, 24, 1, 0},
    {640, 480, 32, 0, 0},
    {0, 480, 8, 1, 0},
    {640, -1, 8, 0, 0},
    {9000, 600, 8, 1, 0},
    {20000, 600, 8, 0, 0},
};

// The marker's bytes: palette index 77 at 8 bits, a packed orange in 16-bit layouts.
std::uint16_t marker(std::int32_t bpp) {
    return bpp == 8 ? 77 : rgb16(255, 128, 0);
}

} // namespace

TEST(DisplayModes, MarkerAtTheLastPixelIsShownOrTheModeIsRefused) {
    for (const Mode& m : MODES) {
        SCOPED_TRACE(testing::Message() << m.width << " x " << m.height << " x " << m.bpp
                                        << (m.windowed ? " windowed" : " full screen"));
        ASSERT_EQ(start_display(m.width, m.height, m.bpp, m.windowed), m.shown);
        if (m.shown) {
            std::uint8_t* pixels = lock_back();
            ASSERT_NE(pixels, nullptr);
            std::uint8_t* last = pixels + (m.height - 1) * back_pitch;
            std::uint16_t value = marker(m.bpp);
            if (m.bpp == 8)
                last[m.width - 1] = static_cast<std::uint8_t>(value);
            else
                std::memcpy(last + 2 * (m.width - 1), &value, 2);
            unlock_back();
            ASSERT_EQ(present_frame(), 1);
            // A window's picture reaches the screen at the program's rest 16 ms on.
            platform_rest_until(GetTickCount() + 20);
            platform_rest_until(GetTickCount() + 20);

            const HeadlessFrame* frame = headless_last_frame();
            ASSERT_NE(frame, nullptr);
            EXPECT_EQ(frame->width, m.width);
            EXPECT_EQ(frame->height, m.height);
            EXPECT_EQ(frame->bpp, m.bpp);
            int bytes = m.bpp == 8 ? 1 : 2;
            std::uint16_t shown = 0;
            std::memcpy(&shown, &frame->pixels.back() - (bytes - 1), bytes);
            EXPECT_EQ(shown, value);
            // Only the last pixel was written: the rest of the bottom row is still cleared.
            EXPECT_EQ(frame->pixels[frame->pixels.size() - 1 - bytes], 0);
            // The window is given the display's own size and depth, scaled from there.
            int width = 0, height = 0, bpp = 0;
            headless_mode(&width, &height, &bpp);
            EXPECT_EQ(width, m.width);
            EXPECT_EQ(height, m.height);
            EXPECT_EQ(bpp, m.bpp);
            EXPECT_EQ(headless_fullscreen(), m.windowed ? 0 : 1);
        }
        display_shutdown();
        EXPECT_EQ(ddraw_live_objects(), 0);
        // The desktop has its own depth back.
        DEVMODEA desktop = {};
        desktop.dmSize = sizeof desktop;
        ASSERT_TRUE(EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &desktop));
        EXPECT_EQ(desktop.dmBitsPerPel, 8u);
    }
}
