// Palettes and what the screen shows: the primary's palette is the display's, so changes to it
// and writes into the locked primary show within a refresh without any flip; a flip redraws
// only the part of the screen that changes.
#include "ddraw_fixture.h"

#include "platform/ddraw/ddraw_emulation.h"
#include "platform/ddraw/ddraw_screen.h"
#include "platform/ddraw/ddraw_surface.h"
#include "platform/host/headless/headless.h"
#include "platform/host/host.h"

#include <cstring>

namespace {

// Rests a millisecond at a time the way the game's frame wait rests at the end of a pass,
// until a new frame was presented, for at most `ms` virtual milliseconds; 1 when one was.
int wait_for_frame(int ms) {
    int before = headless_frame_count();
    for (int i = 0; i < ms && headless_frame_count() == before; ++i)
        platform_rest_until(GetTickCount() + 1);
    return headless_frame_count() > before;
}

} // namespace

struct ScreenTest : DdrawTest {
    IDirectDrawSurface7* primary = nullptr;
    IDirectDrawSurface7* back = nullptr;
    IDirectDrawPalette* palette = nullptr;
    PALETTEENTRY entries[256] = {};

    void SetUp() override {
        DdrawTest::SetUp();
        take_display(640, 480, 8);
        flip_chain(&primary, &back);
        for (int i = 0; i < 256; ++i)
            entries[i] = {static_cast<BYTE>(i), 0, 0, 0};
        ASSERT_EQ(DD_OK,
                  dd->CreatePalette(DDPCAPS_8BIT | DDPCAPS_ALLOW256, entries, &palette, nullptr));
        ASSERT_EQ(DD_OK, primary->SetPalette(palette));
        ASSERT_EQ(DD_OK, fill(back, 7));
        ASSERT_EQ(DD_OK, primary->Flip(nullptr, DDFLIP_WAIT));
    }

    void TearDown() override {
        palette->Release();
        back->Release();
        primary->Release();
        DdrawTest::TearDown();
    }
};

TEST_F(ScreenTest, PaletteChangeShowsWithinARefreshWithoutAFlip) {
    const HeadlessFrame* flipped = headless_last_frame();
    ASSERT_NE(nullptr, flipped);
    EXPECT_EQ(7, flipped->palette[7].red);
    PALETTEENTRY green = {0, 200, 0, 0};
    ASSERT_EQ(DD_OK, palette->SetEntries(0, 7, 1, &green));
    ASSERT_TRUE(wait_for_frame(20));
    const HeadlessFrame* shown = headless_last_frame();
    EXPECT_EQ(200, shown->palette[7].green);
    EXPECT_EQ(0, shown->palette[7].red);
    EXPECT_EQ(7, shown->pixels[0]);
    EXPECT_LE(shown->time - flipped->time, 17u);
    // A palette that is not the screen's changes nothing on it.
    IDirectDrawPalette* other = nullptr;
    ASSERT_EQ(DD_OK, dd->CreatePalette(DDPCAPS_8BIT, entries, &other, nullptr));
    ASSERT_EQ(DD_OK, other->SetEntries(0, 0, 1, &green));
    EXPECT_FALSE(wait_for_frame(40));
    other->Release();
}

TEST_F(ScreenTest, WritesIntoTheLockedPrimaryShowBeforeTheUnlock) {
    DDSURFACEDESC2 desc = {};
    ASSERT_EQ(DD_OK, primary->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr));
    static_cast<std::uint8_t*>(desc.lpSurface)[5] = 42;
    ASSERT_TRUE(wait_for_frame(20));
    EXPECT_EQ(42, headless_last_frame()->pixels[5]);
    primary->Unlock(nullptr);
}

TEST_F(ScreenTest, BlitIntoThePrimaryShowsWithoutAFlip) {
    RECT corner = {0, 0, 2, 2};
    ASSERT_EQ(DD_OK, fill(primary, 9, &corner));
    ASSERT_TRUE(wait_for_frame(20));
    EXPECT_EQ(9, headless_last_frame()->pixels[640 + 1]);
    EXPECT_EQ(7, headless_last_frame()->pixels[2]);
}

// The last frame redrew `part`, and it is the primary's picture.
void expect_frame(IDirectDrawSurface7* primary, HostRect part, const char* when) {
    const auto* surface = static_cast<const DdSurface*>(primary);
    const HeadlessFrame* frame = headless_last_frame();
    const HostRect& c = frame->changed;
    EXPECT_TRUE(c.x == part.x && c.y == part.y && c.width == part.width && c.height == part.height)
        << when << ": " << c.x << "," << c.y << " " << c.width << "x" << c.height;
    for (int y = 0; y < surface->height; ++y)
        ASSERT_EQ(0, std::memcmp(&frame->pixels[static_cast<std::size_t>(y) * surface->width],
                                 surface->pixels + static_cast<std::ptrdiff_t>(y) * surface->pitch,
                                 static_cast<std::size_t>(surface->width)))
            << when << ", row " << y;
}

TEST_F(ScreenTest, AFlipRedrawsWhatChangedSinceEachBufferWasShown) {
    ASSERT_EQ(DD_OK, fill(back, 7));
    ASSERT_EQ(DD_OK, primary->Flip(nullptr, DDFLIP_WAIT)); // both buffers all 7 now
    RECT corner = {600, 440, 640, 480};
    ASSERT_EQ(DD_OK, fill(back, 9, &corner));
    ASSERT_EQ(DD_OK, primary->Flip(nullptr, DDFLIP_WAIT));
    expect_frame(primary, {600, 440, 40, 40}, "a blit into one corner");
    // The buffer now at the back never had the corner: a blit elsewhere into it brings back
    // the corner's old pixels as well.
    RECT top_left = {0, 0, 8, 8};
    ASSERT_EQ(DD_OK, fill(back, 5, &top_left));
    ASSERT_EQ(DD_OK, primary->Flip(nullptr, DDFLIP_WAIT));
    expect_frame(primary, {0, 0, 640, 480}, "two corners");
    // The same picture drawn whole into both buffers: once shown, a flip changes nothing.
    for (HostRect part : {HostRect{0, 0, 640, 480}, HostRect{}}) {
        ASSERT_EQ(DD_OK, fill(back, 7));
        ASSERT_EQ(DD_OK, fill(back, 9, &corner));
        ASSERT_EQ(DD_OK, primary->Flip(nullptr, DDFLIP_WAIT));
        expect_frame(primary, part, "the corner drawn again");
    }
    // A new palette changes every pixel.
    PALETTEENTRY green = {0, 200, 0, 0};
    ASSERT_EQ(DD_OK, palette->SetEntries(0, 9, 1, &green));
    ASSERT_TRUE(wait_for_frame(20));
    expect_frame(primary, {0, 0, 640, 480}, "a palette change");
}

TEST_F(DdrawTest, PaletteEntriesAndTheirRanges) {
    PALETTEENTRY entries[256];
    for (int i = 0; i < 256; ++i)
        entries[i] = {static_cast<BYTE>(i), static_cast<BYTE>(255 - i), 3, PC_EXPLICIT};
    IDirectDrawPalette* palette = nullptr;
    EXPECT_EQ(DDERR_INVALIDPARAMS, dd->CreatePalette(DDPCAPS_8BIT, nullptr, &palette, nullptr));
    EXPECT_EQ(DDERR_INVALIDPARAMS, dd->CreatePalette(0, entries, &palette, nullptr));
    ASSERT_EQ(DD_OK, dd->CreatePalette(DDPCAPS_8BIT, entries, &palette, nullptr));
    PALETTEENTRY read[256] = {};
    ASSERT_EQ(DD_OK, palette->GetEntries(0, 0, 256, read));
    EXPECT_EQ(0, std::memcmp(entries, read, sizeof read));
    PALETTEENTRY two[2] = {{1, 2, 3, 0}, {4, 5, 6, 0}};
    EXPECT_EQ(DD_OK, palette->SetEntries(0, 254, 2, two));
    EXPECT_EQ(DDERR_INVALIDPARAMS, palette->SetEntries(0, 255, 2, two));
    EXPECT_EQ(DDERR_INVALIDPARAMS, palette->SetEntries(0, 0xFFFFFFFFu, 2, two));
    EXPECT_EQ(DDERR_INVALIDPARAMS, palette->GetEntries(0, 200, 57, read));
    EXPECT_EQ(DDERR_INVALIDPARAMS, palette->SetEntries(0, 0, 1, nullptr));
    ASSERT_EQ(DD_OK, palette->GetEntries(0, 254, 2, read));
    EXPECT_EQ(4, read[1].peRed);
    EXPECT_EQ(1, read[0].peRed);
    palette->Release();
}

TEST_F(DdrawTest, SetPaletteHoldsAReferenceAndReleasesTheOneItReplaces) {
    PALETTEENTRY entries[256] = {};
    IDirectDrawPalette *first = nullptr, *second = nullptr;
    ASSERT_EQ(DD_OK, dd->CreatePalette(DDPCAPS_8BIT, entries, &first, nullptr));
    ASSERT_EQ(DD_OK, dd->CreatePalette(DDPCAPS_8BIT, entries, &second, nullptr));
    IDirectDrawSurface7* surface = offscreen(4, 4);
    ASSERT_EQ(DD_OK, surface->SetPalette(first));
    EXPECT_EQ(3u, first->AddRef()); // ours, the surface's, this one
    first->Release();
    ASSERT_EQ(DD_OK, surface->SetPalette(second));
    EXPECT_EQ(0u, first->Release()); // the surface gave its reference back
    EXPECT_EQ(3, ddraw_live_objects());
    EXPECT_EQ(1u, second->Release());
    EXPECT_EQ(3, ddraw_live_objects()); // the surface still holds the second
    IDirectDrawPalette* attached = nullptr;
    ASSERT_EQ(DD_OK, surface->GetPalette(&attached));
    EXPECT_EQ(second, attached);
    attached->Release();
    surface->Release();
    EXPECT_EQ(1, ddraw_live_objects());
    IDirectDrawSurface7* wide = offscreen(4, 4, 16);
    ASSERT_EQ(DD_OK, dd->CreatePalette(DDPCAPS_8BIT, entries, &first, nullptr));
    EXPECT_EQ(DDERR_INVALIDPIXELFORMAT, wide->SetPalette(first));
    ddraw_fail_calls(DDFAIL_SET_PALETTE, 1);
    IDirectDrawSurface7* small = offscreen(2, 2);
    EXPECT_TRUE(FAILED(small->SetPalette(first)));
    EXPECT_EQ(0u, first->Release()); // the failed call took no reference
    small->Release();
    wide->Release();
}

TEST_F(DdrawTest, ScreenPictureAtFifteenBitsHasNoPalette) {
    take_display(320, 240, 15);
    IDirectDrawSurface7 *primary = nullptr, *back = nullptr;
    flip_chain(&primary, &back);
    VideoPicture picture = {};
    ASSERT_EQ(1, ddraw_screen_picture(&picture));
    EXPECT_EQ(15, picture.bpp);
    EXPECT_EQ(nullptr, picture.palette);
    EXPECT_EQ(320, picture.width);
    EXPECT_GE(picture.pitch, 640);
    back->Release();
    primary->Release();
}
