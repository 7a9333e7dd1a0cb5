// Lines: plotted pixels, unclipped lines, clipped horizontal and vertical lines, and a fan
// of lines cut to an off-centre clip rectangle whose border is drawn.
#include "showcase/caption.h"
#include "showcase/colours.h"
#include "showcase/drawing.h"
#include "showcase/scene.h"

#include "engine/engine.h"

#include <cmath>

namespace {

constexpr std::int32_t STAR_COUNT = 140;
constexpr std::int32_t BURST_X = 110, BURST_Y = 150, BURST_RADIUS = 85, SPOKES = 36;
constexpr std::int32_t SUN_X = 110, SUN_Y = 360, SUN_RADIUS = 62;
constexpr std::int32_t BARS_LEFT = 216, BARS_BOTTOM = 420, BAR_COUNT = 10, BAR_WIDTH = 8;
constexpr ClipRect FAN_OUTER = {346, 48, 632, 444};
constexpr ClipRect FAN_CLIP = {372, 96, 610, 320};
constexpr std::int32_t FAN_X = 489, FAN_Y = 440, FAN_LENGTH = 600, FAN_LINES = 20;

std::int32_t degrees(std::int32_t angle) {
    return ((angle % 360) + 360) % 360;
}

// The same scattered points every frame, from a fixed seed; their brightness twinkles.
void draw_stars(std::int32_t frame, std::uint8_t* buffer, std::int32_t pitch) {
    std::uint32_t seed = 12345;
    for (std::int32_t i = 0; i < STAR_COUNT; ++i) {
        seed = seed * 1103515245u + 12345u;
        const std::int32_t x = static_cast<std::int32_t>((seed >> 8) % 640);
        seed = seed * 1103515245u + 12345u;
        const std::int32_t y = SCENE_TOP + static_cast<std::int32_t>((seed >> 8) % 414);
        plot_pixel8(x, y, GREY + 4 + (i + frame / 3) % 11, buffer, pitch);
    }
}

// Spokes turning about a centre, every one drawn whole without clipping.
void draw_burst(std::int32_t frame, std::uint8_t* buffer, std::int32_t pitch) {
    for (std::int32_t i = 0; i < SPOKES; ++i) {
        const std::int32_t angle = degrees(i * 10 + frame * 2);
        const std::int32_t x = BURST_X + static_cast<std::int32_t>(BURST_RADIUS * cos_table[angle]);
        const std::int32_t y = BURST_Y + static_cast<std::int32_t>(BURST_RADIUS * sin_table[angle]);
        draw_line8(BURST_X, BURST_Y, x, y, GOLD + 4 + i % 12, buffer, pitch);
    }
}

// A striped disc of horizontal lines, its gaps drifting downwards.
void draw_sun(std::int32_t frame, std::uint8_t* buffer, std::int32_t pitch) {
    for (std::int32_t dy = -SUN_RADIUS; dy <= SUN_RADIUS; ++dy) {
        const std::int32_t depth = dy + SUN_RADIUS; // 0 at the top
        const std::int32_t gap = depth / 20;
        if (gap > 0 && ((depth - frame) % 12 + 12) % 12 < gap) continue;
        const std::int32_t half =
            static_cast<std::int32_t>(std::sqrt(double(SUN_RADIUS * SUN_RADIUS - dy * dy)));
        const std::int32_t color = ORANGE + 15 - depth * 12 / (2 * SUN_RADIUS);
        draw_hline8(SUN_X - half, SUN_X + half, SUN_Y + dy, color, buffer, pitch);
    }
}

// Bars of vertical lines in segments, rising and falling like a level meter.
void draw_bars(std::int32_t frame, std::uint8_t* buffer, std::int32_t pitch) {
    for (std::int32_t bar = 0; bar < BAR_COUNT; ++bar) {
        const float wave = sin_table[degrees(bar * 40 + frame * 6)];
        const std::int32_t height = 40 + static_cast<std::int32_t>(75.0f * (1.0f + wave));
        const std::int32_t left = BARS_LEFT + bar * (BAR_WIDTH + 3);
        for (std::int32_t base = 0; base < height; base += 8) {
            const std::int32_t top = base + 6 < height ? base + 6 : height;
            const std::int32_t color = GREEN + 5 + base / 20;
            for (std::int32_t x = left; x < left + BAR_WIDTH; ++x)
                draw_vline8(BARS_BOTTOM - base, BARS_BOTTOM - top, x, color, buffer, pitch);
        }
    }
}

// The fan twice: dim within a wide rectangle, bright within the narrow one.
void draw_fan(std::int32_t frame, std::uint8_t* buffer, std::int32_t pitch) {
    draw_box8({FAN_CLIP.min_x - 1, FAN_CLIP.min_y - 1, FAN_CLIP.max_x + 1, FAN_CLIP.max_y + 1},
              WHITE, buffer, pitch);
    for (std::int32_t pass = 0; pass < 2; ++pass) {
        const ClipRect saved = set_clip(pass == 0 ? FAN_OUTER : FAN_CLIP);
        for (std::int32_t i = 0; i < FAN_LINES; ++i) {
            const std::int32_t angle = 200 + (i * 7 + frame * 2) % 140;
            const std::int32_t x = FAN_X + static_cast<std::int32_t>(FAN_LENGTH * cos_table[angle]);
            const std::int32_t y = FAN_Y + static_cast<std::int32_t>(FAN_LENGTH * sin_table[angle]);
            const std::int32_t color = pass == 0 ? SLATE + 4 : GOLD + 6 + i % 10;
            draw_clip_line8(FAN_X, FAN_Y, x, y, color, buffer, pitch);
        }
        restore_clip(saved);
    }
}

void draw_pixels(std::int32_t frame, std::uint8_t* buffer, std::int32_t pitch) {
    draw_stars(frame, buffer, pitch);
    draw_burst(frame, buffer, pitch);
    draw_sun(frame, buffer, pitch);
    draw_bars(frame, buffer, pitch);
    draw_fan(frame, buffer, pitch);
}

void draw_surface(std::int32_t, IDirectDrawSurface7* surface) {
    label(surface, 40, 244, GOLD + 12, "draw_line8");
    label(surface, 40, 432, ORANGE + 12, "draw_hline8");
    label(surface, BARS_LEFT, 432, GREEN + 12, "draw_vline8");
    label(surface, FAN_CLIP.min_x, FAN_CLIP.max_y + 8, SKY + 28, "draw_clip_line8, clipped to");
    label(surface, FAN_CLIP.min_x, FAN_CLIP.max_y + 24, SKY + 28,
          "(372, 96) - (610, 320), border drawn");
}

} // namespace

const Scene LINES_SCENE = {"Lines and clipping",
                           "plot_pixel8, draw_line8, draw_hline8, draw_vline8, clip_line",
                           "lines",
                           nullptr,
                           nullptr,
                           draw_pixels,
                           draw_surface,
                           nullptr};
