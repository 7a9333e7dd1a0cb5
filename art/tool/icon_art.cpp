#include "art/tool/icon_art.h"

#include "art/tool/sprite_sheets.h"

namespace {

bool sized_grid(const PixelGrids& grids, const char* name, int size, Canvas& out,
                std::string& error) {
    const Canvas* grid = find_grid(grids, name);
    if (!grid || grid->width != size || grid->height != size) {
        error = std::string("need a ") + std::to_string(size) + " x " + std::to_string(size) +
                " grid named '" + name + "'";
        return false;
    }
    out = *grid;
    return true;
}

} // namespace

bool build_icon_small(const PixelGrids& grids, Canvas& out, std::string& error) {
    return sized_grid(grids, "icon16", 16, out, error);
}

// The large icon is the block itself, which reads well at that size.
bool build_icon_large(const PixelGrids& grids, Canvas& out, std::string& error) {
    return build_block_frame(grids, 0, out, error);
}

bool build_icon_sized(const PixelGrids& grids, int size, Canvas& out, std::string& error) {
    if (size < 1 || size > ICON_ART_MAX_SIDE) {
        error = "an icon's size must be 1 to " + std::to_string(ICON_ART_MAX_SIDE);
        return false;
    }
    Canvas source;
    if (!(size < 32 ? build_icon_small(grids, source, error)
                    : build_icon_large(grids, source, error)))
        return false;
    out = canvas_make(size, size, 0);
    // Nearest neighbour, so that the picture stays as crisp as at its own size.
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            canvas_put(out, x, y,
                       canvas_get(source, x * source.width / size, y * source.height / size));
    return true;
}

bool build_cursor(const PixelGrids& grids, Canvas& out, std::string& error) {
    return sized_grid(grids, "cursor", 32, out, error);
}
