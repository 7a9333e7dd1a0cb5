// Lost surfaces: asking whether the display's surfaces lost their memory, and restoring it.
#include "engine/display/surface_restore.h"

#include "engine/display/display_context.h"
#include "engine/display/frame.h"

std::int32_t surface_lost(IDirectDrawSurface7* surface) {
    if (surface == nullptr) return 0;
    return surface->IsLost() == DDERR_SURFACELOST ? 1 : 0;
}

std::int32_t display_lost() {
    return surface_lost(primary_surface) || surface_lost(back_surface) ? 1 : 0;
}

std::int32_t display_restore() {
    if (directdraw == nullptr) return 0;
    if (FAILED(directdraw->RestoreAllSurfaces())) return 0;
    // Until the next present a full screen shows what the primary holds: black, not what the
    // memory held while another program had it. A windowed primary is the whole desktop.
    if (screen_windowed == 0) fill_surface(primary_surface, 0, nullptr);
    fill_surface(back_surface, 0, nullptr);
    // The screen's colours may have been another program's meanwhile.
    if (primary_surface != nullptr && display_palette != nullptr)
        primary_surface->SetPalette(display_palette);
    return 1;
}
