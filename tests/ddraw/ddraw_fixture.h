// Shared set-up of the DirectDraw emulation tests: a fresh headless platform, a DirectDraw
// object, and helpers to make and fill surfaces; their pixels are read and written through
// the shared support.
#pragma once

#include "platform/ddraw.h"
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/platform_reset.h"
#include "support/surface_pixels.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

struct DdrawTest : ::testing::Test {
    IDirectDraw7* dd = nullptr;

    void SetUp() override {
        platform_reset();
        ASSERT_EQ(DD_OK, DirectDrawCreateEx(nullptr, reinterpret_cast<void**>(&dd),
                                            IID_IDirectDraw7, nullptr));
        ASSERT_EQ(DD_OK, dd->SetCooperativeLevel(nullptr, DDSCL_NORMAL));
    }

    void TearDown() override {
        if (dd) dd->Release();
        dd = nullptr;
        EXPECT_EQ(0, ddraw_live_objects());
    }

    // Takes the display exclusively in a mode, as the full-screen game does.
    void take_display(int width, int height, int bpp) {
        ASSERT_EQ(DD_OK, dd->SetCooperativeLevel(nullptr, DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE));
        ASSERT_EQ(DD_OK, dd->SetDisplayMode(width, height, bpp, 0, 0));
    }

    IDirectDrawSurface7* offscreen(int width, int height, int bpp = 0) {
        DDSURFACEDESC2 desc = {};
        desc.dwSize = 124;
        desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
        desc.dwWidth = static_cast<DWORD>(width);
        desc.dwHeight = static_cast<DWORD>(height);
        desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
        if (bpp) {
            desc.dwFlags |= DDSD_PIXELFORMAT;
            desc.ddpfPixelFormat.dwSize = 32;
            desc.ddpfPixelFormat.dwFlags = bpp == 8 ? DDPF_RGB | DDPF_PALETTEINDEXED8 : DDPF_RGB;
            desc.ddpfPixelFormat.dwRGBBitCount = static_cast<DWORD>(bpp);
        }
        IDirectDrawSurface7* surface = nullptr;
        EXPECT_EQ(DD_OK, dd->CreateSurface(&desc, &surface, nullptr));
        return surface;
    }

    // Makes the flip chain of the full-screen display; the back buffer holds a reference.
    void flip_chain(IDirectDrawSurface7** primary, IDirectDrawSurface7** back) {
        DDSURFACEDESC2 desc = {};
        desc.dwSize = 124;
        desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
        desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
        desc.dwBackBufferCount = 1;
        ASSERT_EQ(DD_OK, dd->CreateSurface(&desc, primary, nullptr));
        DDSCAPS2 caps = {};
        caps.dwCaps = DDSCAPS_BACKBUFFER;
        ASSERT_EQ(DD_OK, (*primary)->GetAttachedSurface(&caps, back));
    }
};

// Colour fill of a rectangle (null: the whole surface).
inline HRESULT fill(IDirectDrawSurface7* surface, DWORD color, RECT* rect = nullptr) {
    DDBLTFX fx = {};
    fx.dwSize = 100;
    fx.dwFillColor = color;
    return surface->Blt(rect, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
}
