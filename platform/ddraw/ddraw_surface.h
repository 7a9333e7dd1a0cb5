// DirectDraw surfaces: pixel memory, locks, the flip chain, colour keys, the palette and
// clipper attached, blits, and the device context a surface lends to GDI.
#pragma once

#include "platform/ddraw.h"

#include <cstdint>

struct SurfaceDc;

struct DdSurface final : IDirectDrawSurface7 {
    DWORD refs = 1;
    DWORD caps = 0;
    int width = 0;
    int height = 0;
    int bpp = 8; // 8, 15 or 16
    LONG pitch = 0;
    std::uint8_t* pixels = nullptr;
    int locked = 0;
    SurfaceDc* dc = nullptr;
    int has_key = 0;
    DDCOLORKEY key = {};
    IDirectDrawPalette* palette = nullptr;
    IDirectDrawClipper* clipper = nullptr;
    DdSurface* back = nullptr;  // a flipping primary's back buffer
    DdSurface* front = nullptr; // a back buffer's primary, while the chain holds it
    int lost = 0;               // the display was taken away; the pixels are gone
    // Where these pixels may differ from what the screen last showed: on the primary, what
    // was written since it was presented; on its back buffer, what was written since it was
    // shown last and what the screen showed meanwhile. It follows the pixels through a flip.
    RECT changed = {};
    RECT lock_rect = {};        // the part a held lock lets the program write
    DdSurface* older = nullptr; // live surfaces, newest first (ddraw_newest_surface)
    DdSurface* newer = nullptr;

    HRESULT QueryInterface(REFIID iid, LPVOID* object) override;
    DWORD AddRef() override;
    DWORD Release() override;
    HRESULT Blt(LPRECT dest_rect, LPDIRECTDRAWSURFACE7 source, LPRECT source_rect, DWORD flags,
                LPDDBLTFX fx) override;
    HRESULT Flip(LPDIRECTDRAWSURFACE7 target, DWORD flags) override;
    HRESULT GetAttachedSurface(LPDDSCAPS2 caps, LPDIRECTDRAWSURFACE7* surface) override;
    HRESULT GetCaps(LPDDSCAPS2 caps) override;
    HRESULT GetClipper(LPDIRECTDRAWCLIPPER* clipper) override;
    HRESULT GetColorKey(DWORD flags, LPDDCOLORKEY key) override;
    HRESULT GetDC(HDC* dc) override;
    HRESULT GetPalette(LPDIRECTDRAWPALETTE* palette) override;
    HRESULT GetPixelFormat(LPDDPIXELFORMAT format) override;
    HRESULT GetSurfaceDesc(LPDDSURFACEDESC2 desc) override;
    HRESULT IsLost() override;
    HRESULT Lock(LPRECT rect, LPDDSURFACEDESC2 desc, DWORD flags, HANDLE event) override;
    HRESULT ReleaseDC(HDC dc) override;
    HRESULT Restore() override;
    HRESULT SetClipper(LPDIRECTDRAWCLIPPER clipper) override;
    HRESULT SetColorKey(DWORD flags, LPDDCOLORKEY key) override;
    HRESULT SetPalette(LPDIRECTDRAWPALETTE palette) override;
    HRESULT Unlock(LPRECT rect) override;

    // Takes back the device context the surface lent, if any (ddraw_surface_dc.cpp).
    void forget_dc();
};

// Notes that `rect` of `surface` (null: all of it) was written. On the primary the change
// shows at the next refresh; on the primary's back buffer it is kept for the next flip;
// other surfaces are nobody's screen. A rectangle without area changed nothing.
void ddraw_primary_changed(DdSurface* surface, const RECT* rect = nullptr);

// Creates a surface record with its pixel memory; null when memory runs out.
DdSurface* ddraw_new_surface(int width, int height, int bpp, DWORD caps);
// Every live surface, so that all of them can be lost and restored together: the newest,
// and from each the next `older` one; null at the end.
DdSurface* ddraw_newest_surface();
