// The tick counter, and when the screen's changes reach the backend: flips at once, other
// changes at the program's next rest, or at its message pump 16 ms after the last present.
#include "window_fixture.h"

#include "platform/ddraw.h"
#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"
#include "platform/host/screen.h"
#include "platform/host/host.h"

#include <cstdio>
#include <cstring>

TEST(TickCount, AdvancesOnePerReadAndWrapsAt32Bits) {
    platform_reset();
    headless_set_clock(0xFFFFFFFEu);
    EXPECT_EQ(GetTickCount(), 0xFFFFFFFEu);
    EXPECT_EQ(GetTickCount(), 0xFFFFFFFFu);
    EXPECT_EQ(GetTickCount(), 0u);
    EXPECT_EQ(GetTickCount(), 1u);
    EXPECT_EQ(headless_clock(), 2u);
}

TEST(TickCount, ResetStartsTheClockAtZero) {
    headless_set_clock(5000);
    platform_reset();
    EXPECT_EQ(GetTickCount(), 0u);
}

// A DirectDraw display on the test window: a plain primary (windowed) or a flip chain.
class PresentTest : public WindowTest {
  protected:
    void open_display(bool full_screen) {
        ASSERT_EQ(
            DirectDrawCreateEx(nullptr, reinterpret_cast<void**>(&dd), IID_IDirectDraw7, nullptr),
            DD_OK);
        DDSURFACEDESC2 desc = {};
        desc.dwSize = sizeof desc;
        desc.dwFlags = DDSD_CAPS;
        desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
        if (full_screen) {
            ASSERT_EQ(dd->SetCooperativeLevel(window, DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE), DD_OK);
            ASSERT_EQ(dd->SetDisplayMode(640, 480, 8, 0, 0), DD_OK);
            desc.dwFlags |= DDSD_BACKBUFFERCOUNT;
            desc.dwBackBufferCount = 1;
            desc.ddsCaps.dwCaps |= DDSCAPS_FLIP | DDSCAPS_COMPLEX;
        } else {
            ASSERT_EQ(dd->SetCooperativeLevel(window, DDSCL_NORMAL), DD_OK);
        }
        ASSERT_EQ(dd->CreateSurface(&desc, &primary, nullptr), DD_OK);
        if (full_screen) {
            DDSCAPS2 caps = {};
            caps.dwCaps = DDSCAPS_BACKBUFFER;
            ASSERT_EQ(primary->GetAttachedSurface(&caps, &back), DD_OK);
        }
    }
    void TearDown() override {
        if (back) back->Release();
        if (primary) primary->Release();
        if (dd) dd->Release();
    }
    // Writes one pixel through a lock, which marks the screen changed when it is the primary.
    void poke(IDirectDrawSurface7* surface, std::uint8_t value) {
        DDSURFACEDESC2 desc = {};
        desc.dwSize = sizeof desc;
        ASSERT_EQ(surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
        static_cast<std::uint8_t*>(desc.lpSurface)[0] = value;
        ASSERT_EQ(surface->Unlock(nullptr), DD_OK);
    }
    IDirectDraw7* dd = nullptr;
    IDirectDrawSurface7* primary = nullptr;
    IDirectDrawSurface7* back = nullptr;
};

TEST_F(PresentTest, AChangePresentsAtTheNextRestNotOnReadingTheClock) {
    open_display(false);
    headless_set_clock(1000);
    video_screen_changed(1); // a flip's present, read at 1000
    int presented = headless_frame_count();
    ASSERT_GE(presented, 1);

    poke(primary, 42);
    EXPECT_EQ(headless_frame_count(), presented) << "a lock does not present by itself";
    for (int i = 0; i < 100; i++)
        GetTickCount();
    EXPECT_EQ(headless_frame_count(), presented) << "reading the clock presents nothing";
    platform_rest_until(GetTickCount() + 30);
    ASSERT_EQ(headless_frame_count(), presented + 1);
    EXPECT_EQ(headless_last_frame()->pixels[0], 42);

    // With nothing changed, no more presents, however long the wait.
    for (int i = 0; i < 100; i++)
        platform_rest_until(GetTickCount() + 30);
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
    EXPECT_EQ(headless_frame_count(), presented + 1);
}

TEST_F(PresentTest, TheMessagePumpAlsoPresentsPendingChanges) {
    open_display(false);
    video_screen_changed(1);
    int presented = headless_frame_count();
    poke(primary, 7);
    headless_set_clock(headless_clock() + 100);
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
    ASSERT_EQ(headless_frame_count(), presented + 1);
    EXPECT_EQ(headless_last_frame()->pixels[0], 7);
}

TEST_F(PresentTest, PendingChangesSurviveTheClockWrap) {
    open_display(false);
    headless_set_clock(0xFFFFFFF8u);
    video_screen_changed(1);
    int presented = headless_frame_count();
    poke(primary, 9);
    headless_set_clock(0x08);
    platform_rest_until(0x20);
    EXPECT_EQ(headless_frame_count(), presented + 1);
}

TEST_F(PresentTest, AFlipPresentsAtOnceInFullScreen) {
    open_display(true);
    EXPECT_EQ(headless_fullscreen(), 1);
    poke(back, 200);
    int presented = headless_frame_count();
    ASSERT_EQ(primary->Flip(nullptr, DDFLIP_WAIT), DD_OK);
    ASSERT_EQ(headless_frame_count(), presented + 1);
    const HeadlessFrame* frame = headless_last_frame();
    EXPECT_EQ(frame->width, 640);
    EXPECT_EQ(frame->height, 480);
    EXPECT_EQ(frame->bpp, 8);
    EXPECT_EQ(frame->pixels[0], 200);
}

TEST(HeadlessFrames, TheRingKeepsTheLastFramesAndCountsAll) {
    platform_reset();
    headless_keep_frames(3);
    std::uint8_t pixels[4 * 2] = {};
    HostColor palette[256] = {};
    VideoPicture picture = {pixels, 4, 4, 2, 8, palette};
    picture.changed = {0, 0, 1, 1};
    static int seen;
    seen = 0;
    headless_on_present([](const HeadlessFrame&) { seen++; });
    for (int i = 0; i < 5; i++) {
        pixels[0] = static_cast<std::uint8_t>(i);
        headless_host()->present(&picture);
    }
    EXPECT_EQ(headless_frame_count(), 5);
    EXPECT_EQ(seen, 5);
    EXPECT_EQ(headless_frame(0), nullptr);
    EXPECT_EQ(headless_frame(1), nullptr);
    for (int i = 2; i < 5; i++) {
        ASSERT_NE(headless_frame(i), nullptr);
        EXPECT_EQ(headless_frame(i)->pixels[0], i);
    }
    EXPECT_EQ(headless_frame(5), nullptr);
    EXPECT_EQ(headless_frame(-1), nullptr);
    EXPECT_EQ(headless_last_frame()->pixels[0], 4);

    headless_keep_frames(0);
    headless_host()->present(&picture);
    EXPECT_EQ(headless_frame_count(), 6);
    EXPECT_EQ(seen, 6) << "the callback sees frames that are not kept";
    EXPECT_EQ(headless_last_frame(), nullptr);
}

TEST(HeadlessFrames, BadPicturesAreNotFrames) {
    platform_reset();
    std::uint8_t pixels[16] = {};
    VideoPicture narrow_pitch = {pixels, 2, 4, 2, 8, nullptr};
    VideoPicture odd_depth = {pixels, 16, 4, 1, 24, nullptr};
    VideoPicture no_pixels = {nullptr, 4, 4, 2, 8, nullptr};
    headless_host()->present(&narrow_pitch);
    headless_host()->present(&odd_depth);
    headless_host()->present(&no_pixels);
    headless_host()->present(nullptr);
    EXPECT_EQ(headless_frame_count(), 0);
}

TEST(HeadlessFrames, AFrameWritesAsA24BitBitmap) {
    platform_reset();
    std::uint8_t pixels[3 * 2] = {1, 0, 0, 0, 0, 2};
    HostColor palette[256] = {};
    palette[1] = {255, 0, 0, 0};
    palette[2] = {0, 0, 255, 0};
    VideoPicture picture = {pixels, 3, 3, 2, 8, palette};
    headless_host()->present(&picture);
    const char* path = "headless_frame_test.bmp";
    ASSERT_EQ(headless_write_bmp(*headless_last_frame(), path), 1);
    std::FILE* file = std::fopen(path, "rb");
    ASSERT_NE(file, nullptr);
    std::uint8_t data[256];
    size_t got = std::fread(data, 1, sizeof data, file);
    std::fclose(file);
    std::remove(path);
    ASSERT_EQ(got, 54u + 2 * 12);
    EXPECT_EQ(data[0], 'B');
    EXPECT_EQ(data[28], 24);
    // Bottom row first: pixel (2, 1) is blue, then at the top row pixel (0, 0) is red.
    EXPECT_EQ(data[54 + 6], 255);
    EXPECT_EQ(data[54 + 12 + 2], 255);
    EXPECT_EQ(headless_write_bmp(*headless_last_frame(), "/nonexistent-dir/x.bmp"), 0);
}
