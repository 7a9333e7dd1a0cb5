// Off-screen plain surfaces with a source colour key, and clippers built from rectangle lists.
#include "engine/display/surfaces.h"

#include "engine/display/display_context.h"

#include <cstdlib>
#include <cstring>

namespace {

// Far more rectangles than any screen layout needs; a larger count is a caller's mistake
// and would only ask for an enormous region.
constexpr std::int32_t MAX_CLIP_RECTANGLES = 65536;

} // namespace

IDirectDrawSurface7* create_offscreen_surface(std::int32_t width, std::int32_t height,
                                              std::int32_t memory_flags, std::int32_t color_key) {
    if (directdraw == nullptr || width <= 0 || height <= 0) return nullptr;
    DDSURFACEDESC2 ddsd;
    std::memset(&ddsd, 0, sizeof(ddsd));
    ddsd.dwSize = sizeof(ddsd);
    ddsd.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
    ddsd.dwWidth = static_cast<DWORD>(width);
    ddsd.dwHeight = static_cast<DWORD>(height);
    ddsd.ddsCaps.dwCaps = static_cast<DWORD>(memory_flags) | DDSCAPS_OFFSCREENPLAIN;
    IDirectDrawSurface7* lpdds = nullptr;
    if (FAILED(directdraw->CreateSurface(&ddsd, &lpdds, nullptr)) || lpdds == nullptr) {
        return nullptr;
    }
    // A refused key still leaves a usable surface, only without transparency.
    DDCOLORKEY key;
    key.dwColorSpaceLowValue = static_cast<DWORD>(color_key) & 0xFFFFu;
    key.dwColorSpaceHighValue = key.dwColorSpaceLowValue;
    lpdds->SetColorKey(DDCKEY_SRCBLT, &key);
    return lpdds;
}

namespace {

// The smallest rectangle enclosing the list, starting from an inverted box at +-64000 so
// that an empty list keeps those start values.
RECT bounding_rect(std::int32_t count, const RECT* rects) {
    RECT bound = {64000, 64000, -64000, -64000};
    for (std::int32_t i = 0; i < count; ++i) {
        if (rects[i].left < bound.left) bound.left = rects[i].left;
        if (rects[i].right > bound.right) bound.right = rects[i].right;
        if (rects[i].top < bound.top) bound.top = rects[i].top;
        if (rects[i].bottom > bound.bottom) bound.bottom = rects[i].bottom;
    }
    return bound;
}

} // namespace

IDirectDrawClipper* attach_clipper(IDirectDrawSurface7* surface, std::int32_t count,
                                   const RECT* rects) {
    if (directdraw == nullptr || surface == nullptr) return nullptr;
    if (count < 0 || count > MAX_CLIP_RECTANGLES || (count > 0 && rects == nullptr)) {
        return nullptr;
    }
    IDirectDrawClipper* lpddclipper = nullptr;
    if (FAILED(directdraw->CreateClipper(0, &lpddclipper, nullptr)) || lpddclipper == nullptr) {
        return nullptr;
    }

    const std::size_t rect_bytes = sizeof(RECT) * static_cast<std::size_t>(count);
    // Never less than the record's declared size, which an empty list would fall short of.
    std::size_t region_bytes = sizeof(RGNDATAHEADER) + rect_bytes;
    if (region_bytes < sizeof(RGNDATA)) region_bytes = sizeof(RGNDATA);
    auto* region = static_cast<RGNDATA*>(std::malloc(region_bytes));
    if (region == nullptr) {
        // The clipper is of no use to anyone once we give up; it must not stay alive.
        lpddclipper->Release();
        return nullptr;
    }
    if (count > 0) std::memcpy(region->Buffer, rects, rect_bytes);
    region->rdh.dwSize = sizeof(RGNDATAHEADER);
    region->rdh.iType = RDH_RECTANGLES;
    region->rdh.nCount = static_cast<DWORD>(count);
    region->rdh.nRgnSize = static_cast<DWORD>(rect_bytes);
    region->rdh.rcBound = bounding_rect(count, rects);

    bool attached = SUCCEEDED(lpddclipper->SetClipList(region, 0)) &&
                    SUCCEEDED(surface->SetClipper(lpddclipper));
    std::free(region);
    if (!attached) {
        lpddclipper->Release();
        return nullptr;
    }
    return lpddclipper;
}
