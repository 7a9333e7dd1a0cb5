// DirectDraw surfaces: pixel memory and its lifetime, locks, the flip chain, colour keys and
// the palette and clipper attached to a surface.
#include "platform/ddraw/ddraw_surface.h"
#include "platform/ddraw/ddraw_blit.h"
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/host/screen.h"

#include <algorithm>
#include <cstdlib>
#include <new>

namespace {

DdSurface* Newest = nullptr;

void track(DdSurface* surface) {
    surface->older = Newest;
    if (Newest) Newest->newer = surface;
    Newest = surface;
}

void untrack(DdSurface* surface) {
    if (surface->newer)
        surface->newer->older = surface->older;
    else
        Newest = surface->older;
    if (surface->older) surface->older->newer = surface->newer;
}

// Rows are padded past their pixels so that code which steps by width instead of the
// pitch draws visibly wrong pictures.
LONG padded_pitch(int width, int bpp) {
    LONG row = static_cast<LONG>(width) * ddraw_bytes_per_pixel(bpp);
    return (row + 7) / 8 * 8 + 8;
}

void destroy(DdSurface* surface) {
    surface->forget_dc();
    if (surface->palette) surface->palette->Release();
    if (surface->clipper) surface->clipper->Release();
    if (ddraw_display.primary == surface) ddraw_display.primary = nullptr;
    if (DdSurface* back = surface->back) {
        // Releasing the primary frees the chain; a back buffer somebody still holds lives on
        // alone until its last reference goes.
        back->front = nullptr;
        if (back->refs == 0) destroy(back);
    }
    untrack(surface);
    std::free(surface->pixels);
    ddraw_object_destroyed();
    delete surface;
}

void describe(const DdSurface* surface, DDSURFACEDESC2* desc) {
    desc->dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH | DDSD_PITCH | DDSD_PIXELFORMAT;
    desc->dwWidth = static_cast<DWORD>(surface->width);
    desc->dwHeight = static_cast<DWORD>(surface->height);
    desc->lPitch = surface->pitch;
    ddraw_fill_pixel_format(surface->bpp, &desc->ddpfPixelFormat);
    desc->ddsCaps = {};
    desc->ddsCaps.dwCaps = surface->caps;
    if (surface->has_key) {
        desc->dwFlags |= DDSD_CKSRCBLT;
        desc->ddckCKSrcBlt = surface->key;
    }
    if (surface->back) {
        desc->dwFlags |= DDSD_BACKBUFFERCOUNT;
        desc->dwBackBufferCount = 1;
    }
}

// For a flip of `primary`'s chain: the part of the screen that changes when its back buffer
// comes to the front.
RECT flip_changes(const DdSurface* primary) {
    const DdSurface* back = primary->back;
    RECT coming = back->changed;
    // Out of sight nothing is presented, and the comparison would be work for nobody.
    if (ddraw_rect_valid(coming) && !video_hidden()) {
        const int bytes = ddraw_bytes_per_pixel(primary->bpp);
        const long offset = static_cast<long>(coming.top) * primary->pitch + coming.left * bytes;
        coming = ddraw_rows_differing(back->pixels + offset, back->pitch, primary->pixels + offset,
                                      primary->pitch, bytes, coming);
    }
    return ddraw_rect_union(coming, primary->changed);
}

} // namespace

void ddraw_primary_changed(DdSurface* surface, const RECT* rect) {
    DdSurface* primary = ddraw_display.primary;
    if (!surface || !primary || (surface != primary && surface != primary->back)) return;
    const RECT whole = {0, 0, surface->width, surface->height};
    RECT written = whole;
    if (rect)
        written = {std::max(rect->left, LONG{0}), std::max(rect->top, LONG{0}),
                   std::min(rect->right, whole.right), std::min(rect->bottom, whole.bottom)};
    if (!ddraw_rect_valid(written)) return;
    surface->changed = ddraw_rect_union(surface->changed, written);
    if (surface == primary) video_screen_changed(0);
}

DdSurface* ddraw_new_surface(int width, int height, int bpp, DWORD caps) {
    DdSurface* surface = new (std::nothrow) DdSurface;
    if (!surface) return nullptr;
    surface->width = width;
    surface->height = height;
    surface->bpp = bpp;
    surface->caps = caps;
    surface->pitch = padded_pitch(width, bpp);
    // New memory is nothing the screen has shown.
    surface->changed = {0, 0, width, height};
    surface->pixels = static_cast<std::uint8_t*>(
        std::calloc(static_cast<size_t>(surface->pitch) * static_cast<size_t>(height), 1));
    if (!surface->pixels) {
        delete surface;
        return nullptr;
    }
    track(surface);
    ddraw_object_created();
    return surface;
}

DdSurface* ddraw_newest_surface() {
    return Newest;
}

HRESULT DdSurface::QueryInterface(REFIID, LPVOID* object) {
    return ddraw_refuse_interface(object);
}

DWORD DdSurface::AddRef() {
    return ++refs;
}

DWORD DdSurface::Release() {
    if (refs == 0) return 0; // a chain's back buffer nobody holds
    if (--refs) return refs;
    // The flip chain keeps its back buffer until the primary goes.
    if (!front) destroy(this);
    return 0;
}

HRESULT DdSurface::Lock(LPRECT rect, LPDDSURFACEDESC2 desc, DWORD, HANDLE) {
    if (!desc) return DDERR_INVALIDPARAMS;
    if (locked || dc) return DDERR_SURFACEBUSY;
    if (rect && !ddraw_rect_inside(*rect, width, height)) return DDERR_INVALIDRECT;
    if (ddraw_should_fail(DDFAIL_LOCK)) return DDERR_SURFACELOST;
    if (lost) return DDERR_SURFACELOST;
    describe(this, desc);
    desc->dwFlags |= DDSD_LPSURFACE;
    std::uint8_t* first = pixels;
    if (rect)
        first += static_cast<long>(rect->top) * pitch +
                 static_cast<long>(rect->left) * ddraw_bytes_per_pixel(bpp);
    desc->lpSurface = first;
    locked = 1;
    lock_rect = rect ? *rect : RECT{0, 0, width, height};
    // Writes into a locked primary show on the next refresh, as on a real screen.
    ddraw_primary_changed(this, &lock_rect);
    return DD_OK;
}

HRESULT DdSurface::Unlock(LPRECT) {
    if (!locked) return DDERR_NOTLOCKED;
    locked = 0;
    ddraw_primary_changed(this, &lock_rect);
    return DD_OK;
}

HRESULT DdSurface::Flip(LPDIRECTDRAWSURFACE7 target, DWORD) {
    if (!back || ddraw_display.primary != this) return DDERR_NOTFLIPPABLE;
    if (target && target != back) return DDERR_INVALIDPARAMS;
    if (locked || dc || back->locked || back->dc) return DDERR_SURFACEBUSY;
    if (ddraw_should_fail(DDFAIL_FLIP)) return DDERR_SURFACELOST;
    if (lost || back->lost) return DDERR_SURFACELOST;
    // What the screen must redraw: where the buffer coming to the front differs from the one
    // leaving it, and what was written into the front but not presented yet. Afterwards the
    // buffer going to the back differs from the screen in just that part.
    const RECT shown = flip_changes(this);
    std::uint8_t* old_front = pixels;
    pixels = back->pixels;
    back->pixels = old_front;
    changed = back->changed = shown;
    video_screen_changed(1);
    return DD_OK;
}

HRESULT DdSurface::GetAttachedSurface(LPDDSCAPS2 wanted, LPDIRECTDRAWSURFACE7* surface) {
    if (!wanted || !surface) return DDERR_INVALIDPARAMS;
    *surface = nullptr;
    if (!back || !(wanted->dwCaps & DDSCAPS_BACKBUFFER)) return DDERR_NOTFOUND;
    back->AddRef();
    *surface = back;
    return DD_OK;
}

HRESULT DdSurface::GetCaps(LPDDSCAPS2 out) {
    if (!out) return DDERR_INVALIDPARAMS;
    *out = {};
    out->dwCaps = caps;
    return DD_OK;
}

HRESULT DdSurface::GetPixelFormat(LPDDPIXELFORMAT format) {
    if (!format) return DDERR_INVALIDPARAMS;
    ddraw_fill_pixel_format(bpp, format);
    return DD_OK;
}

HRESULT DdSurface::GetSurfaceDesc(LPDDSURFACEDESC2 desc) {
    if (!desc) return DDERR_INVALIDPARAMS;
    describe(this, desc);
    desc->lpSurface = nullptr;
    return DD_OK;
}

HRESULT DdSurface::SetColorKey(DWORD flags, LPDDCOLORKEY new_key) {
    if (!(flags & DDCKEY_SRCBLT)) return DDERR_UNSUPPORTED;
    if (!new_key) {
        has_key = 0;
        key = {};
        return DD_OK;
    }
    DWORD mask = bpp == 8 ? 0xFFu : 0xFFFFu;
    key.dwColorSpaceLowValue = new_key->dwColorSpaceLowValue & mask;
    key.dwColorSpaceHighValue = new_key->dwColorSpaceHighValue & mask;
    // A high value below the low one names no range: the key is the low value alone.
    if (key.dwColorSpaceHighValue < key.dwColorSpaceLowValue)
        key.dwColorSpaceHighValue = key.dwColorSpaceLowValue;
    has_key = 1;
    return DD_OK;
}

HRESULT DdSurface::GetColorKey(DWORD flags, LPDDCOLORKEY out) {
    if (!(flags & DDCKEY_SRCBLT) || !out) return DDERR_INVALIDPARAMS;
    if (!has_key) return DDERR_NOTFOUND;
    *out = key;
    return DD_OK;
}

HRESULT DdSurface::SetPalette(LPDIRECTDRAWPALETTE new_palette) {
    if (ddraw_should_fail(DDFAIL_SET_PALETTE)) return DDERR_GENERIC;
    if (new_palette && bpp != 8) return DDERR_INVALIDPIXELFORMAT;
    if (new_palette) new_palette->AddRef();
    if (palette) palette->Release();
    palette = new_palette;
    ddraw_primary_changed(this);
    return DD_OK;
}

HRESULT DdSurface::GetPalette(LPDIRECTDRAWPALETTE* out) {
    if (!out) return DDERR_INVALIDPARAMS;
    *out = palette;
    if (!palette) return DDERR_NOTFOUND;
    palette->AddRef();
    return DD_OK;
}

HRESULT DdSurface::SetClipper(LPDIRECTDRAWCLIPPER new_clipper) {
    if (ddraw_should_fail(DDFAIL_SET_CLIPPER)) return DDERR_GENERIC;
    if (new_clipper) new_clipper->AddRef();
    if (clipper) clipper->Release();
    clipper = new_clipper;
    return DD_OK;
}

HRESULT DdSurface::GetClipper(LPDIRECTDRAWCLIPPER* out) {
    if (!out) return DDERR_INVALIDPARAMS;
    *out = clipper;
    if (!clipper) return DDERR_NOTFOUND;
    clipper->AddRef();
    return DD_OK;
}
