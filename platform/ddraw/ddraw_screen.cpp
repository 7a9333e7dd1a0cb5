// The primary surface seen as the screen, for the video layer.
#include "platform/ddraw/ddraw_screen.h"
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/ddraw/ddraw_palette.h"
#include "platform/ddraw/ddraw_surface.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

// An 8-bit primary without a palette still has to be shown through something.
const PALETTEENTRY black_palette[256] = {};

// The host takes palette entries as plain bytes in the same order; a table of the system's
// entries is handed over as it is.
static_assert(sizeof(PALETTEENTRY) == sizeof(HostColor) &&
              offsetof(PALETTEENTRY, peRed) == offsetof(HostColor, red) &&
              offsetof(PALETTEENTRY, peGreen) == offsetof(HostColor, green) &&
              offsetof(PALETTEENTRY, peBlue) == offsetof(HostColor, blue) &&
              offsetof(PALETTEENTRY, peFlags) == offsetof(HostColor, flags));

// The primary's changes since it was last presented, which from now on count as shown: the
// back buffer then differs from the screen there too. A part under a held lock may be
// written at any moment, so it stays changed until the lock ends.
RECT take_changes(DdSurface* primary) {
    RECT changes = primary->changed;
    if (primary->locked) changes = ddraw_rect_union(changes, primary->lock_rect);
    primary->changed = {};
    if (primary->back) primary->back->changed = ddraw_rect_union(primary->back->changed, changes);
    return changes;
}

HostRect host_rect(const RECT& r, const RECT& area) {
    const RECT in = {std::max(r.left, area.left), std::max(r.top, area.top),
                     std::min(r.right, area.right), std::min(r.bottom, area.bottom)};
    if (!ddraw_rect_valid(in)) return {};
    return {in.left - area.left, in.top - area.top, in.right - in.left, in.bottom - in.top};
}

} // namespace

const PALETTEENTRY* ddraw_screen_palette() {
    const DdSurface* primary = ddraw_display.primary;
    if (!primary || primary->bpp != 8) return nullptr;
    return primary->palette ? ddraw_palette_entries(primary->palette) : black_palette;
}

int ddraw_screen_picture(VideoPicture* picture) {
    DdSurface* primary = ddraw_display.primary;
    if (!picture || !primary) return 0;
    picture->pixels = primary->pixels;
    picture->pitch = primary->pitch;
    picture->width = primary->width;
    picture->height = primary->height;
    picture->bpp = primary->bpp;
    picture->palette = reinterpret_cast<const HostColor*>(ddraw_screen_palette());
    picture->being_written = primary->locked;
    // On the desktop, what shows of a windowed program is its window.
    RECT area = {0, 0, primary->width, primary->height};
    RECT window = {};
    if (!primary->back && ddraw_window_area(primary->width, primary->height, &window)) {
        area = window;
        int bytes = ddraw_bytes_per_pixel(primary->bpp);
        picture->pixels +=
            static_cast<std::ptrdiff_t>(area.top) * primary->pitch + area.left * bytes;
        picture->width = area.right - area.left;
        picture->height = area.bottom - area.top;
    }
    // A window that moved shows other pixels of the desktop: all of it is new.
    static RECT last_area = {};
    RECT changes = take_changes(primary);
    if (std::memcmp(&area, &last_area, sizeof area) != 0) changes = area;
    last_area = area;
    picture->changed = host_rect(changes, area);
    return 1;
}
