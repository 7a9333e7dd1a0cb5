// Device contexts lent by surfaces (GetDC / ReleaseDC): GDI draws into the surface's memory
// while one is out, and the surface refuses locks and blits meanwhile.
#include "platform/ddraw_internal.h"
#include "platform/gdi.h"

#include <algorithm>
#include <new>
#include <vector>

namespace {

// The contexts now lent, so that a handle from elsewhere is recognised as foreign.
std::vector<SurfaceDc*>& lent_dcs() {
    static std::vector<SurfaceDc*> dcs;
    return dcs;
}

void forget_dc(SurfaceDc* dc) {
    auto& dcs = lent_dcs();
    dcs.erase(std::remove(dcs.begin(), dcs.end(), dc), dcs.end());
}

} // namespace

SurfaceDc* ddraw_find_dc(HDC handle) {
    if (!handle) return nullptr;
    for (SurfaceDc* dc : lent_dcs())
        if (reinterpret_cast<HDC>(dc) == handle) return dc;
    return nullptr;
}

void ddraw_drop_dc(DdSurface* surface) {
    if (!surface->dc) return;
    forget_dc(surface->dc);
    delete surface->dc;
    surface->dc = nullptr;
}

const PALETTEENTRY* ddraw_text_palette(const DdSurface* surface) {
    if (surface->palette) return surface->palette->entries;
    return ddraw_screen_palette();
}

HRESULT DdSurface::GetDC(HDC* out) {
    if (!out) return DDERR_INVALIDPARAMS;
    *out = nullptr;
    if (dc) return DDERR_DCALREADYCREATED;
    if (locked) return DDERR_SURFACEBUSY;
    if (ddraw_should_fail(DDFAIL_GET_DC)) return DDERR_CANTCREATEDC;
    SurfaceDc* created =
        new (std::nothrow) SurfaceDc{this, RGB(0, 0, 0), RGB(255, 255, 255), OPAQUE};
    if (!created) return DDERR_OUTOFMEMORY;
    lent_dcs().push_back(created);
    dc = created;
    *out = reinterpret_cast<HDC>(created);
    return DD_OK;
}

HRESULT DdSurface::ReleaseDC(HDC handle) {
    if (!dc || reinterpret_cast<HDC>(dc) != handle) return DDERR_INVALIDPARAMS;
    ddraw_drop_dc(this);
    ddraw_primary_changed(this);
    return DD_OK;
}
