// Lost surfaces: the user switching away from the display and back, and what IsLost, Restore
// and RestoreAllSurfaces answer.
#include "platform/ddraw/ddraw_surface_lost.h"
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/ddraw/ddraw_surface.h"

#include <cstddef>
#include <cstdint>

namespace {

// Memory handed back after a loss holds whatever the display left in it. Here that is a
// checkerboard of two colours, neither black nor the sprites' transparent 253, so that a
// picture that was not drawn again stands out.
void scribble(DdSurface* surface) {
    const std::size_t row_bytes = static_cast<std::size_t>(surface->pitch);
    for (int y = 0; y < surface->height; ++y) {
        std::uint8_t* row = surface->pixels + static_cast<std::size_t>(y) * row_bytes;
        for (std::size_t x = 0; x < row_bytes; ++x)
            row[x] = ((static_cast<std::size_t>(y) / 8 + x / 8) & 1) ? 0xE3 : 0x1C;
    }
}

} // namespace

void ddraw_lose_all_surfaces() {
    for (DdSurface* surface = ddraw_newest_surface(); surface; surface = surface->older) {
        surface->lost = 1;
        scribble(surface);
        ddraw_primary_changed(surface);
    }
}

void ddraw_set_display_away(int away) {
    ddraw_display.away = away != 0;
}

HRESULT ddraw_restore_all_surfaces() {
    if (ddraw_display.away) return DDERR_WRONGMODE;
    for (DdSurface* surface = ddraw_newest_surface(); surface; surface = surface->older)
        surface->lost = 0;
    return DD_OK;
}

HRESULT DdSurface::IsLost() {
    return lost ? DDERR_SURFACELOST : DD_OK;
}

HRESULT DdSurface::Restore() {
    // A flip chain's back buffer comes back with its primary, never on its own.
    if (front) return DDERR_IMPLICITLYCREATED;
    if (!lost && !(back && back->lost)) return DD_OK;
    if (ddraw_display.away) return DDERR_WRONGMODE;
    // The memory is back; what it held is not.
    lost = 0;
    if (back) back->lost = 0;
    return DD_OK;
}
