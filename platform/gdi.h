// The subset of the Windows graphics device interface that the engine calls: text drawn on
// the device context that a DirectDraw surface lends (IDirectDrawSurface7::GetDC).
#pragma once

#include "platform/win32.h"

// On Windows the system's header, which win32.h brings in, declares these.
#ifndef _WIN32

#define TRANSPARENT 1
#define OPAQUE 2
#define CLR_INVALID 0xFFFFFFFF

COLORREF SetTextColor(HDC dc, COLORREF color);
int SetBkMode(HDC dc, int mode);
BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int length);
#define TextOut TextOutA
#endif
