// The primary surface seen as the screen, for the video layer.
#include "platform/ddraw/ddraw_screen.h"
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/ddraw/ddraw_palette.h"
#include "platform/ddraw/ddraw_surface.h"

#include <cstddef>

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

} // namespace

const PALETTEENTRY* ddraw_screen_palette() {
    const DdSurface* primary = ddraw_display.primary;
    if (!primary || primary->bpp != 8) return nullptr;
    return primary->palette ? ddraw_palette_entries(primary->palette) : black_palette;
}

int ddraw_screen_picture(VideoPicture* picture) {
    const DdSurface* primary = ddraw_display.primary;
    if (!picture || !primary) return 0;
    picture->pixels = primary->pixels;
    picture->pitch = primary->pitch;
    picture->width = primary->width;
    picture->height = primary->height;
    picture->bpp = primary->bpp;
    picture->palette = reinterpret_cast<const HostColor*>(ddraw_screen_palette());
    picture->being_written = primary->locked;
    // On the desktop, what shows of a windowed program is its window.
    RECT area = {};
    if (!primary->back && ddraw_window_area(primary->width, primary->height, &area)) {
        int bytes = ddraw_bytes_per_pixel(primary->bpp);
        picture->pixels +=
            static_cast<std::ptrdiff_t>(area.top) * primary->pitch + area.left * bytes;
        picture->width = area.right - area.left;
        picture->height = area.bottom - area.top;
    }
    return 1;
}
