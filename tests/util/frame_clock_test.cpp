// The frame clock: readings, the start of a pass, and the busy wait across the wrap.
#include "engine/util/frame_clock.h"
#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"

#include <gtest/gtest.h>

TEST(FrameClock, StartStoresTheReadingAndWaitReturnsAFreshOne) {
    platform_reset();
    headless_set_clock(1000);
    EXPECT_EQ(start_frame_clock(), 1000u);
    EXPECT_EQ(FrameStartTicks, 1000u);
    DWORD end = wait_frame_clock(30);
    EXPECT_GE(end - 1000, 31u) << "one more reading after the wait";
    EXPECT_LE(end - 1000, 32u);
    EXPECT_EQ(read_clock(), end + 1);
}

TEST(FrameClock, AWaitAlreadyOverReturnsAtOnce) {
    platform_reset();
    headless_set_clock(500);
    start_frame_clock();
    headless_set_clock(900);
    DWORD end = wait_frame_clock(30);
    EXPECT_LE(end - 900, 2u);
    EXPECT_LE(wait_frame_clock(0) - 900, 4u);
}

TEST(FrameClock, TheWaitCrossesTheWrapWithoutStalling) {
    platform_reset();
    headless_set_clock(0xFFFFFFF0u);
    start_frame_clock();
    DWORD end = wait_frame_clock(30);
    EXPECT_GE(end, 0x0Eu);
    EXPECT_LT(end, 0x20u);
    EXPECT_LT(headless_clock(), 0x20u);
}
