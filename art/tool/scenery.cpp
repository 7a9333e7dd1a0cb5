#include "art/tool/scenery.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int BAYER4[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

} // namespace

std::uint8_t dithered_step(const ColourRamp& ramp, int level16, int x, int y) {
    if (level16 < 0) level16 = 0;
    const int step = level16 / 16;
    const int frac = level16 % 16;
    return ramp_colour(ramp, step + (BAYER4[y & 3][x & 3] < frac ? 1 : 0));
}

void draw_sky(Canvas& canvas, const ColourRamp& ramp, int y0, int y1, int top_step,
              int bottom_step) {
    const int span = std::max(y1 - y0, 1);
    for (int y = y0; y <= y1; ++y) {
        const int level = top_step * 16 + (bottom_step - top_step) * 16 * (y - y0) / span;
        for (int x = 0; x < canvas.width; ++x)
            canvas_put(canvas, x, y, dithered_step(ramp, level, x, y));
    }
}

void draw_sun(Canvas& canvas, int cx, int cy, int radius) {
    // The glow lifts whatever sky colour lies behind it a few steps up its ramp, fading
    // outwards through the dither so no hard rings show.
    const int reach = radius * 3;
    for (int y = cy - reach; y <= cy + reach; ++y)
        for (int x = cx - reach; x <= cx + reach; ++x) {
            const double d = std::hypot(x - cx, y - cy) / radius;
            const std::uint8_t behind = canvas_get(canvas, x, y);
            if (d <= 1.0) {
                canvas_put(canvas, x, y, ramp_colour(RAMP_GOLD, d < 0.75 ? 15 : 14));
            } else if (d < 1.15) {
                canvas_put(canvas, x, y, ramp_colour(RAMP_CREAM, 15));
            } else if (d < 3.0 && behind >= RAMP_SKY.first &&
                       behind < RAMP_SKY.first + RAMP_SKY.count) {
                const int lift16 = static_cast<int>((3.0 - d) / 1.85 * 10 * 16);
                const int level = (behind - RAMP_SKY.first) * 16 + lift16;
                canvas_put(canvas, x, y, dithered_step(RAMP_SKY, level, x, y));
            }
        }
}

void draw_cloud(Canvas& canvas, int x, int y, int size) {
    struct Puff {
        int dx, dy, r;
    };
    const Puff puffs[] = {{0, 0, 5}, {5, -3, 6}, {11, -5, 7}, {17, -2, 6}, {22, 0, 5}, {11, 1, 6}};
    // Undersides in a soft lilac, then the lit body offset upward, then highlights.
    for (const Puff& p : puffs)
        fill_ellipse(canvas, x + p.dx * size / 4, y + p.dy * size / 4 + size / 4,
                     p.r * size / 4 + 1, p.r * size / 5 + 1, ramp_colour(RAMP_SLATE, 12));
    for (const Puff& p : puffs)
        fill_ellipse(canvas, x + p.dx * size / 4, y + p.dy * size / 4, p.r * size / 4,
                     p.r * size / 5, ramp_colour(RAMP_CREAM, 14));
    for (const Puff& p : puffs)
        fill_ellipse(canvas, x + p.dx * size / 4 - size / 4, y + p.dy * size / 4 - size / 5,
                     p.r * size / 8, p.r * size / 10, ramp_colour(RAMP_GREY, 14));
}

int hill_crest(const HillBand& band, int x) {
    const double t = (x + band.phase) / 640.0 * 6.2831853;
    const double wave =
        0.55 * std::sin(t * 1.3) + 0.3 * std::sin(t * 2.9 + 1.7) + 0.15 * std::sin(t * 6.1 + 0.4);
    return band.base_y - static_cast<int>(wave * band.amplitude);
}

void draw_hills(Canvas& canvas, const HillBand& band) {
    for (int x = 0; x < canvas.width; ++x) {
        const int crest = hill_crest(band, x);
        const int span = std::max(canvas.height - crest, 1);
        for (int y = crest; y < canvas.height; ++y) {
            const int level =
                band.top_step * 16 + (band.bottom_step - band.top_step) * 16 * (y - crest) / span;
            canvas_put(canvas, x, y, dithered_step(*band.ramp, level, x, y));
        }
        canvas_put(canvas, x, crest, ramp_colour(*band.ramp, band.top_step + 2));
    }
}

void draw_tree(Canvas& canvas, int x, int base_y, int height, const ColourRamp& leaves) {
    const int trunk_w = std::max(height / 10, 3);
    const int crown_r = height * 2 / 5;
    fill_rect(canvas, x - trunk_w / 2, base_y - height / 2, trunk_w, height / 2 + 1,
              ramp_colour(RAMP_BROWN, 4));
    draw_vline(canvas, x - trunk_w / 2, base_y - height / 2, base_y, ramp_colour(RAMP_BROWN, 2));
    draw_vline(canvas, x + trunk_w / 2, base_y - height / 2, base_y, ramp_colour(RAMP_BROWN, 6));
    const int cy = base_y - height + crown_r;
    fill_ellipse(canvas, x, cy + 2, crown_r + 1, crown_r * 4 / 5 + 1, ramp_colour(leaves, 2));
    fill_ellipse(canvas, x - crown_r / 3, cy, crown_r * 3 / 4, crown_r * 3 / 5,
                 ramp_colour(leaves, 5));
    fill_ellipse(canvas, x + crown_r / 3, cy - crown_r / 5, crown_r * 2 / 3, crown_r / 2,
                 ramp_colour(leaves, 7));
    fill_ellipse(canvas, x - crown_r / 4, cy - crown_r / 3, crown_r / 3, crown_r / 4,
                 ramp_colour(leaves, 10));
}

void draw_pine(Canvas& canvas, int x, int base_y, int height, const ColourRamp& needles) {
    draw_vline(canvas, x, base_y - height / 4, base_y, ramp_colour(RAMP_BROWN, 3));
    for (int y = 0; y < height * 7 / 8; ++y) {
        const int yy = base_y - height / 8 - y;
        const int half = (height * 7 / 8 - y) / 3 + ((y % 6) < 2 ? 1 : 0);
        draw_hline(canvas, x - half, x, yy, ramp_colour(needles, 3));
        draw_hline(canvas, x + 1, x + half, yy, ramp_colour(needles, 5));
    }
}

void draw_bush(Canvas& canvas, int x, int base_y, int width, const ColourRamp& leaves) {
    const int r = width / 4;
    fill_ellipse(canvas, x + r, base_y - r / 2, r + 1, r, ramp_colour(leaves, 3));
    fill_ellipse(canvas, x + width - r, base_y - r / 2, r + 1, r, ramp_colour(leaves, 3));
    fill_ellipse(canvas, x + width / 2, base_y - r, r * 3 / 2, r + 2, ramp_colour(leaves, 5));
    fill_ellipse(canvas, x + width / 2 - r / 2, base_y - r - r / 2, r / 2 + 1, r / 3 + 1,
                 ramp_colour(leaves, 9));
    // A few berries: the brambles of the title.
    canvas_put(canvas, x + r, base_y - r, ramp_colour(RAMP_RED, 9));
    canvas_put(canvas, x + width / 2 + 2, base_y - r / 2, ramp_colour(RAMP_RED, 9));
    canvas_put(canvas, x + width - r + 1, base_y - r - 1, ramp_colour(RAMP_RED, 11));
}

void draw_flower(Canvas& canvas, int x, int base_y, std::uint8_t petal) {
    draw_vline(canvas, x, base_y - 3, base_y, ramp_colour(RAMP_GREEN, 6));
    canvas_put(canvas, x - 1, base_y - 4, petal);
    canvas_put(canvas, x + 1, base_y - 4, petal);
    canvas_put(canvas, x, base_y - 5, petal);
    canvas_put(canvas, x, base_y - 3, petal);
    canvas_put(canvas, x, base_y - 4, ramp_colour(RAMP_GOLD, 13));
}

void draw_panel(Canvas& canvas, int x, int y, int w, int h, const ColourRamp& ramp, int body_step) {
    fill_rect(canvas, x + 4, y + 4, w, h, ramp_colour(RAMP_GREY, 0)); // drop shadow
    fill_rect(canvas, x, y, w, h, ramp_colour(ramp, body_step));
    frame_rect(canvas, x, y, w, h, ramp_colour(RAMP_GREY, 0));
    draw_hline(canvas, x + 1, x + w - 2, y + 1, ramp_colour(ramp, body_step + 5));
    draw_vline(canvas, x + 1, y + 1, y + h - 2, ramp_colour(ramp, body_step + 5));
    draw_hline(canvas, x + 2, x + w - 2, y + h - 2, ramp_colour(ramp, body_step - 2));
    draw_vline(canvas, x + w - 2, y + 2, y + h - 2, ramp_colour(ramp, body_step - 2));
    frame_rect(canvas, x + 3, y + 3, w - 6, h - 6, ramp_colour(ramp, body_step - 1));
}

void draw_signpost(Canvas& canvas, int x, int base_y) {
    fill_rect(canvas, x - 1, base_y - 22, 3, 23, ramp_colour(RAMP_BROWN, 5));
    draw_vline(canvas, x + 1, base_y - 22, base_y, ramp_colour(RAMP_BROWN, 3));
    // The board, with an arrow-shaped right end.
    const int top = base_y - 30, left = x - 12, right = x + 10;
    for (int y = 0; y < 11; ++y) {
        const int tip = right + 5 - std::abs(y - 5);
        draw_hline(canvas, left, tip, top + y, ramp_colour(RAMP_BROWN, y < 2 ? 10 : 8));
        canvas_put(canvas, left, top + y, ramp_colour(RAMP_BROWN, 2));
        canvas_put(canvas, tip, top + y, ramp_colour(RAMP_BROWN, 2));
    }
    draw_hline(canvas, left, right, top, ramp_colour(RAMP_BROWN, 2));
    draw_hline(canvas, left, right, top + 10, ramp_colour(RAMP_BROWN, 2));
    // A painted arrow on the board.
    draw_hline(canvas, left + 4, right - 1, top + 5, ramp_colour(RAMP_RED, 6));
    for (int i = 1; i <= 3; ++i) {
        canvas_put(canvas, right - 1 - i, top + 5 - i, ramp_colour(RAMP_RED, 6));
        canvas_put(canvas, right - 1 - i, top + 5 + i, ramp_colour(RAMP_RED, 6));
    }
}

void draw_bramble(Canvas& canvas, int x, int base_y, int width) {
    const std::uint8_t cane = ramp_colour(RAMP_RED, 2);
    const std::uint8_t thorn = ramp_colour(RAMP_RED, 5);
    // A dark leafy mound first, the canes arching out of it.
    fill_ellipse(canvas, x + width / 2, base_y - width / 6, width / 2, width / 4 + 1,
                 ramp_colour(RAMP_GREEN, 2));
    fill_ellipse(canvas, x + width / 2 - 2, base_y - width / 5 - 1, width / 3, width / 6,
                 ramp_colour(RAMP_GREEN, 4));
    // Arching canes: half-ellipse arcs of differing spans.
    for (int arc = 0; arc < 4; ++arc) {
        const int span = width / 2 + arc * width / 8;
        const int x0 = x + arc * width / 7;
        const int rise = 10 + (arc % 2) * 6;
        for (int i = 0; i <= span; ++i) {
            const double t = static_cast<double>(i) / span;
            const int y = base_y - static_cast<int>(std::sin(t * 3.14159) * rise);
            canvas_put(canvas, x0 + i, y, cane);
            if (i % 5 == 2) canvas_put(canvas, x0 + i, y - 1, thorn);
        }
    }
    for (int i = 0; i < width; i += 5) {
        const int y = base_y - 4 - (i * 7 % 11);
        fill_ellipse(canvas, x + i, y, 2, 1, ramp_colour(RAMP_GREEN, 3 + (i % 3)));
    }
    for (int i = 3; i < width; i += 7) {
        const int y = base_y - 6 - (i * 5 % 9);
        canvas_put(canvas, x + i, y, ramp_colour(RAMP_PURPLE, 1));
        canvas_put(canvas, x + i + 1, y, ramp_colour(RAMP_PURPLE, 2));
        canvas_put(canvas, x + i, y + 1, ramp_colour(RAMP_PURPLE, 2));
        canvas_put(canvas, x + i + 1, y + 1, ramp_colour(RAMP_PURPLE, 0));
        canvas_put(canvas, x + i, y - 1, ramp_colour(RAMP_GREY, 9));
    }
}

void draw_vine(Canvas& canvas, int x0, int x1, int y, int amplitude) {
    const std::uint8_t cane = ramp_colour(RAMP_RED, 3);
    const std::uint8_t cane_lit = ramp_colour(RAMP_RED, 6);
    for (int x = x0; x <= x1; ++x) {
        const int yy = y + static_cast<int>(std::sin((x - x0) / 9.0) * amplitude);
        canvas_put(canvas, x, yy, cane);
        canvas_put(canvas, x, yy + 1, cane);
        canvas_put(canvas, x, yy - 1, cane_lit);
        if ((x - x0) % 11 == 5) canvas_put(canvas, x, yy - 2, ramp_colour(RAMP_CREAM, 12)); // thorn
        if ((x - x0) % 18 == 9) {
            const int side = ((x - x0) / 18) % 2 ? -4 : 4;
            fill_ellipse(canvas, x + 2, yy + side, 4, 2, ramp_colour(RAMP_GREEN, 4));
            draw_hline(canvas, x, x + 4, yy + side, ramp_colour(RAMP_GREEN, 8));
        }
        if ((x - x0) % 27 == 20) {
            // A blackberry: a cluster of dark drupelets with a glint.
            fill_ellipse(canvas, x, yy + 4, 3, 3, ramp_colour(RAMP_PURPLE, 0));
            canvas_put(canvas, x - 1, yy + 3, ramp_colour(RAMP_PURPLE, 4));
            canvas_put(canvas, x + 1, yy + 5, ramp_colour(RAMP_PURPLE, 3));
            canvas_put(canvas, x - 1, yy + 2, ramp_colour(RAMP_GREY, 13));
        }
    }
}

void draw_stars(Canvas& canvas, int y_limit, int count) {
    unsigned seed = 2005;
    for (int i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        const int x = static_cast<int>((seed >> 8) % static_cast<unsigned>(canvas.width));
        seed = seed * 1103515245u + 12345u;
        const int y = static_cast<int>((seed >> 8) % static_cast<unsigned>(y_limit));
        canvas_put(canvas, x, y, ramp_colour(RAMP_SKY, 28));
        if (i % 4 == 0) {
            // The brighter ones get a small cross.
            canvas_put(canvas, x, y, ramp_colour(RAMP_GREY, 14));
            canvas_put(canvas, x - 1, y, ramp_colour(RAMP_SKY, 22));
            canvas_put(canvas, x + 1, y, ramp_colour(RAMP_SKY, 22));
            canvas_put(canvas, x, y - 1, ramp_colour(RAMP_SKY, 22));
            canvas_put(canvas, x, y + 1, ramp_colour(RAMP_SKY, 22));
        }
    }
}

void draw_mushroom(Canvas& canvas, int x, int base_y) {
    fill_rect(canvas, x - 1, base_y - 3, 3, 4, ramp_colour(RAMP_CREAM, 13));
    draw_vline(canvas, x + 1, base_y - 3, base_y, ramp_colour(RAMP_CREAM, 8));
    fill_ellipse(canvas, x, base_y - 5, 4, 3, ramp_colour(RAMP_RED, 7));
    draw_hline(canvas, x - 3, x + 3, base_y - 4, ramp_colour(RAMP_RED, 4));
    canvas_put(canvas, x - 1, base_y - 7, ramp_colour(RAMP_GREY, 14));
    canvas_put(canvas, x + 2, base_y - 6, ramp_colour(RAMP_GREY, 14));
}
