#include "art/tool/sprite_sheets.h"

#include "art/tool/palette_design.h"

namespace {

const std::uint8_t GRID_LINE = ramp_colour(RAMP_SLATE, 4);

bool fetch(const PixelGrids& grids, const char* name, int w, int h, const Canvas*& out,
           std::string& error) {
    out = find_grid(grids, name);
    if (!out) {
        error = std::string("no grid named '") + name + "'";
        return false;
    }
    if (out->width != w || out->height != h) {
        error = std::string("grid '") + name + "' must be " + std::to_string(w) + " x " +
                std::to_string(h);
        return false;
    }
    return true;
}

// A sheet of grid lines whose cells are cleared to the transparent colour.
Canvas empty_sheet(int width, int height, int columns, int rows, int w, int h) {
    Canvas sheet = canvas_make(width, height, GRID_LINE);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            fill_rect(sheet, cell_left(c, w), cell_top(r, h), w, h, COLOUR_TRANSPARENT);
    return sheet;
}

} // namespace

int cell_left(int column, int w) {
    return column * (w + 1) + 1;
}
int cell_top(int row, int h) {
    return row * (h + 1) + 1;
}

bool build_player_sheet(const PixelGrids& grids, Canvas& sheet, std::string& error) {
    // Row 0 faces right; row 1 is its mirror image; the wave sits at cell (1, 2).
    const char* right_frames[] = {"stand", "walk1", "walk2", "walk3", "air"};
    sheet = empty_sheet(128, 100, 5, 3, PLAYER_CELL_W, PLAYER_CELL_H);
    for (int c = 0; c < 5; ++c) {
        const Canvas* frame = nullptr;
        if (!fetch(grids, right_frames[c], PLAYER_CELL_W, PLAYER_CELL_H, frame, error))
            return false;
        blit_canvas(sheet, *frame, cell_left(c, PLAYER_CELL_W), cell_top(0, PLAYER_CELL_H), 256);
        blit_canvas(sheet, mirror_canvas(*frame), cell_left(c, PLAYER_CELL_W),
                    cell_top(1, PLAYER_CELL_H), 256);
    }
    const Canvas* wave = nullptr;
    if (!fetch(grids, "wave", PLAYER_CELL_W, PLAYER_CELL_H, wave, error)) return false;
    blit_canvas(sheet, *wave, cell_left(1, PLAYER_CELL_W), cell_top(2, PLAYER_CELL_H), 256);
    return true;
}

bool build_block_frame(const PixelGrids& grids, int frame, Canvas& out, std::string& error) {
    const Canvas* base = nullptr;
    if (!fetch(grids, "block", BLOCK_CELL, BLOCK_CELL, base, error)) return false;
    out = *base;
    if (frame <= 1) return true;
    // The glow brightens the gold face and the question mark by one ramp step per
    // frame; outlines and rivets keep their colours so the shape stays crisp.
    const int lift = frame - 1;
    for (std::uint8_t& p : out.pixels) {
        if (p >= RAMP_GOLD.first + 4 && p < RAMP_GOLD.first + RAMP_GOLD.count)
            p = ramp_colour(RAMP_GOLD, p - RAMP_GOLD.first + lift);
        else if (p >= RAMP_CREAM.first + 8 && p < RAMP_CREAM.first + RAMP_CREAM.count)
            p = ramp_colour(RAMP_CREAM, p - RAMP_CREAM.first + 3 * lift);
    }
    if (frame == 3) {
        // Sparkles at two corners at the peak of the glow.
        const std::uint8_t white = ramp_colour(RAMP_GREY, 14);
        for (auto [x, y] : {std::pair{5, 5}, std::pair{26, 26}}) {
            canvas_put(out, x, y, white);
            canvas_put(out, x - 1, y, white);
            canvas_put(out, x + 1, y, white);
            canvas_put(out, x, y - 1, white);
            canvas_put(out, x, y + 1, white);
        }
    }
    return true;
}

bool build_block_sheet(const PixelGrids& grids, Canvas& sheet, std::string& error) {
    sheet = empty_sheet(136, 36, 4, 1, BLOCK_CELL, BLOCK_CELL);
    for (int f = 0; f < 4; ++f) {
        Canvas frame;
        if (!build_block_frame(grids, f, frame, error)) return false;
        blit_canvas(sheet, frame, cell_left(f, BLOCK_CELL), cell_top(0, BLOCK_CELL), 256);
    }
    return true;
}
