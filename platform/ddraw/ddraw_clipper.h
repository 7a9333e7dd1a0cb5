// DirectDraw clippers: a list of rectangles, or the rectangle of a window.
#pragma once

#include "platform/ddraw.h"

#include <vector>

struct DdClipper final : IDirectDrawClipper {
    DWORD refs = 1;
    int has_list = 0;
    std::vector<RECT> rects;
    HWND window = nullptr;

    HRESULT QueryInterface(REFIID iid, LPVOID* object) override;
    DWORD AddRef() override;
    DWORD Release() override;
    HRESULT GetClipList(LPRECT rect, LPRGNDATA region, LPDWORD size) override;
    HRESULT GetHWnd(HWND* window) override;
    HRESULT SetClipList(LPRGNDATA region, DWORD flags) override;
    HRESULT SetHWnd(DWORD flags, HWND window) override;
};

// The rectangles a clipper the emulation made cuts blits to (a window clipper: the window's
// rectangle); 0 when it has no clip list at all.
int ddraw_clip_rects(const IDirectDrawClipper* clipper, std::vector<RECT>* rects);
