// Device contexts lent by surfaces (GetDC / ReleaseDC): GDI draws into the surface's memory
// while one is out, and the surface refuses locks and blits meanwhile.
#include "platform/ddraw/ddraw_surface_dc.h"
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/ddraw/ddraw_surface.h"

#include <algorithm>
#include <new>
#include <vector>

namespace {

// The contexts now lent, so that a handle from elsewhere is recognised as foreign.
std::vector<SurfaceDc*>& lent_dcs() {
    static std::vector<SurfaceDc*> dcs;
    return dcs;
}

} // namespace

SurfaceDc* ddraw_find_dc(HDC handle) {
    if (!handle) return nullptr;
    for (SurfaceDc* dc : lent_dcs())
        if (reinterpret_cast<HDC>(dc) == handle) return dc;
    return nullptr;
}

void DdSurface::forget_dc() {
    if (!dc) return;
    auto& dcs = lent_dcs();
    dcs.erase(std::remove(dcs.begin(), dcs.end(), dc), dcs.end());
    delete dc;
    dc = nullptr;
}

HRESULT DdSurface::GetDC(HDC* out) {
    if (!out) return DDERR_INVALIDPARAMS;
    *out = nullptr;
    if (dc) return DDERR_DCALREADYCREATED;
    if (locked) return DDERR_SURFACEBUSY;
    if (ddraw_should_fail(DDFAIL_GET_DC)) return DDERR_CANTCREATEDC;
    if (lost) return DDERR_SURFACELOST;
    SurfaceDc* created =
        new (std::nothrow) SurfaceDc{this, RGB(0, 0, 0), RGB(255, 255, 255), SURFACE_DC_OPAQUE};
    if (!created) return DDERR_OUTOFMEMORY;
    lent_dcs().push_back(created);
    dc = created;
    *out = reinterpret_cast<HDC>(created);
    return DD_OK;
}

HRESULT DdSurface::ReleaseDC(HDC handle) {
    if (!dc || reinterpret_cast<HDC>(dc) != handle) return DDERR_INVALIDPARAMS;
    forget_dc();
    ddraw_primary_changed(this);
    return DD_OK;
}
