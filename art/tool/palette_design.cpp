#include "art/tool/palette_design.h"

namespace {

struct Rgb {
    int r, g, b;
};

// Three-point ramps read better than two-point ones: the middle colour sets the hue
// that most of a shaded shape shows, the ends give its shadow and its highlight.
void fill_ramp(GamePalette& palette, const ColourRamp& ramp, Rgb dark, Rgb mid, Rgb light) {
    const int last = ramp.count - 1;
    for (int i = 0; i <= last; ++i) {
        const int half = last / 2;
        Rgb a = i <= half ? dark : mid;
        Rgb b = i <= half ? mid : light;
        const int span = i <= half ? half : last - half;
        const int t = i <= half ? i : i - half;
        PaletteEntry& e = palette[ramp.first + i];
        e.red = static_cast<std::uint8_t>(a.r + (b.r - a.r) * t / span);
        e.green = static_cast<std::uint8_t>(a.g + (b.g - a.g) * t / span);
        e.blue = static_cast<std::uint8_t>(a.b + (b.b - a.b) * t / span);
        e.flags = 0;
    }
}

void set_entry(GamePalette& palette, int index, Rgb c) {
    palette[index] = PaletteEntry{static_cast<std::uint8_t>(c.r), static_cast<std::uint8_t>(c.g),
                                  static_cast<std::uint8_t>(c.b), 0};
}

} // namespace

const ColourRamp* find_ramp(std::string_view name) {
    for (const ColourRamp& ramp : ALL_RAMPS)
        if (name == ramp.name) return &ramp;
    return nullptr;
}

GamePalette build_game_palette() {
    GamePalette palette{};
    set_entry(palette, COLOUR_BLACK, {0, 0, 0});
    fill_ramp(palette, RAMP_GREY, {14, 14, 18}, {120, 120, 128}, {255, 255, 255});
    fill_ramp(palette, RAMP_SKY, {24, 40, 112}, {72, 132, 220}, {206, 232, 252});
    fill_ramp(palette, RAMP_GREEN, {10, 40, 18}, {48, 136, 44}, {188, 236, 112});
    fill_ramp(palette, RAMP_BROWN, {34, 18, 8}, {122, 74, 36}, {226, 184, 128});
    fill_ramp(palette, RAMP_SKIN, {112, 58, 36}, {222, 150, 108}, {255, 222, 192});
    fill_ramp(palette, RAMP_RED, {52, 6, 14}, {196, 32, 40}, {255, 164, 150});
    fill_ramp(palette, RAMP_GOLD, {96, 44, 0}, {236, 164, 16}, {255, 252, 196});
    fill_ramp(palette, RAMP_BLUE, {8, 14, 52}, {40, 84, 196}, {176, 208, 255});
    fill_ramp(palette, RAMP_PURPLE, {24, 12, 44}, {104, 72, 148}, {214, 190, 236});
    fill_ramp(palette, RAMP_SLATE, {30, 40, 60}, {104, 124, 156}, {200, 214, 232});
    fill_ramp(palette, RAMP_TEAL, {10, 50, 56}, {56, 140, 132}, {170, 228, 214});
    fill_ramp(palette, RAMP_ORANGE, {100, 30, 4}, {238, 120, 32}, {255, 214, 150});
    fill_ramp(palette, RAMP_MOSS, {22, 56, 40}, {86, 150, 88}, {184, 222, 150});
    fill_ramp(palette, RAMP_CREAM, {120, 96, 64}, {222, 200, 156}, {255, 250, 236});
    fill_ramp(palette, RAMP_PINK, {96, 36, 72}, {224, 120, 168}, {255, 218, 236});
    // The ground is one flat earth colour that nothing else in the palette repeats, so the
    // physics can tell it from every decoration by its index alone.
    set_entry(palette, COLOUR_GROUND, {150, 98, 54});
    set_entry(palette, COLOUR_TRANSPARENT, {255, 0, 255});
    set_entry(palette, 168, {0, 0, 0});
    set_entry(palette, 169, {0, 0, 0});
    set_entry(palette, 251, {0, 0, 0});
    set_entry(palette, 252, {0, 0, 0});
    set_entry(palette, 254, {0, 0, 0});
    set_entry(palette, 255, {255, 255, 255});
    return palette;
}
