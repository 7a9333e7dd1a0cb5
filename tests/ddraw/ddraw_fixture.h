// Shared set-up of the DirectDraw emulation tests: a fresh headless platform, a DirectDraw
// object, and helpers to make surfaces and read or write their pixels.
#pragma once

#include "platform/ddraw.h"
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/platform_reset.h"

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

// The surface's pixels as packed rows of bytes, read through a lock.
inline std::vector<std::uint8_t> pixels_of(IDirectDrawSurface7* surface) {
    DDSURFACEDESC2 desc = {};
    desc.dwSize = 124;
    if (FAILED(surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr))) return {};
    int bytes = desc.ddpfPixelFormat.dwRGBBitCount == 8 ? 1 : 2;
    size_t row = static_cast<size_t>(desc.dwWidth) * bytes;
    std::vector<std::uint8_t> out(row * desc.dwHeight);
    const auto* base = static_cast<const std::uint8_t*>(desc.lpSurface);
    for (DWORD y = 0; y < desc.dwHeight; ++y)
        std::copy(base + y * desc.lPitch, base + y * desc.lPitch + row, out.begin() + y * row);
    surface->Unlock(nullptr);
    return out;
}

// Writes packed rows of 8-bit pixels into the surface through a lock.
inline void set_pixels8(IDirectDrawSurface7* surface, const std::vector<std::uint8_t>& rows) {
    DDSURFACEDESC2 desc = {};
    desc.dwSize = 124;
    ASSERT_EQ(DD_OK, surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr));
    auto* base = static_cast<std::uint8_t*>(desc.lpSurface);
    for (DWORD y = 0; y < desc.dwHeight; ++y)
        std::copy(rows.begin() + y * desc.dwWidth, rows.begin() + (y + 1) * desc.dwWidth,
                  base + y * desc.lPitch);
    surface->Unlock(nullptr);
}
