// The palette: a range of entries rotated every frame under rings of colour, blinking
// entries, the whole palette as a grid, and text in an RGB colour and in a palette index.
#include "showcase/caption.h"
#include "showcase/colours.h"
#include "showcase/drawing.h"
#include "showcase/scene.h"

#include "engine/engine.h"

#include <cstdio>

namespace {

// Four ramps in a row (orange, moss, cream, pink) turn as one ring of 64 colours.
constexpr std::int32_t CYCLE_FIRST = ORANGE;
constexpr std::int32_t CYCLE_LAST = PINK + RAMP_LENGTH - 1;
constexpr std::int32_t CYCLE_LENGTH = CYCLE_LAST - CYCLE_FIRST + 1;
constexpr ClipRect RINGS = {16, 64, 335, 383};
constexpr std::int32_t GRID_LEFT = 384, GRID_TOP = 64, GRID_CELL = 11;
constexpr std::int32_t LAMP_TOP = 300, LAMP_SIZE = 40, LAMP_GAP = 22;
constexpr std::int32_t LAMP_COUNT = 4;

struct Lamp {
    PaletteEntry on;
    PaletteEntry off;
    std::int32_t on_time;
    std::int32_t off_time;
};

const Lamp LAMPS[LAMP_COUNT] = {
    {{255, 60, 40, 0}, {70, 10, 10, 0}, 10, 10},
    {{80, 255, 90, 0}, {10, 60, 20, 0}, 4, 12},
    {{255, 220, 40, 0}, {70, 55, 0, 0}, 3, 3},
    {{90, 170, 255, 0}, {10, 30, 80, 0}, 20, 6},
};

std::int32_t LampSlots[LAMP_COUNT];

void enter() {
    for (std::int32_t i = 0; i < LAMP_COUNT; ++i) {
        PaletteBlinker blinker = {};
        blinker.color_index = SPARE_ENTRIES[i];
        blinker.on_color = LAMPS[i].on;
        blinker.off_color = LAMPS[i].off;
        blinker.on_time = LAMPS[i].on_time;
        blinker.off_time = LAMPS[i].off_time;
        LampSlots[i] = blink_palette(BLINK_ADD, &blinker, 0);
    }
}

void step(std::int32_t) {
    rotate_palette(CYCLE_FIRST, CYCLE_LAST);
    blink_palette(BLINK_RUN, nullptr, 0);
}

void leave() {
    for (std::int32_t slot : LampSlots)
        blink_palette(BLINK_DELETE, nullptr, slot);
}

// Rings by the fast distance estimate, which makes them octagons; as the palette turns,
// the colours travel outwards.
void draw_rings(std::uint8_t* buffer, std::int32_t pitch) {
    const std::int32_t cx = (RINGS.min_x + RINGS.max_x) / 2;
    const std::int32_t cy = (RINGS.min_y + RINGS.max_y) / 2;
    for (std::int32_t y = RINGS.min_y; y <= RINGS.max_y; ++y) {
        std::uint8_t* row = buffer + y * pitch;
        for (std::int32_t x = RINGS.min_x; x <= RINGS.max_x; ++x) {
            const std::int32_t distance = fast_distance_2d(x - cx, y - cy);
            row[x] = static_cast<std::uint8_t>(CYCLE_FIRST + (distance / 2) % CYCLE_LENGTH);
        }
    }
}

void draw_grid(std::uint8_t* buffer, std::int32_t pitch) {
    for (std::int32_t index = 0; index < 256; ++index) {
        const std::int32_t x = GRID_LEFT + (index % 16) * GRID_CELL;
        const std::int32_t y = GRID_TOP + (index / 16) * GRID_CELL;
        fill_box8({x, y, x + GRID_CELL - 2, y + GRID_CELL - 2}, index, buffer, pitch);
    }
}

void draw_lamps(std::uint8_t* buffer, std::int32_t pitch) {
    for (std::int32_t i = 0; i < LAMP_COUNT; ++i) {
        const std::int32_t x = GRID_LEFT + i * (LAMP_SIZE + LAMP_GAP);
        draw_box8({x - 1, LAMP_TOP - 1, x + LAMP_SIZE, LAMP_TOP + LAMP_SIZE}, GREY + 9, buffer,
                  pitch);
        fill_box8({x, LAMP_TOP, x + LAMP_SIZE - 1, LAMP_TOP + LAMP_SIZE - 1}, SPARE_ENTRIES[i],
                  buffer, pitch);
    }
}

void draw_pixels(std::int32_t, std::uint8_t* buffer, std::int32_t pitch) {
    draw_rings(buffer, pitch);
    draw_grid(buffer, pitch);
    draw_lamps(buffer, pitch);
}

void draw_surface(std::int32_t frame, IDirectDrawSurface7* surface) {
    label(surface, RINGS.min_x, 44, WHITE, "rotate_palette(187, 250) every frame");
    label(surface, GRID_LEFT, 44, WHITE, "all 256 entries");
    char entries[64];
    std::snprintf(entries, sizeof entries, "blink_palette: %d, %d, %d, %d", SPARE_ENTRIES[0],
                  SPARE_ENTRIES[1], SPARE_ENTRIES[2], SPARE_ENTRIES[3]);
    label(surface, GRID_LEFT, LAMP_TOP - 20, WHITE, entries);
    char count[48];
    std::snprintf(count, sizeof count, "BLINK_RUN calls: %d", frame + 1);
    label(surface, GRID_LEFT, LAMP_TOP + LAMP_SIZE + 6, GREY + 10, count);
    draw_text_rgb("draw_text_rgb: RGB(255, 200, 90)", RINGS.min_x, 398, RGB(255, 200, 90), surface);
    char index_text[64];
    std::snprintf(index_text, sizeof index_text, "draw_text_index: palette index %d", SKY + 24);
    draw_text_index(index_text, RINGS.min_x, 418, SKY + 24, surface);
}

} // namespace

const Scene PALETTE_SCENE = {"Palettes and text",
                             "colour cycling, blinking entries, text in RGB and palette colours",
                             "palette",
                             enter,
                             step,
                             draw_pixels,
                             draw_surface,
                             leave};
