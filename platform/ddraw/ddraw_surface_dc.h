// Device contexts lent by surfaces (IDirectDrawSurface7::GetDC): what GDI text draws on and
// how it looks.
#pragma once

#include "platform/win32.h"

struct DdSurface;

struct SurfaceDc {
    DdSurface* surface;
    COLORREF text_color;
    COLORREF background_color;
    int background_mode;
};

// The context behind a handle that a surface lent; null when the handle is not one of them.
SurfaceDc* ddraw_find_dc(HDC dc);
