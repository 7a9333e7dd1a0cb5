// The subset of the Windows graphics device interface that the engine calls: text drawn on,
// and measured in, the device context that a DirectDraw surface lends (GetDC).
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
// The size the text would take in the context's font: its advance, and the font's height.
BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int length, LPSIZE size);
#define GetTextExtentPoint32 GetTextExtentPoint32A
#endif
