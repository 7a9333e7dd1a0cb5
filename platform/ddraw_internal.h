// Records and shared state of the in-memory DirectDraw emulation, shared by its source files
// and by the GDI text that draws into a surface's device context.
#pragma once

#include "platform/ddraw.h"

#include <cstdint>
#include <vector>

// COM's answer to an interface we do not provide.
#define DD_E_NOINTERFACE static_cast<HRESULT>(0x80004002u)

// Sizes above this are refused: no display or sprite sheet comes near it.
constexpr int DD_MAX_SURFACE_SIDE = 16384;

struct DdSurface;

struct DdPalette final : IDirectDrawPalette {
    DWORD refs = 1;
    DWORD caps = 0;
    PALETTEENTRY entries[256] = {};

    HRESULT QueryInterface(REFIID iid, LPVOID* object) override;
    DWORD AddRef() override;
    DWORD Release() override;
    HRESULT GetCaps(LPDWORD caps) override;
    HRESULT GetEntries(DWORD flags, DWORD base, DWORD count, LPPALETTEENTRY entries) override;
    HRESULT SetEntries(DWORD flags, DWORD start, DWORD count, LPPALETTEENTRY entries) override;
};

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

// The device context a surface lends through GetDC: where GDI text goes and how it looks.
struct SurfaceDc {
    DdSurface* surface;
    COLORREF text_color;
    COLORREF background_color;
    int background_mode;
};

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
    DdPalette* palette = nullptr;
    DdClipper* clipper = nullptr;
    DdSurface* back = nullptr;  // a flipping primary's back buffer
    DdSurface* front = nullptr; // a back buffer's primary, while the chain holds it

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
};

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
};

// What the emulated display is doing: the cooperative level and the mode set by the
// exclusive owner (0 x 0 x 0 while the desktop's own mode is in force).
struct DdDisplayState {
    DWORD cooperative_level;
    int mode_width;
    int mode_height;
    int mode_bpp;
    DdSurface* primary; // the one primary surface, or null
};
extern DdDisplayState ddraw_display;

// The desktop the windowed game runs on.
constexpr int DD_DESKTOP_WIDTH = 640;
constexpr int DD_DESKTOP_HEIGHT = 480;
constexpr int DD_DESKTOP_BPP = 8;

// Object accounting and injected failures.
void ddraw_object_created();
void ddraw_object_destroyed();
// 1 when the call of this kind must fail now (and uses up one injected failure).
int ddraw_should_fail(DdrawFailure kind);

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
// A rectangle with some area that lies wholly on a surface of this size.
inline bool ddraw_rect_inside(const RECT& r, int width, int height) {
    return ddraw_rect_valid(r) && r.left >= 0 && r.top >= 0 && r.right <= width &&
           r.bottom <= height;
}

// Pixel layout helpers.
int ddraw_bytes_per_pixel(int bpp);
void ddraw_fill_pixel_format(int bpp, DDPIXELFORMAT* format);
// 8, 15 or 16 from a requested pixel format; 0 when it is none of those.
int ddraw_bpp_of_format(const DDPIXELFORMAT& format);
// Creates a surface record with its pixel memory; null when memory runs out.
DdSurface* ddraw_new_surface(int width, int height, int bpp, DWORD caps);
// The palette the screen shows (the primary's), or null.
const PALETTEENTRY* ddraw_screen_palette();
// Tells the video backend that the primary changed, when it did.
void ddraw_primary_changed(const DdSurface* surface);

// Blits between and fills of surfaces (ddraw_blit.cpp), after the checks of Blt.
struct DdBlitJob {
    std::uint8_t* dest;
    LONG dest_pitch;
    const std::uint8_t* source;
    LONG source_pitch;
    int bytes_per_pixel;
    RECT dest_rect;   // the whole destination rectangle, before clipping
    RECT source_rect; // the whole source rectangle
    int keyed;
    DWORD key_low;
    DWORD key_high;
};
void ddraw_fill_rect(std::uint8_t* pixels, LONG pitch, int bytes_per_pixel, const RECT& rect,
                     DWORD color);
// Copies the part `clip` (inside job.dest_rect) of the blit, stretching when the two
// rectangles differ in size.
void ddraw_copy_rect(const DdBlitJob& job, const RECT& clip);

// The rectangles a clipper cuts blits to (a window clipper: the window's rectangle);
// 0 when it has no clip list at all.
int ddraw_clip_rects(const DdClipper* clipper, std::vector<RECT>* rects);

// Device contexts lent by surfaces; null when the handle is not one of them.
SurfaceDc* ddraw_find_dc(HDC dc);
// Takes back the context a surface lent, if any.
void ddraw_drop_dc(DdSurface* surface);
// The palette that text on this surface is matched against (its own or the screen's).
const PALETTEENTRY* ddraw_text_palette(const DdSurface* surface);
