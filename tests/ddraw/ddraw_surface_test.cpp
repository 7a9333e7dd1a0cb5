// Surfaces: padded pitches, locks of rectangles, the flip chain and its refusals.
#include "ddraw_fixture.h"

#include "platform/ddraw/ddraw_emulation.h"
#include "platform/host/headless/headless.h"

TEST_F(DdrawTest, PitchIsPaddedPastTheRow) {
    for (int width : {1, 8, 13, 640}) {
        IDirectDrawSurface7* surface = offscreen(width, 2);
        DDSURFACEDESC2 desc = {};
        desc.dwSize = 124;
        ASSERT_EQ(DD_OK, surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr));
        EXPECT_GT(desc.lPitch, width) << width;
        EXPECT_EQ(0, desc.lPitch % 8);
        EXPECT_EQ(static_cast<DWORD>(width), desc.dwWidth);
        EXPECT_EQ(2u, desc.dwHeight);
        EXPECT_NE(nullptr, desc.lpSurface);
        EXPECT_TRUE(desc.dwFlags & DDSD_LPSURFACE);
        EXPECT_TRUE(desc.dwFlags & DDSD_PITCH);
        surface->Unlock(nullptr);
        surface->Release();
    }
    IDirectDrawSurface7* wide = offscreen(13, 1, 16);
    DDSURFACEDESC2 desc = {};
    ASSERT_EQ(DD_OK, wide->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr));
    EXPECT_GT(desc.lPitch, 26);
    wide->Unlock(nullptr);
    wide->Release();
}

TEST_F(DdrawTest, LockOfARectangleAndInjectedFailures) {
    IDirectDrawSurface7* surface = offscreen(10, 10);
    DDSURFACEDESC2 whole = {}, part = {};
    ASSERT_EQ(DD_OK, surface->Lock(nullptr, &whole, DDLOCK_WAIT, nullptr));
    surface->Unlock(nullptr);
    RECT rect = {3, 2, 6, 4};
    ASSERT_EQ(DD_OK, surface->Lock(&rect, &part, DDLOCK_WAIT, nullptr));
    EXPECT_EQ(static_cast<std::uint8_t*>(whole.lpSurface) + 2 * whole.lPitch + 3, part.lpSurface);
    surface->Unlock(nullptr);
    RECT outside = {8, 8, 11, 9};
    EXPECT_EQ(DDERR_INVALIDRECT, surface->Lock(&outside, &part, DDLOCK_WAIT, nullptr));
    EXPECT_EQ(DDERR_INVALIDPARAMS, surface->Lock(nullptr, nullptr, DDLOCK_WAIT, nullptr));
    ddraw_fail_calls(DDFAIL_LOCK, 2);
    DDSURFACEDESC2 failed = {};
    EXPECT_TRUE(FAILED(surface->Lock(nullptr, &failed, DDLOCK_WAIT, nullptr)));
    EXPECT_EQ(nullptr, failed.lpSurface);
    EXPECT_TRUE(FAILED(surface->Lock(nullptr, &failed, DDLOCK_WAIT, nullptr)));
    EXPECT_EQ(DDERR_NOTLOCKED, surface->Unlock(nullptr));
    EXPECT_EQ(DD_OK, surface->Lock(nullptr, &failed, DDLOCK_WAIT, nullptr));
    surface->Unlock(nullptr);
    surface->Release();
}

TEST_F(DdrawTest, FlipExchangesTheMemoryOfPrimaryAndBackBuffer) {
    take_display(640, 480, 8);
    IDirectDrawSurface7 *primary = nullptr, *back = nullptr;
    flip_chain(&primary, &back);
    ASSERT_EQ(DD_OK, fill(primary, 1));
    ASSERT_EQ(DD_OK, fill(back, 2));
    DDSURFACEDESC2 before = {}, after = {};
    ASSERT_EQ(DD_OK, back->Lock(nullptr, &before, DDLOCK_WAIT, nullptr));
    back->Unlock(nullptr);
    int frames = headless_frame_count();
    ASSERT_EQ(DD_OK, primary->Flip(nullptr, DDFLIP_WAIT));
    // A flip is shown at once.
    EXPECT_EQ(frames + 1, headless_frame_count());
    const HeadlessFrame* shown = headless_last_frame();
    ASSERT_NE(nullptr, shown);
    EXPECT_EQ(2, shown->pixels[0]);
    EXPECT_EQ(std::vector<std::uint8_t>(640 * 480, 2), read_surface_pixels(primary));
    EXPECT_EQ(std::vector<std::uint8_t>(640 * 480, 1), read_surface_pixels(back));
    ASSERT_EQ(DD_OK, primary->Lock(nullptr, &after, DDLOCK_WAIT, nullptr));
    EXPECT_EQ(before.lpSurface, after.lpSurface); // the memory itself moved, not a copy
    EXPECT_EQ(DDERR_SURFACEBUSY, primary->Flip(nullptr, DDFLIP_WAIT));
    primary->Unlock(nullptr);
    ASSERT_EQ(DD_OK, back->Lock(nullptr, &after, DDLOCK_WAIT, nullptr));
    EXPECT_EQ(DDERR_SURFACEBUSY, primary->Flip(nullptr, DDFLIP_WAIT));
    back->Unlock(nullptr);
    EXPECT_EQ(DDERR_NOTFLIPPABLE, back->Flip(nullptr, DDFLIP_WAIT));
    IDirectDrawSurface7* plain = offscreen(4, 4);
    EXPECT_EQ(DDERR_NOTFLIPPABLE, plain->Flip(nullptr, DDFLIP_WAIT));
    ddraw_fail_calls(DDFAIL_FLIP, 1);
    EXPECT_TRUE(FAILED(primary->Flip(nullptr, DDFLIP_WAIT)));
    EXPECT_EQ(DD_OK, primary->Flip(nullptr, DDFLIP_WAIT));
    plain->Release();
    back->Release();
    primary->Release();
}

TEST_F(DdrawTest, AttachedSurfacesAndCaps) {
    take_display(64, 48, 8);
    IDirectDrawSurface7 *primary = nullptr, *back = nullptr;
    flip_chain(&primary, &back);
    DDSCAPS2 caps = {};
    ASSERT_EQ(DD_OK, primary->GetCaps(&caps));
    EXPECT_TRUE(caps.dwCaps & DDSCAPS_PRIMARYSURFACE);
    ASSERT_EQ(DD_OK, back->GetCaps(&caps));
    EXPECT_TRUE(caps.dwCaps & DDSCAPS_BACKBUFFER);
    DDSCAPS2 wanted = {DDSCAPS_OFFSCREENPLAIN, 0, 0, 0};
    IDirectDrawSurface7* none = nullptr;
    EXPECT_EQ(DDERR_NOTFOUND, primary->GetAttachedSurface(&wanted, &none));
    IDirectDrawSurface7* plain = offscreen(4, 4);
    ASSERT_EQ(DD_OK, plain->GetCaps(&caps));
    EXPECT_EQ(static_cast<DWORD>(DDSCAPS_OFFSCREENPLAIN), caps.dwCaps);
    plain->Release();
    back->Release();
    primary->Release();
}
