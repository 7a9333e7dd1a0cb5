// The sprites example run headless, at 8 bits (sheets and tiles) and with "16" on its command
// line, checked in the presented frames.
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"

#include <gtest/gtest.h>

#include <cstring>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show);

namespace {

char Instance;

struct TwoFrames {
    HeadlessFrame early;
    HeadlessFrame late;
};

// Runs the program for about 1.5 s of virtual time with this command line.
TwoFrames run(const char* command_line) {
    platform_reset();
    headless_keep_frames(64);
    headless_script_key(1500, VK_ESCAPE, 1);
    char line[8];
    std::snprintf(line, sizeof line, "%s", command_line);
    EXPECT_EQ(WinMain(reinterpret_cast<HINSTANCE>(&Instance), nullptr, line, SW_SHOWNORMAL), 0);
    EXPECT_EQ(ddraw_live_objects(), 0);
    EXPECT_TRUE(headless_fullscreen());
    TwoFrames result = {};
    int count = headless_frame_count();
    EXPECT_GT(count, 30);
    if (const HeadlessFrame* f = headless_frame(count - 20)) result.early = *f;
    if (const HeadlessFrame* f = headless_last_frame()) result.late = *f;
    return result;
}

int bytes_per_pixel(const HeadlessFrame& f) {
    return f.bpp == 8 ? 1 : 2;
}

// Whether the band of rows differs between the two frames.
bool rows_differ(const HeadlessFrame& a, const HeadlessFrame& b, int top, int bottom) {
    std::size_t row = static_cast<std::size_t>(a.width) * bytes_per_pixel(a);
    return std::memcmp(&a.pixels[top * row], &b.pixels[top * row], (bottom - top) * row) != 0;
}

TEST(SpritesExample, WalkersCrossTiledFloorsAtEightAndSixteenBits) {
    for (const char* line : {"", "16"}) {
        SCOPED_TRACE(line);
        TwoFrames r = run(line);
        ASSERT_EQ(r.late.width, 800);
        ASSERT_EQ(r.late.height, 600);
        ASSERT_EQ(r.late.bpp, line[0] ? 16 : 8);
        ASSERT_EQ(r.early.pixels.size(), r.late.pixels.size());
        // The walkers move over rows 472 to 503; the floor below them stands still.
        EXPECT_TRUE(rows_differ(r.early, r.late, 472, 504));
        EXPECT_FALSE(rows_differ(r.early, r.late, 504, 600));
        // The floor is tiles, not one colour: its first row holds more than one value.
        std::size_t bpp = bytes_per_pixel(r.late);
        const std::uint8_t* floor = &r.late.pixels[504 * 800 * bpp];
        bool varied = false;
        for (int x = 1; x < 800 && !varied; ++x)
            varied = std::memcmp(floor, floor + x * bpp, bpp) != 0;
        EXPECT_TRUE(varied);
    }
}

} // namespace
