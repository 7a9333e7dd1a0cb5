// The DirectDraw object: creation, cooperative level, display mode, and the factories of
// surfaces, palettes and clippers.
#include "platform/ddraw/ddraw_object.h"
#include "platform/ddraw/ddraw_clipper.h"
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/ddraw/ddraw_palette.h"
#include "platform/ddraw/ddraw_screen.h"
#include "platform/ddraw/ddraw_surface.h"
#include "platform/ddraw/ddraw_surface_lost.h"
#include "platform/host/screen.h"

#include <cstring>
#include <new>

const GUID IID_IDirectDraw7 = {
    0x15e65ec0, 0x3b9c, 0x11d2, {0xb9, 0x2f, 0x00, 0x60, 0x97, 0x97, 0xea, 0x5b}};

namespace {

bool same_guid(const GUID& a, const GUID& b) {
    return std::memcmp(&a, &b, sizeof(GUID)) == 0;
}

bool exclusive() {
    return (ddraw_display.cooperative_level & DDSCL_EXCLUSIVE) != 0;
}

// The display's current size and depth: the exclusive owner's mode, else the desktop. 0
// when there is no desktop to draw on.
int display_format(int* width, int* height, int* bpp) {
    if (!ddraw_display.mode_bpp) return ddraw_desktop_format(width, height, bpp);
    *width = ddraw_display.mode_width;
    *height = ddraw_display.mode_height;
    *bpp = ddraw_display.mode_bpp;
    return 1;
}

void tell_backend_mode(int width, int height, int bpp, int fullscreen, int* ok) {
    const Host* active = host();
    int result = 1;
    if (active && active->set_mode) result = active->set_mode(width, height, bpp, fullscreen);
    if (ok) *ok = result;
}

HRESULT create_primary(const DDSURFACEDESC2& desc, LPDIRECTDRAWSURFACE7* out) {
    if (ddraw_display.primary) return DDERR_PRIMARYSURFACEALREADYEXISTS;
    DWORD caps = desc.ddsCaps.dwCaps;
    bool chain = (caps & DDSCAPS_FLIP) != 0;
    if (chain) {
        // A flip chain needs the complex flag, exactly one back buffer and the display.
        if (!(caps & DDSCAPS_COMPLEX) || !(desc.dwFlags & DDSD_BACKBUFFERCOUNT) ||
            desc.dwBackBufferCount != 1)
            return DDERR_INVALIDPARAMS;
        if (!exclusive()) return DDERR_NOEXCLUSIVEMODE;
    }
    int width = 0, height = 0, bpp = 0;
    // A window larger than any desktop leaves part of its display nowhere to be seen.
    if (!display_format(&width, &height, &bpp)) return DDERR_INVALIDMODE;
    DdSurface* primary =
        ddraw_new_surface(width, height, bpp,
                          DDSCAPS_PRIMARYSURFACE | DDSCAPS_VIDEOMEMORY |
                              (chain ? DDSCAPS_FLIP | DDSCAPS_COMPLEX | DDSCAPS_FRONTBUFFER : 0));
    if (!primary) return DDERR_OUTOFMEMORY;
    if (chain) {
        DdSurface* back = ddraw_new_surface(width, height, bpp,
                                            DDSCAPS_BACKBUFFER | DDSCAPS_FLIP | DDSCAPS_COMPLEX |
                                                DDSCAPS_VIDEOMEMORY);
        if (!back) {
            primary->Release();
            return DDERR_OUTOFMEMORY;
        }
        // The chain holds the back buffer; only GetAttachedSurface hands out references.
        back->refs = 0;
        back->front = primary;
        primary->back = back;
    } else {
        // The active's window shows the program's window, at its size.
        RECT area = {0, 0, width, height};
        ddraw_window_area(width, height, &area);
        tell_backend_mode(area.right - area.left, area.bottom - area.top, bpp, 0, nullptr);
    }
    ddraw_display.primary = primary;
    // The primary is what the screen shows from now on.
    video_set_screen_source(ddraw_screen_picture);
    *out = primary;
    return DD_OK;
}

HRESULT create_offscreen(const DDSURFACEDESC2& desc, LPDIRECTDRAWSURFACE7* out) {
    if ((desc.dwFlags & (DDSD_WIDTH | DDSD_HEIGHT)) != (DDSD_WIDTH | DDSD_HEIGHT))
        return DDERR_INVALIDPARAMS;
    // The fields are unsigned: a negative size arrives as a huge one.
    if (desc.dwWidth == 0 || desc.dwHeight == 0 || desc.dwWidth > DD_MAX_SURFACE_SIDE ||
        desc.dwHeight > DD_MAX_SURFACE_SIDE)
        return DDERR_INVALIDPARAMS;
    int width = 0, height = 0, bpp = 0;
    display_format(&width, &height, &bpp);
    if (desc.dwFlags & DDSD_PIXELFORMAT) {
        bpp = ddraw_bpp_of_format(desc.ddpfPixelFormat);
        if (!bpp) return DDERR_INVALIDPIXELFORMAT;
    }
    DWORD caps = desc.ddsCaps.dwCaps & ~(DDSCAPS_PRIMARYSURFACE | DDSCAPS_BACKBUFFER |
                                         DDSCAPS_FRONTBUFFER | DDSCAPS_FLIP | DDSCAPS_COMPLEX);
    DdSurface* surface = ddraw_new_surface(static_cast<int>(desc.dwWidth),
                                           static_cast<int>(desc.dwHeight), bpp, caps);
    if (!surface) return DDERR_OUTOFMEMORY;
    if (desc.dwFlags & DDSD_CKSRCBLT) {
        DDCOLORKEY key = desc.ddckCKSrcBlt;
        surface->SetColorKey(DDCKEY_SRCBLT, &key);
    }
    *out = surface;
    return DD_OK;
}

} // namespace

HRESULT WINAPI DirectDrawCreateEx(GUID*, LPVOID* object, REFIID iid, IUnknown* outer) {
    if (!object) return DDERR_INVALIDPARAMS;
    *object = nullptr;
    if (outer || !same_guid(iid, IID_IDirectDraw7)) return DDERR_INVALIDPARAMS;
    if (ddraw_should_fail(DDFAIL_DIRECTDRAW_CREATE)) return DDERR_OUTOFMEMORY;
    DdObject* directdraw = new (std::nothrow) DdObject;
    if (!directdraw) return DDERR_OUTOFMEMORY;
    ddraw_object_created();
    *object = static_cast<IDirectDraw7*>(directdraw);
    return DD_OK;
}

HRESULT DdObject::QueryInterface(REFIID iid, LPVOID* object) {
    if (!object) return DDERR_INVALIDPARAMS;
    *object = nullptr;
    if (!same_guid(iid, IID_IDirectDraw7)) return DD_E_NOINTERFACE;
    AddRef();
    *object = static_cast<IDirectDraw7*>(this);
    return DD_OK;
}

DWORD DdObject::AddRef() {
    return ++refs;
}

DWORD DdObject::Release() {
    if (--refs) return refs;
    // Letting go of the DirectDraw object gives the desktop back its mode.
    ddraw_display.cooperative_level = 0;
    ddraw_display.mode_width = ddraw_display.mode_height = ddraw_display.mode_bpp = 0;
    ddraw_object_destroyed();
    delete this;
    return 0;
}

HRESULT DdObject::SetCooperativeLevel(HWND window, DWORD flags) {
    if (ddraw_should_fail(DDFAIL_SET_COOPERATIVE_LEVEL)) return DDERR_GENERIC;
    bool normal = (flags & DDSCL_NORMAL) != 0;
    bool fullscreen = (flags & DDSCL_FULLSCREEN) != 0;
    bool exclusive_flag = (flags & DDSCL_EXCLUSIVE) != 0;
    if (normal == (fullscreen || exclusive_flag)) return DDERR_INVALIDPARAMS;
    if (fullscreen != exclusive_flag) return DDERR_INVALIDPARAMS;
    if (!ddraw_attach_window(window)) return DDERR_INVALIDPARAMS;
    if (normal) {
        ddraw_display.mode_width = ddraw_display.mode_height = ddraw_display.mode_bpp = 0;
    }
    ddraw_display.cooperative_level = flags;
    return DD_OK;
}

HRESULT DdObject::SetDisplayMode(DWORD width, DWORD height, DWORD bpp, DWORD, DWORD) {
    if (ddraw_should_fail(DDFAIL_SET_DISPLAY_MODE)) return DDERR_GENERIC;
    if (width == 0 || height == 0 || width > DD_MAX_SURFACE_SIDE || height > DD_MAX_SURFACE_SIDE)
        return DDERR_INVALIDMODE;
    if (bpp != 8 && bpp != 15 && bpp != 16) return DDERR_INVALIDMODE;
    if (!exclusive()) return DDERR_NOEXCLUSIVEMODE;
    int ok = 1;
    tell_backend_mode(static_cast<int>(width), static_cast<int>(height), static_cast<int>(bpp), 1,
                      &ok);
    if (!ok) return DDERR_UNSUPPORTEDMODE;
    ddraw_display.mode_width = static_cast<int>(width);
    ddraw_display.mode_height = static_cast<int>(height);
    ddraw_display.mode_bpp = static_cast<int>(bpp);
    return DD_OK;
}

HRESULT DdObject::RestoreDisplayMode() {
    ddraw_display.mode_width = ddraw_display.mode_height = ddraw_display.mode_bpp = 0;
    return DD_OK;
}

HRESULT DdObject::WaitForVerticalBlank(DWORD, HANDLE) {
    return DD_OK;
}

HRESULT DdObject::RestoreAllSurfaces() {
    return ddraw_restore_all_surfaces();
}

HRESULT DdObject::CreateSurface(LPDDSURFACEDESC2 desc, LPDIRECTDRAWSURFACE7* surface,
                                IUnknown* outer) {
    if (!desc || !surface) return DDERR_INVALIDPARAMS;
    *surface = nullptr;
    if (outer || !(desc->dwFlags & DDSD_CAPS)) return DDERR_INVALIDPARAMS;
    if (!ddraw_display.cooperative_level) return DDERR_NOCOOPERATIVELEVELSET;
    if (ddraw_should_fail(DDFAIL_CREATE_SURFACE)) return DDERR_OUTOFMEMORY;
    if (desc->ddsCaps.dwCaps & DDSCAPS_PRIMARYSURFACE) return create_primary(*desc, surface);
    if (desc->ddsCaps.dwCaps & (DDSCAPS_FLIP | DDSCAPS_BACKBUFFER)) return DDERR_INVALIDCAPS;
    return create_offscreen(*desc, surface);
}

HRESULT DdObject::CreatePalette(DWORD flags, LPPALETTEENTRY entries, LPDIRECTDRAWPALETTE* palette,
                                IUnknown* outer) {
    if (!palette) return DDERR_INVALIDPARAMS;
    *palette = nullptr;
    if (outer || !entries || !(flags & DDPCAPS_8BIT)) return DDERR_INVALIDPARAMS;
    if (ddraw_should_fail(DDFAIL_CREATE_PALETTE)) return DDERR_OUTOFMEMORY;
    DdPalette* created = new (std::nothrow) DdPalette;
    if (!created) return DDERR_OUTOFMEMORY;
    ddraw_object_created();
    created->caps = flags;
    std::memcpy(created->entries, entries, sizeof(created->entries));
    *palette = created;
    return DD_OK;
}

HRESULT DdObject::CreateClipper(DWORD, LPDIRECTDRAWCLIPPER* clipper, IUnknown* outer) {
    if (!clipper) return DDERR_INVALIDPARAMS;
    *clipper = nullptr;
    if (outer) return DDERR_INVALIDPARAMS;
    if (ddraw_should_fail(DDFAIL_CREATE_CLIPPER)) return DDERR_OUTOFMEMORY;
    DdClipper* created = new (std::nothrow) DdClipper;
    if (!created) return DDERR_OUTOFMEMORY;
    ddraw_object_created();
    *clipper = created;
    return DD_OK;
}
