// The DirectDraw object: creation, cooperative levels, display modes, primary surfaces and
// the reference counts that tear-down relies on.
#include "ddraw_fixture.h"

#include "platform/ddraw/ddraw_emulation.h"
#include "platform/ddraw/ddraw_screen.h"
#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"
#include "platform/host/host.h"

TEST(DirectDrawCreate, RefusesOtherInterfacesAndAggregation) {
    platform_reset();
    GUID other = IID_IDirectDraw7;
    other.Data1 ^= 1;
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(DDERR_INVALIDPARAMS, DirectDrawCreateEx(nullptr, &object, other, nullptr));
    EXPECT_EQ(nullptr, object);
    IDirectDraw7* outer = nullptr;
    ASSERT_EQ(DD_OK, DirectDrawCreateEx(nullptr, reinterpret_cast<void**>(&outer), IID_IDirectDraw7,
                                        nullptr));
    EXPECT_EQ(DDERR_INVALIDPARAMS, DirectDrawCreateEx(nullptr, &object, IID_IDirectDraw7, outer));
    EXPECT_EQ(DDERR_INVALIDPARAMS, DirectDrawCreateEx(nullptr, nullptr, IID_IDirectDraw7, nullptr));
    void* same = nullptr;
    EXPECT_TRUE(FAILED(outer->QueryInterface(other, &same)));
    EXPECT_EQ(nullptr, same);
    EXPECT_EQ(DD_OK, outer->QueryInterface(IID_IDirectDraw7, &same));
    EXPECT_EQ(outer, same);
    EXPECT_EQ(1u, outer->Release());
    EXPECT_EQ(0u, outer->Release());
    EXPECT_EQ(0, ddraw_live_objects());
}

TEST_F(DdrawTest, CooperativeLevelCombinations) {
    EXPECT_EQ(DD_OK, dd->SetCooperativeLevel(nullptr, DDSCL_FULLSCREEN | DDSCL_ALLOWREBOOT |
                                                          DDSCL_EXCLUSIVE | DDSCL_ALLOWMODEX |
                                                          DDSCL_MULTITHREADED));
    EXPECT_EQ(DDERR_INVALIDPARAMS, dd->SetCooperativeLevel(nullptr, DDSCL_FULLSCREEN));
    EXPECT_EQ(DDERR_INVALIDPARAMS, dd->SetCooperativeLevel(nullptr, DDSCL_EXCLUSIVE));
    EXPECT_EQ(DDERR_INVALIDPARAMS,
              dd->SetCooperativeLevel(nullptr, DDSCL_NORMAL | DDSCL_EXCLUSIVE));
    EXPECT_EQ(DDERR_INVALIDPARAMS, dd->SetCooperativeLevel(nullptr, 0));
    ddraw_fail_calls(DDFAIL_SET_COOPERATIVE_LEVEL, 1);
    EXPECT_TRUE(FAILED(dd->SetCooperativeLevel(nullptr, DDSCL_NORMAL)));
    EXPECT_EQ(DD_OK, dd->SetCooperativeLevel(nullptr, DDSCL_NORMAL));
}

TEST_F(DdrawTest, DisplayModeDepthsAndExclusiveness) {
    EXPECT_EQ(DDERR_NOEXCLUSIVEMODE, dd->SetDisplayMode(640, 480, 8, 0, 0));
    ASSERT_EQ(DD_OK, dd->SetCooperativeLevel(nullptr, DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE));
    EXPECT_EQ(DDERR_INVALIDMODE, dd->SetDisplayMode(640, 480, 24, 0, 0));
    EXPECT_EQ(DDERR_INVALIDMODE, dd->SetDisplayMode(640, 480, 32, 0, 0));
    EXPECT_EQ(DDERR_INVALIDMODE, dd->SetDisplayMode(0, 480, 8, 0, 0));
    EXPECT_EQ(DDERR_INVALIDMODE, dd->SetDisplayMode(640, 0xFFFFFFFFu, 8, 0, 0));
    for (DWORD bpp : {8u, 15u, 16u})
        EXPECT_EQ(DD_OK, dd->SetDisplayMode(320, 200, bpp, 0, 0));
    EXPECT_EQ(1, headless_fullscreen());
    // The mode now in force decides the primary's size and layout.
    IDirectDrawSurface7 *primary = nullptr, *back = nullptr;
    flip_chain(&primary, &back);
    DDPIXELFORMAT format = {};
    ASSERT_EQ(DD_OK, primary->GetPixelFormat(&format));
    EXPECT_EQ(32u, format.dwSize);
    EXPECT_EQ(16u, format.dwRGBBitCount);
    EXPECT_EQ(DDPF_RGB, format.dwFlags);
    EXPECT_EQ(0xF800u, format.dwRBitMask);
    EXPECT_EQ(0x07E0u, format.dwGBitMask);
    EXPECT_EQ(0x001Fu, format.dwBBitMask);
    DDSURFACEDESC2 desc = {};
    ASSERT_EQ(DD_OK, back->GetSurfaceDesc(&desc));
    EXPECT_EQ(320u, desc.dwWidth);
    EXPECT_EQ(200u, desc.dwHeight);
    back->Release();
    primary->Release();
}

TEST_F(DdrawTest, PixelFormatsOfTheThreeDepths) {
    take_display(640, 480, 15);
    IDirectDrawSurface7* surface = offscreen(8, 8);
    DDPIXELFORMAT format = {};
    ASSERT_EQ(DD_OK, surface->GetPixelFormat(&format));
    EXPECT_EQ(15u, format.dwRGBBitCount);
    EXPECT_EQ(0x7C00u, format.dwRBitMask);
    EXPECT_EQ(0x03E0u, format.dwGBitMask);
    EXPECT_EQ(0x001Fu, format.dwBBitMask);
    surface->Release();
    surface = offscreen(8, 8, 8);
    ASSERT_EQ(DD_OK, surface->GetPixelFormat(&format));
    EXPECT_EQ(8u, format.dwRGBBitCount);
    EXPECT_EQ(static_cast<DWORD>(DDPF_PALETTEINDEXED8 | DDPF_RGB), format.dwFlags);
    surface->Release();
}

TEST_F(DdrawTest, WindowedPrimaryIsTheDesktopAndTellsTheBackend) {
    DDSURFACEDESC2 desc = {};
    desc.dwSize = 124;
    desc.dwFlags = DDSD_CAPS;
    desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
    IDirectDrawSurface7* primary = nullptr;
    ASSERT_EQ(DD_OK, dd->CreateSurface(&desc, &primary, nullptr));
    EXPECT_EQ(0, headless_fullscreen());
    VideoPicture picture = {};
    ASSERT_EQ(1, ddraw_screen_picture(&picture));
    EXPECT_EQ(640, picture.width);
    EXPECT_EQ(480, picture.height);
    EXPECT_EQ(8, picture.bpp);
    EXPECT_NE(nullptr, picture.palette);
    // One primary at a time; a flip chain needs the exclusive display.
    IDirectDrawSurface7* second = nullptr;
    EXPECT_EQ(DDERR_PRIMARYSURFACEALREADYEXISTS, dd->CreateSurface(&desc, &second, nullptr));
    EXPECT_EQ(nullptr, second);
    primary->Release();
    EXPECT_EQ(0, ddraw_screen_picture(&picture));
    desc.dwFlags |= DDSD_BACKBUFFERCOUNT;
    desc.dwBackBufferCount = 1;
    desc.ddsCaps.dwCaps |= DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    EXPECT_EQ(DDERR_NOEXCLUSIVEMODE, dd->CreateSurface(&desc, &second, nullptr));
}

TEST_F(DdrawTest, OffscreenSizesAreChecked) {
    DDSURFACEDESC2 desc = {};
    desc.dwSize = 124;
    desc.dwFlags = DDSD_CAPS | DDSD_WIDTH;
    desc.dwWidth = 10;
    desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
    IDirectDrawSurface7* surface = reinterpret_cast<IDirectDrawSurface7*>(1);
    EXPECT_EQ(DDERR_INVALIDPARAMS, dd->CreateSurface(&desc, &surface, nullptr));
    EXPECT_EQ(nullptr, surface);
    desc.dwFlags |= DDSD_HEIGHT;
    for (DWORD bad : {0u, 16385u, static_cast<DWORD>(-5)}) {
        desc.dwHeight = bad;
        EXPECT_EQ(DDERR_INVALIDPARAMS, dd->CreateSurface(&desc, &surface, nullptr)) << bad;
    }
    desc.dwHeight = 16384;
    desc.dwWidth = 1;
    ASSERT_EQ(DD_OK, dd->CreateSurface(&desc, &surface, nullptr));
    surface->Release();
    desc.dwFlags |= DDSD_PIXELFORMAT;
    desc.ddpfPixelFormat.dwFlags = DDPF_RGB;
    desc.ddpfPixelFormat.dwRGBBitCount = 24;
    EXPECT_EQ(DDERR_INVALIDPIXELFORMAT, dd->CreateSurface(&desc, &surface, nullptr));
    ddraw_fail_calls(DDFAIL_CREATE_SURFACE, 1);
    EXPECT_TRUE(FAILED(dd->CreateSurface(&desc, &surface, nullptr)));
}

TEST_F(DdrawTest, NoSurfacesBeforeTheCooperativeLevel) {
    platform_reset();
    IDirectDraw7* fresh = nullptr;
    ASSERT_EQ(DD_OK, DirectDrawCreateEx(nullptr, reinterpret_cast<void**>(&fresh), IID_IDirectDraw7,
                                        nullptr));
    DDSURFACEDESC2 desc = {};
    desc.dwFlags = DDSD_CAPS;
    desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
    IDirectDrawSurface7* surface = nullptr;
    EXPECT_EQ(DDERR_NOCOOPERATIVELEVELSET, fresh->CreateSurface(&desc, &surface, nullptr));
    fresh->Release();
}

// The display layer's tear-down order: back buffer, then primary, then the rest.
TEST_F(DdrawTest, TearDownOfAFlipChainLeavesNothingAlive) {
    take_display(640, 480, 8);
    IDirectDrawSurface7 *primary = nullptr, *back = nullptr;
    flip_chain(&primary, &back);
    EXPECT_EQ(3, ddraw_live_objects()); // the DirectDraw object and the two surfaces
    PALETTEENTRY entries[256] = {};
    IDirectDrawPalette* palette = nullptr;
    ASSERT_EQ(DD_OK,
              dd->CreatePalette(DDPCAPS_8BIT | DDPCAPS_ALLOW256, entries, &palette, nullptr));
    ASSERT_EQ(DD_OK, primary->SetPalette(palette));
    IDirectDrawClipper* clipper = nullptr;
    ASSERT_EQ(DD_OK, dd->CreateClipper(0, &clipper, nullptr));
    ASSERT_EQ(DD_OK, back->SetClipper(clipper));
    EXPECT_EQ(5, ddraw_live_objects());
    // The surfaces hold their own references: the creators' releases free nothing yet.
    EXPECT_EQ(1u, clipper->Release());
    EXPECT_EQ(1u, palette->Release());
    EXPECT_EQ(5, ddraw_live_objects());
    // Each GetAttachedSurface adds a reference that its caller gives back.
    IDirectDrawSurface7* again = nullptr;
    DDSCAPS2 caps = {DDSCAPS_BACKBUFFER, 0, 0, 0};
    ASSERT_EQ(DD_OK, primary->GetAttachedSurface(&caps, &again));
    EXPECT_EQ(back, again);
    EXPECT_EQ(1u, again->Release());
    EXPECT_EQ(0u, back->Release());
    EXPECT_EQ(5, ddraw_live_objects()); // the chain still holds the back buffer
    EXPECT_EQ(0u, primary->Release());
    EXPECT_EQ(1, ddraw_live_objects());
}

TEST_F(DdrawTest, BackBufferHeldPastItsPrimaryLivesOnAlone) {
    take_display(64, 48, 8);
    IDirectDrawSurface7 *primary = nullptr, *back = nullptr;
    flip_chain(&primary, &back);
    primary->Release();
    EXPECT_EQ(2, ddraw_live_objects());
    EXPECT_EQ(DD_OK, fill(back, 3));
    EXPECT_EQ(DDERR_NOTFLIPPABLE, back->Flip(nullptr, DDFLIP_WAIT));
    back->Release();
    EXPECT_EQ(1, ddraw_live_objects());
}

TEST_F(DdrawTest, ResetForgetsModeAndFailures) {
    take_display(320, 240, 16);
    ddraw_fail_calls(DDFAIL_LOCK, -1);
    ddraw_reset();
    ASSERT_EQ(DD_OK, dd->SetCooperativeLevel(nullptr, DDSCL_NORMAL));
    IDirectDrawSurface7* surface = offscreen(4, 4);
    DDSURFACEDESC2 desc = {};
    EXPECT_EQ(DD_OK, surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr));
    EXPECT_EQ(8u, desc.ddpfPixelFormat.dwRGBBitCount);
    surface->Unlock(nullptr);
    surface->Release();
}
