// Colour packing and nearest-colour mapping for true-colour pictures. The mapping remembers
// its answers in a table indexed by a hash of the colour, so a picture of few colours costs
// one search per colour rather than one per pixel, and any palette change starts it afresh.
#include "engine/image/picture_colours.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t SLOTS = 1 << 16;

struct NearestCache {
    PaletteEntry palette[256];
    std::int32_t key;
    bool valid;
    std::uint32_t colour[SLOTS]; // colour + 1 (0: empty)
    std::uint8_t index[SLOTS];
    std::uint8_t by_red[256]; // every entry but the key, in order of red
    std::int32_t count;
};

NearestCache cache;

std::int32_t distance(const PaletteEntry& entry, std::int32_t red, std::int32_t green,
                      std::int32_t blue) {
    const std::int32_t dr = entry.red - red;
    const std::int32_t dg = entry.green - green;
    const std::int32_t db = entry.blue - blue;
    return dr * dr + dg * dg + db * db;
}

// The entries but the key in order of red: the search walks out from the colour's red both
// ways and stops on each side once red alone is farther than the best found.
void sort_by_red() {
    cache.count = 0;
    for (std::int32_t i = 0; i < 256; ++i)
        if (i != cache.key) cache.by_red[cache.count++] = static_cast<std::uint8_t>(i);
    std::stable_sort(cache.by_red, cache.by_red + cache.count, [](std::uint8_t a, std::uint8_t b) {
        return cache.palette[a].red < cache.palette[b].red;
    });
}

// Whether entry e is nearer than the best so far, or as near with a lower index.
void consider(std::int32_t e, std::int32_t red, std::int32_t green, std::int32_t blue,
              std::int32_t* best, std::int32_t* best_distance) {
    const std::int32_t d = distance(cache.palette[e], red, green, blue);
    if (d < *best_distance || (d == *best_distance && e < *best)) {
        *best = e;
        *best_distance = d;
    }
}

std::uint8_t search(std::int32_t red, std::int32_t green, std::int32_t blue) {
    const PaletteEntry& keyed = cache.palette[cache.key];
    if (keyed.red == red && keyed.green == green && keyed.blue == blue)
        return static_cast<std::uint8_t>(cache.key);
    const std::uint8_t* order = cache.by_red;
    std::int32_t up = static_cast<std::int32_t>(
        std::lower_bound(order, order + cache.count, red,
                         [](std::uint8_t e, std::int32_t r) { return cache.palette[e].red < r; }) -
        order);
    std::int32_t down = up - 1;
    std::int32_t best = 256, best_distance = 1 << 30;
    while (up < cache.count || down >= 0) {
        if (up < cache.count) {
            const std::int32_t dr = cache.palette[order[up]].red - red;
            if (dr * dr > best_distance)
                up = cache.count;
            else
                consider(order[up++], red, green, blue, &best, &best_distance);
        }
        if (down >= 0) {
            const std::int32_t dr = red - cache.palette[order[down]].red;
            if (dr * dr > best_distance)
                down = -1;
            else
                consider(order[down--], red, green, blue, &best, &best_distance);
        }
    }
    return static_cast<std::uint8_t>(best);
}

} // namespace

void palette_nearest_use(const PaletteEntry* palette, std::int32_t key) {
    key &= 0xFF;
    bool same = cache.valid && cache.key == key;
    for (std::int32_t i = 0; same && i < 256; ++i)
        same = cache.palette[i].red == palette[i].red &&
               cache.palette[i].green == palette[i].green &&
               cache.palette[i].blue == palette[i].blue;
    if (same) return;
    std::memcpy(cache.palette, palette, sizeof cache.palette);
    std::memset(cache.colour, 0, sizeof cache.colour);
    cache.key = key;
    cache.valid = true;
    sort_by_red();
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

std::uint8_t palette_nearest(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    const std::uint32_t colour = static_cast<std::uint32_t>(red) << 16 | green << 8 | blue;
    const std::size_t slot = ((colour * 2654435761u) >> 16) & (SLOTS - 1);
    if (cache.colour[slot] == colour + 1) return cache.index[slot];
    const std::uint8_t found = search(red, green, blue);
    cache.colour[slot] = colour + 1;
    cache.index[slot] = found;
    return found;
}
