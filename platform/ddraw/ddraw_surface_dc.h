// Device contexts lent by surfaces (IDirectDrawSurface7::GetDC): what GDI text draws on and
// how it looks.
#pragma once

#include "platform/win32.h"

struct DdSurface;

// GDI's background mode OPAQUE, the one a context starts with: text is drawn on a filled box.
// Named here so that the surfaces need nothing of GDI, which builds on them.
constexpr int SURFACE_DC_OPAQUE = 2;

struct SurfaceDc {
    DdSurface* surface;
    COLORREF text_color;
    COLORREF background_color;
    int background_mode;
};

// The context behind a handle that a surface lent; null when the handle is not one of them.
SurfaceDc* ddraw_find_dc(HDC dc);
