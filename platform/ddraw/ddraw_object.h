// The DirectDraw object: cooperative level, display mode, and the factories of surfaces,
// palettes and clippers.
#pragma once

#include "platform/ddraw.h"

struct DdObject final : IDirectDraw7 {
    DWORD refs = 1;

    HRESULT QueryInterface(REFIID iid, LPVOID* object) override;
    DWORD AddRef() override;
    DWORD Release() override;
    HRESULT CreateClipper(DWORD flags, LPDIRECTDRAWCLIPPER* clipper, IUnknown* outer) override;
    HRESULT CreatePalette(DWORD flags, LPPALETTEENTRY entries, LPDIRECTDRAWPALETTE* palette,
                          IUnknown* outer) override;
    HRESULT CreateSurface(LPDDSURFACEDESC2 desc, LPDIRECTDRAWSURFACE7* surface,
                          IUnknown* outer) override;
    HRESULT RestoreDisplayMode() override;
    HRESULT SetCooperativeLevel(HWND window, DWORD flags) override;
    HRESULT SetDisplayMode(DWORD width, DWORD height, DWORD bpp, DWORD refresh_rate,
                           DWORD flags) override;
    HRESULT WaitForVerticalBlank(DWORD flags, HANDLE event) override;
    HRESULT RestoreAllSurfaces() override;
};
