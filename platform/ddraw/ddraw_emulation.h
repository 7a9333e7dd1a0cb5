// The DirectDraw emulation's shared state and accounting: the display's cooperative level and
// mode, which surface is the screen, the count of live objects, failures injected by tests,
// and the pixel layouts every object shares.
#pragma once

#include "platform/ddraw.h"

// COM's answer to an interface we do not provide.
#define DD_E_NOINTERFACE static_cast<HRESULT>(0x80004002u)

// Sizes above this are refused: no display or sprite sheet comes near it.
constexpr int DD_MAX_SURFACE_SIDE = 16384;

// The desktop a windowed program draws on: as large as the program's window (640 x 480
// without one), at most DD_DESKTOP_MAX_SIDE a side, and 8 bits deep unless the program asks
// for another depth (ChangeDisplaySettingsA).
constexpr int DD_DESKTOP_WIDTH = 640;
constexpr int DD_DESKTOP_HEIGHT = 480;
constexpr int DD_DESKTOP_BPP = 8;
constexpr int DD_DESKTOP_MAX_SIDE = 8192;

struct DdSurface;

// What the emulated display is doing: the cooperative level and the mode set by the
// exclusive owner (0 x 0 x 0 while the desktop's own mode is in force).
struct DdDisplayState {
    DWORD cooperative_level;
    int mode_width;
    int mode_height;
    int mode_bpp;
    DdSurface* primary; // the one primary surface, or null
    int away;           // another program holds the display: lost surfaces stay lost
    int desktop_bpp;    // the desktop's depth as changed by the program; 0: DD_DESKTOP_BPP
};
extern DdDisplayState ddraw_display;

// Controls for tests: how many DirectDraw objects (the DirectDraw object, surfaces, palettes,
// clippers) are alive, and calls made to fail on purpose.
enum DdrawFailure {
    DDFAIL_CREATE_SURFACE,
    DDFAIL_CREATE_PALETTE,
    DDFAIL_CREATE_CLIPPER,
    DDFAIL_SET_COOPERATIVE_LEVEL,
    DDFAIL_SET_DISPLAY_MODE,
    DDFAIL_SET_CLIP_LIST,
    DDFAIL_SET_CLIPPER,
    DDFAIL_SET_PALETTE,
    DDFAIL_LOCK,
    DDFAIL_FLIP,
    DDFAIL_BLT,
    DDFAIL_GET_DC,
    DDFAIL_DIRECTDRAW_CREATE,
    DDFAIL_KIND_COUNT
};
int ddraw_live_objects();
// The next `count` calls of that kind fail (count -1: every call until reset).
void ddraw_fail_calls(DdrawFailure kind, int count);
void ddraw_reset_failures();
// For sweeps that fail each call in turn: every call above that can be made to fail is
// counted, all kinds together, from the last reset, and the call with this number (1 for
// the first) fails; 0 fails none.
void ddraw_fail_call_number(int number);
int ddraw_failable_calls();
// The user switching away from the exclusive display (Alt+Tab) and back. Losing marks every
// live surface lost and overwrites its pixels with a checkerboard that is not black; while the
// display is away, Restore and RestoreAllSurfaces refuse with DDERR_WRONGMODE.
void ddraw_lose_all_surfaces();
void ddraw_set_display_away(int away);
// Forgets the emulation's global state (cooperative level, display mode, which surface is the
// primary, the display being away, injected failures); frees nothing.
void ddraw_reset();

// Object accounting and injected failures, for the objects themselves.
void ddraw_object_created();
void ddraw_object_destroyed();
// 1 when the call of this kind must fail now (and uses up one injected failure).
int ddraw_should_fail(DdrawFailure kind);

// The program's window, as SetCooperativeLevel receives it: on Windows the screen is shown
// in it; here the platform's one window is the screen whatever the program passes. 0 when
// the window cannot be shown into.
int ddraw_attach_window(HWND window);
// The desktop's size and depth: a windowed primary surface is made in them. 0 when the
// program's window is larger than any desktop.
int ddraw_desktop_format(int* width, int* height, int* bpp);
// The part of a desktop of that size that the program's window covers; 0 when there is no
// window or it lies off the desktop.
int ddraw_window_area(int desktop_width, int desktop_height, RECT* area);

// Pixel layout helpers.
int ddraw_bytes_per_pixel(int bpp);
void ddraw_fill_pixel_format(int bpp, DDPIXELFORMAT* format);
// 8, 15 or 16 from a requested pixel format; 0 when it is none of those.
int ddraw_bpp_of_format(const DDPIXELFORMAT& format);

// Palettes, clippers and surfaces answer to no other interface than their own.
inline HRESULT ddraw_refuse_interface(LPVOID* object) {
    if (object) *object = nullptr;
    return DD_E_NOINTERFACE;
}

// The last Release of an object that holds nothing else frees it.
template <typename Object> DWORD ddraw_release_plain(Object* object) {
    if (--object->refs) return object->refs;
    ddraw_object_destroyed();
    delete object;
    return 0;
}

// A rectangle with some area, right and bottom exclusive.
inline bool ddraw_rect_valid(const RECT& r) {
    return r.left < r.right && r.top < r.bottom;
}
// The smallest rectangle holding both; one without area adds nothing.
inline RECT ddraw_rect_union(const RECT& a, const RECT& b) {
    if (!ddraw_rect_valid(a)) return b;
    if (!ddraw_rect_valid(b)) return a;
    return {a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
            a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}
// A rectangle with some area that lies wholly on a surface of this size.
inline bool ddraw_rect_inside(const RECT& r, int width, int height) {
    return ddraw_rect_valid(r) && r.left >= 0 && r.top >= 0 && r.right <= width &&
           r.bottom <= height;
}
