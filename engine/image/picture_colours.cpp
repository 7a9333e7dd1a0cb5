// Colour packing and nearest-colour mapping for true-colour pictures. The mapping splits the
// colour cube into 32 x 32 x 32 cells and lists, for each cell the first time a colour falls
// in it, the few entries that can be nearest to some colour there; a colour then costs a
// search of its cell's short list, and any palette change starts the lists afresh.
#include "engine/image/picture_colours.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr std::int32_t CELL_BITS = 3; // a cell spans 8 values of each channel
constexpr std::int32_t CELLS_PER_SIDE = 256 >> CELL_BITS;
constexpr std::int32_t CELLS = CELLS_PER_SIDE * CELLS_PER_SIDE * CELLS_PER_SIDE;

struct NearestGrid {
    PaletteEntry palette[256];
    std::int32_t key;
    bool valid;
    std::int32_t first[CELLS]; // start of a cell's list in `lists`; -1: not listed yet
    std::uint8_t length[CELLS];
    std::vector<std::uint8_t> lists;
};

NearestGrid grid;

std::int32_t distance(const PaletteEntry& entry, std::int32_t red, std::int32_t green,
                      std::int32_t blue) {
    const std::int32_t dr = entry.red - red;
    const std::int32_t dg = entry.green - green;
    const std::int32_t db = entry.blue - blue;
    return dr * dr + dg * dg + db * db;
}

// Squared distances from a value to the nearest and the farthest value of a cell's span.
void span_distances(std::int32_t value, std::int32_t low, std::int32_t* near, std::int32_t* far) {
    const std::int32_t high = low + (1 << CELL_BITS) - 1;
    const std::int32_t inside = value < low ? low - value : value > high ? value - high : 0;
    const std::int32_t outside = std::max(value - low, high - value);
    *near += inside * inside;
    *far += outside * outside;
}

// An entry can be nearest (or tie for nearest) to a colour in the cell only if its least
// distance to the cell is no more than the least, over all entries, of the greatest distance.
void list_cell(std::int32_t cell, std::int32_t red, std::int32_t green, std::int32_t blue) {
    std::int32_t near[256], bound = 1 << 30;
    for (std::int32_t e = 0; e < 256; ++e) {
        if (e == grid.key) continue;
        std::int32_t n = 0, f = 0;
        span_distances(grid.palette[e].red, red, &n, &f);
        span_distances(grid.palette[e].green, green, &n, &f);
        span_distances(grid.palette[e].blue, blue, &n, &f);
        near[e] = n;
        bound = std::min(bound, f);
    }
    grid.first[cell] = static_cast<std::int32_t>(grid.lists.size());
    for (std::int32_t e = 0; e < 256; ++e)
        if (e != grid.key && near[e] <= bound) grid.lists.push_back(static_cast<std::uint8_t>(e));
    grid.length[cell] = static_cast<std::uint8_t>(grid.lists.size() - grid.first[cell] - 1);
}

} // namespace

void palette_nearest_use(const PaletteEntry* palette, std::int32_t key) {
    key &= 0xFF;
    bool same = grid.valid && grid.key == key;
    for (std::int32_t i = 0; same && i < 256; ++i)
        same = grid.palette[i].red == palette[i].red && grid.palette[i].green == palette[i].green &&
               grid.palette[i].blue == palette[i].blue;
    if (same) return;
    std::memcpy(grid.palette, palette, sizeof grid.palette);
    std::fill(grid.first, grid.first + CELLS, -1);
    grid.lists.clear();
    grid.key = key;
    grid.valid = true;
}

std::uint16_t picture_word(const std::uint8_t* rgba, std::int32_t rgb_bits) {
    const std::uint32_t red = rgba[0] >> 3;
    const std::uint32_t blue = rgba[2] >> 3;
    if (rgb_bits == 15) return static_cast<std::uint16_t>(blue | (rgba[1] >> 3) << 5 | red << 10);
    return static_cast<std::uint16_t>(blue | (rgba[1] >> 2) << 5 | red << 11);
}

void picture_word_colour(std::uint16_t word, std::int32_t rgb_bits, std::uint8_t* rgb) {
    const bool five = rgb_bits == 15;
    const std::uint32_t red = five ? (word >> 10) & 31 : word >> 11;
    const std::uint32_t green = five ? (word >> 5) & 31 : (word >> 5) & 63;
    rgb[0] = static_cast<std::uint8_t>(red << 3 | red >> 2);
    rgb[1] = static_cast<std::uint8_t>(five ? green << 3 | green >> 2 : green << 2 | green >> 4);
    rgb[2] = static_cast<std::uint8_t>((word & 31) << 3 | (word & 31) >> 2);
}

// The lists hold entries in rising order, so a strict comparison keeps the lowest index on
// a tie.
std::uint8_t palette_nearest(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    if (!grid.valid) palette_nearest_use(grid.palette, 0);
    const PaletteEntry& keyed = grid.palette[grid.key];
    if (keyed.red == red && keyed.green == green && keyed.blue == blue)
        return static_cast<std::uint8_t>(grid.key);
    const std::int32_t r = red >> CELL_BITS, g = green >> CELL_BITS, b = blue >> CELL_BITS;
    const std::int32_t cell = (r * CELLS_PER_SIDE + g) * CELLS_PER_SIDE + b;
    if (grid.first[cell] < 0) list_cell(cell, r << CELL_BITS, g << CELL_BITS, b << CELL_BITS);
    const std::uint8_t* list = grid.lists.data() + grid.first[cell];
    std::int32_t best = list[0], best_distance = distance(grid.palette[best], red, green, blue);
    for (std::int32_t i = 1; i <= grid.length[cell]; ++i) {
        const std::int32_t d = distance(grid.palette[list[i]], red, green, blue);
        if (d < best_distance) {
            best = list[i];
            best_distance = d;
        }
    }
    return static_cast<std::uint8_t>(best);
}
