// Frame operations: fills with exclusive corners and their colour widths, locks and their
// state, presenting (refused while locked, bounded on a failing flip, windowed blit).
#include "display_test_support.h"
#include "recording_ddraw.h"

#include "engine/display/display_context.h"
#include "engine/display/display_init.h"
#include "engine/display/frame.h"
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/host/headless/headless.h"

#include <gtest/gtest.h>

// Counts the pixels of an 8-bit surface that hold `value`, and whether any lies outside
// the rectangle (left, top) to (right, bottom), exclusive.
struct PixelCount {
    int inside;
    int outside;
};

namespace {

PixelCount count_pixels(IDirectDrawSurface7* surface, int width, int height, std::uint8_t value,
                        RECT area) {
    PixelCount count = {0, 0};
    std::int32_t pitch = 0;
    std::uint8_t* pixels = lock_surface(surface, &pitch);
    EXPECT_NE(pixels, nullptr);
    if (pixels == nullptr) return count;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (pixels[y * pitch + x] != value) continue;
            bool in = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
            ++(in ? count.inside : count.outside);
        }
    }
    unlock_surface(surface);
    return count;
}

} // namespace

TEST(Fills, RectangleCornersAreExclusive) {
    enter_fresh_folder();
    ASSERT_EQ(start_display(640, 480, 8, 0), 1);
    EXPECT_EQ(fill_rectangle(0, 0, 10, 10, 7, back_surface), 1);
    PixelCount count = count_pixels(back_surface, 640, 480, 7, {0, 0, 10, 10});
    EXPECT_EQ(count.inside, 100);
    EXPECT_EQ(count.outside, 0);

    RECT area = {100, 200, 103, 204};
    EXPECT_EQ(fill_surface(back_surface, 9, &area), 1);
    count = count_pixels(back_surface, 640, 480, 9, area);
    EXPECT_EQ(count.inside, 12);
    EXPECT_EQ(count.outside, 0);

    EXPECT_EQ(fill_surface(back_surface, 3, nullptr), 1);
    EXPECT_EQ(count_pixels(back_surface, 640, 480, 3, {0, 0, 640, 480}).inside, 640 * 480);
    display_shutdown();
}

TEST(Fills, SurfaceFillKeepsThe16LowBitsAndRectangleFillAll32) {
    display_context_reset();
    RecordingSurface surface;
    EXPECT_EQ(fill_surface(&surface, 0x12345, nullptr), 1);
    ASSERT_EQ(surface.blts.size(), 1u);
    const RecordedBlt& whole = surface.blts[0];
    EXPECT_FALSE(whole.had_dest_rect);
    EXPECT_EQ(whole.source, nullptr);
    EXPECT_FALSE(whole.had_source_rect);
    EXPECT_EQ(whole.flags, 0x1000400u);
    ASSERT_TRUE(whole.had_fx);
    EXPECT_EQ(whole.fx.dwSize, 100u);
    EXPECT_EQ(whole.fx.dwFillColor, 0x2345u);

    EXPECT_EQ(fill_rectangle(1, 2, 3, 4, 0x12345, &surface), 1);
    ASSERT_EQ(surface.blts.size(), 2u);
    const RecordedBlt& part = surface.blts[1];
    ASSERT_TRUE(part.had_dest_rect);
    EXPECT_EQ(part.dest_rect.left, 1);
    EXPECT_EQ(part.dest_rect.top, 2);
    EXPECT_EQ(part.dest_rect.right, 3);
    EXPECT_EQ(part.dest_rect.bottom, 4);
    EXPECT_EQ(part.fx.dwFillColor, 0x12345u);
    EXPECT_EQ(part.flags, 0x1000400u);

    // A failed fill is not reported.
    surface.blt_result = DDERR_SURFACELOST;
    EXPECT_EQ(fill_surface(&surface, 0, nullptr), 1);
    EXPECT_EQ(fill_surface(nullptr, 0, nullptr), 0);
    EXPECT_EQ(fill_rectangle(0, 0, 1, 1, 0, nullptr), 0);
}

TEST(Fills, SixteenBitFillWritesThePackedPixel) {
    enter_fresh_folder();
    ASSERT_EQ(start_display(640, 480, 16, 0), 1);
    fill_surface(back_surface, 0x12345, nullptr);
    std::uint8_t* pixels = lock_back();
    ASSERT_NE(pixels, nullptr);
    auto* row = reinterpret_cast<std::uint16_t*>(pixels + 479 * back_pitch);
    EXPECT_EQ(row[639], 0x2345);
    unlock_back();
    display_shutdown();
}

TEST(Locks, NothingToLockBeforeSetUp) {
    display_context_reset();
    std::int32_t pitch = 77;
    EXPECT_EQ(lock_surface(nullptr, &pitch), nullptr);
    EXPECT_EQ(pitch, 0);
    EXPECT_EQ(unlock_surface(nullptr), 0);
    EXPECT_EQ(lock_back(), nullptr);
    EXPECT_EQ(lock_primary(), nullptr);
    EXPECT_EQ(unlock_back(), 0);
    EXPECT_EQ(unlock_primary(), 0);
    EXPECT_EQ(present_frame(), 0);
    EXPECT_EQ(wait_vertical_blank(), 0);
}

TEST(Locks, BackBufferLocksOnceAndUnlocksOnce) {
    enter_fresh_folder();
    ASSERT_EQ(start_display(640, 480, 8, 0), 1);
    std::uint8_t* first = lock_back();
    ASSERT_NE(first, nullptr);
    EXPECT_GE(back_pitch, 640);
    EXPECT_EQ(lock_back(), first);
    EXPECT_EQ(back_buffer, first);
    EXPECT_EQ(unlock_back(), 1);
    EXPECT_EQ(back_buffer, nullptr);
    EXPECT_EQ(back_pitch, 0);
    EXPECT_EQ(unlock_back(), 0);
    // Unlocked for real: DirectDraw lends the memory again.
    EXPECT_EQ(lock_surface(back_surface, nullptr), first);
    unlock_surface(back_surface);

    std::uint8_t* primary = lock_primary();
    ASSERT_NE(primary, nullptr);
    EXPECT_NE(primary, first);
    EXPECT_GE(primary_pitch, 640);
    EXPECT_EQ(lock_primary(), primary);
    EXPECT_EQ(unlock_primary(), 1);
    EXPECT_EQ(unlock_primary(), 0);
    EXPECT_EQ(primary_pitch, 0);
    display_shutdown();
}

TEST(Locks, SurfaceLocksLeaveTheFrameStateAlone) {
    enter_fresh_folder();
    ASSERT_EQ(start_display(640, 480, 8, 0), 1);
    std::uint8_t* pixels = lock_surface(back_surface, nullptr);
    EXPECT_NE(pixels, nullptr);
    EXPECT_EQ(back_buffer, nullptr);
    EXPECT_GE(surface_desc.lPitch, 640);
    EXPECT_EQ(unlock_surface(back_surface), 1);

    std::int32_t pitch = 0;
    EXPECT_EQ(lock_surface(back_surface, &pitch), pixels);
    EXPECT_EQ(pitch, surface_desc.lPitch);
    unlock_surface(back_surface);

    // A refused lock gives null with pitch 0, and lock_back stays unlocked.
    ddraw_fail_calls(DDFAIL_LOCK, 2);
    EXPECT_EQ(lock_surface(back_surface, &pitch), nullptr);
    EXPECT_EQ(pitch, 0);
    EXPECT_EQ(lock_back(), nullptr);
    EXPECT_EQ(back_pitch, 0);
    EXPECT_EQ(unlock_back(), 0);
    display_shutdown();
}

TEST(Present, RefusedWhileLockedThenShowsTheFrame) {
    enter_fresh_folder();
    ASSERT_EQ(start_display(640, 480, 8, 0), 1);
    int frames = headless_frame_count();
    std::uint8_t* pixels = lock_back();
    ASSERT_NE(pixels, nullptr);
    pixels[5 * back_pitch + 6] = 42;
    EXPECT_EQ(present_frame(), 0);
    EXPECT_EQ(headless_frame_count(), frames);
    unlock_back();

    ASSERT_NE(lock_primary(), nullptr);
    EXPECT_EQ(present_frame(), 0);
    unlock_primary();

    EXPECT_EQ(present_frame(), 1);
    const HeadlessFrame* shown = headless_last_frame();
    ASSERT_NE(shown, nullptr);
    EXPECT_GT(headless_frame_count(), frames);
    EXPECT_EQ(shown->pixels[5 * 640 + 6], 42);
    display_shutdown();
}

TEST(Present, GivesUpAFlipThatKeepsFailing) {
    display_context_reset();
    RecordingSurface primary;
    primary_surface = &primary;
    primary.flip_result = DDERR_SURFACELOST;
    EXPECT_EQ(present_frame(), 0);
    EXPECT_GT(primary.flip_calls, 1);
    EXPECT_LE(primary.flip_calls, 1000);
    EXPECT_EQ(primary.flip_flags, static_cast<DWORD>(DDFLIP_WAIT));
    primary_surface = nullptr;
}

TEST(Present, FailingFlipOnTheEmulatedDisplay) {
    enter_fresh_folder();
    ASSERT_EQ(start_display(640, 480, 8, 0), 1);
    ddraw_fail_calls(DDFAIL_FLIP, 3);
    EXPECT_EQ(present_frame(), 1);
    ddraw_fail_calls(DDFAIL_FLIP, -1);
    EXPECT_EQ(present_frame(), 0);
    ddraw_reset_failures();
    display_shutdown();
}

TEST(Present, WindowedBlitsTheBackBufferToTheWindow) {
    enter_fresh_folder();
    ASSERT_EQ(start_display(640, 480, 8, 1), 1);
    std::uint8_t* pixels = lock_back();
    ASSERT_NE(pixels, nullptr);
    pixels[0] = 17;
    pixels[479 * back_pitch + 639] = 18;
    EXPECT_EQ(present_frame(), 0);
    unlock_back();
    EXPECT_EQ(present_frame(), 1);
    std::uint8_t* shown = lock_primary();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown[0], 17);
    EXPECT_EQ(shown[479 * primary_pitch + 639], 18);
    unlock_primary();

    ddraw_fail_calls(DDFAIL_BLT, 1);
    EXPECT_EQ(present_frame(), 0);
    display_shutdown();
}

TEST(Present, WindowedFrameStartsAtTheWindowsCorner) {
    enter_fresh_folder();
    start_headless_window(10, 20, 320, 240);
    ASSERT_EQ(display_init(320, 240, 8, 1), 1);
    RECT window = {};
    ASSERT_TRUE(GetWindowRect(MainWindow, &window));
    ASSERT_EQ(window.left, 10);
    ASSERT_EQ(window.top, 20);
    fill_surface(back_surface, 5, nullptr);
    std::uint8_t* pixels = lock_back();
    ASSERT_NE(pixels, nullptr);
    pixels[0] = 17;
    unlock_back();
    ASSERT_EQ(present_frame(), 1);
    std::uint8_t* shown = lock_primary();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown[20 * primary_pitch + 10], 17);
    EXPECT_EQ(shown[20 * primary_pitch + 11], 5);
    EXPECT_EQ(shown[(20 + 239) * primary_pitch + 10 + 319], 5);
    // Outside the window nothing is drawn.
    EXPECT_EQ(shown[19 * primary_pitch + 10], 0);
    EXPECT_EQ(shown[(20 + 240) * primary_pitch + 10], 0);
    unlock_primary();
    display_shutdown();
}

TEST(VerticalBlank, AsksToBlockUntilTheBlankBegins) {
    display_context_reset();
    RecordingDirectDraw fake;
    directdraw = &fake;
    EXPECT_EQ(wait_vertical_blank(), 1);
    EXPECT_EQ(fake.wait_calls, 1);
    EXPECT_EQ(fake.wait_flags, static_cast<DWORD>(DDWAITVB_BLOCKBEGIN));
    directdraw = nullptr;
}
