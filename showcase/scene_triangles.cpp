// Triangles: the three families side by side (float 8-bit, float 16-bit, fixed point),
// each turning in its own panel, cut to the panel by the clip rectangle.
#include "showcase/caption.h"
#include "showcase/colours.h"
#include "showcase/drawing.h"
#include "showcase/scene.h"

#include "engine/engine.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr std::int32_t PANEL_WIDTH = 190, PANEL_HEIGHT = 320, PANEL_TOP = 84;
constexpr std::int32_t PANEL_LEFT[3] = {20, 225, 430};
constexpr std::int32_t BIG_RADIUS = 118, SMALL_RADIUS = 46;

// The 16-bit family draws into words of its own; each word holds a palette index and is
// shown by copying its low byte to the screen.
std::uint16_t Words[PANEL_HEIGHT][PANEL_WIDTH];

using Triangle8 = void (*)(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                           std::int32_t, std::int32_t, std::uint8_t*, std::int32_t);

struct Corners {
    std::int32_t x[3];
    std::int32_t y[3];
};

// An equilateral triangle about (cx, cy), its first corner at `angle` degrees.
Corners corners(std::int32_t cx, std::int32_t cy, std::int32_t radius, std::int32_t angle) {
    Corners c{};
    for (int i = 0; i < 3; ++i) {
        const std::int32_t a = ((angle + i * 120) % 360 + 360) % 360;
        c.x[i] = cx + static_cast<std::int32_t>(static_cast<float>(radius) * cos_table[a]);
        c.y[i] = cy + static_cast<std::int32_t>(static_cast<float>(radius) * sin_table[a]);
    }
    return c;
}

ClipRect panel_box(int panel) {
    return {PANEL_LEFT[panel], PANEL_TOP, PANEL_LEFT[panel] + PANEL_WIDTH - 1,
            PANEL_TOP + PANEL_HEIGHT - 1};
}

// A big triangle turning one way and a small one the other, both centred in the panel.
void draw_pair8(Triangle8 triangle, int panel, std::int32_t frame, std::int32_t color,
                std::uint8_t* buffer, std::int32_t pitch) {
    const ClipRect box = panel_box(panel);
    const ClipRect saved = set_clip(box);
    const std::int32_t cx = box.min_x + PANEL_WIDTH / 2, cy = box.min_y + PANEL_HEIGHT / 2;
    const Corners big = corners(cx, cy, BIG_RADIUS, frame * 2 + panel * 40);
    triangle(big.x[0], big.y[0], big.x[1], big.y[1], big.x[2], big.y[2], color, buffer, pitch);
    const Corners small = corners(cx, cy, SMALL_RADIUS, -frame * 5);
    triangle(small.x[0], small.y[0], small.x[1], small.y[1], small.x[2], small.y[2], color + 10,
             buffer, pitch);
    restore_clip(saved);
}

// The same pair drawn with 16-bit pixels into the word panel, then shown.
void draw_pair16(int panel, std::int32_t frame, std::int32_t color, std::uint8_t* buffer,
                 std::int32_t pitch) {
    for (auto& row : Words)
        std::fill(std::begin(row), std::end(row), static_cast<std::uint16_t>(BLACK));
    const ClipRect saved = set_clip({0, 0, PANEL_WIDTH - 1, PANEL_HEIGHT - 1});
    const std::int32_t word_pitch = PANEL_WIDTH * 2;
    const Corners big =
        corners(PANEL_WIDTH / 2, PANEL_HEIGHT / 2, BIG_RADIUS, frame * 2 + panel * 40);
    draw_triangle16(big.x[0], big.y[0], big.x[1], big.y[1], big.x[2], big.y[2], color, &Words[0][0],
                    word_pitch);
    const Corners small = corners(PANEL_WIDTH / 2, PANEL_HEIGHT / 2, SMALL_RADIUS, -frame * 5);
    draw_triangle16(small.x[0], small.y[0], small.x[1], small.y[1], small.x[2], small.y[2],
                    color + 10, &Words[0][0], word_pitch);
    restore_clip(saved);
    const ClipRect box = panel_box(panel);
    for (std::int32_t y = 0; y < PANEL_HEIGHT; ++y) {
        std::uint8_t* row = buffer + (box.min_y + y) * pitch + box.min_x;
        for (std::int32_t x = 0; x < PANEL_WIDTH; ++x)
            row[x] = static_cast<std::uint8_t>(Words[y][x]);
    }
}

void draw_pixels(std::int32_t frame, std::uint8_t* buffer, std::int32_t pitch) {
    draw_pair8(draw_triangle8, 0, frame, SKY + 8, buffer, pitch);
    draw_pair16(1, frame, GOLD + 3, buffer, pitch);
    draw_pair8(draw_triangle8_fixed, 2, frame, GREEN + 3, buffer, pitch);
    for (int panel = 0; panel < 3; ++panel) {
        const ClipRect box = panel_box(panel);
        draw_box8({box.min_x - 1, box.min_y - 1, box.max_x + 1, box.max_y + 1}, GREY + 8, buffer,
                  pitch);
    }
}

void draw_surface(std::int32_t, IDirectDrawSurface7* surface) {
    const char* const names[3] = {"draw_triangle8", "draw_triangle16", "draw_triangle8_fixed"};
    const char* const kinds[3] = {"float edges, bytes", "float edges, 16-bit words",
                                  "16.16 fixed-point edges"};
    for (int panel = 0; panel < 3; ++panel) {
        label(surface, PANEL_LEFT[panel], PANEL_TOP - 36, WHITE, names[panel]);
        label(surface, PANEL_LEFT[panel], PANEL_TOP - 20, GREY + 10, kinds[panel]);
    }
    label(surface, PANEL_LEFT[0], PANEL_TOP + PANEL_HEIGHT + 10, GREY + 10,
          "Each panel is the clip rectangle while its triangles are filled.");
}

} // namespace

const Scene TRIANGLES_SCENE = {"Filled triangles",
                               "three families, split into flat-top and flat-bottom parts",
                               "triangles",
                               nullptr,
                               nullptr,
                               draw_pixels,
                               draw_surface,
                               nullptr};
