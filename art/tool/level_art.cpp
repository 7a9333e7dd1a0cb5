#include "art/tool/level_art.h"

#include "art/tool/palette_design.h"
#include "art/tool/scenery.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace {

struct TerrainPoint {
    int x, top;
};

// The main ground's upper edge from left to right; two points at one x make a step.
// Start area at 440, a slope up to a plateau, steps down to the long field under the
// block, a slope up to the right edge.
constexpr TerrainPoint GROUND_EDGE[] = {{0, 440},   {150, 440}, {222, 404}, {330, 404}, {330, 412},
                                        {340, 412}, {340, 420}, {350, 420}, {350, 428}, {360, 428},
                                        {360, 436}, {604, 436}, {626, 406}, {640, 406}};

// Floating islands: flat tops to stand on, rocky undersides. Each is within one held
// jump (180 pixels of rise) of the one below it.
struct Platform {
    int x0, x1, top, depth;
};
constexpr Platform PLATFORMS[] = {
    {84, 172, 352, 18}, {236, 324, 296, 18}, {396, 476, 232, 18}, {120, 196, 176, 16}};

int ground_top(int x) {
    int top = GROUND_EDGE[0].top;
    for (std::size_t i = 0; i + 1 < std::size(GROUND_EDGE); ++i) {
        const TerrainPoint a = GROUND_EDGE[i], b = GROUND_EDGE[i + 1];
        if (x >= a.x && x < b.x) return a.top + (b.top - a.top) * (x - a.x) / (b.x - a.x);
        if (x >= b.x) top = b.top;
    }
    return top;
}

// Depth of an island's underside below its top at column x: deepest in the middle,
// with a little rock jaggedness that stays the same from build to build.
int platform_depth(const Platform& p, int x) {
    const double half = (p.x1 - p.x0) / 2.0;
    const double u = (x - p.x0 - half) / half;
    const double round = std::sqrt(std::max(0.0, 1.0 - u * u));
    const int jag = ((x * 37 + p.top * 11) % 7) / 3;
    return 6 + static_cast<int>((p.depth - 6) * round) + jag;
}

void paint_sky_and_far_scenery(Canvas& canvas) {
    draw_sky(canvas, RAMP_SKY, 0, 400, 8, 30);
    draw_sun(canvas, 560, 70, 22);
    draw_cloud(canvas, 30, 60, 8);
    draw_cloud(canvas, 250, 36, 5);
    draw_cloud(canvas, 340, 120, 7);
    draw_cloud(canvas, 470, 180, 4);
    draw_cloud(canvas, 8, 250, 4);
    draw_hills(canvas, HillBand{&RAMP_SLATE, 300, 50, 90, 10, 6});
    draw_hills(canvas, HillBand{&RAMP_TEAL, 345, 30, 400, 9, 4});
    const HillBand near{&RAMP_MOSS, 385, 22, 170, 8, 3};
    for (int x : {30, 270, 300, 500, 610})
        draw_pine(canvas, x, hill_crest(near, x) + 8, 46, RAMP_MOSS);
    draw_hills(canvas, near);
}

// Things standing on the ground, behind the character: they sit on the grass line.
void paint_ground_scenery(Canvas& canvas) {
    draw_tree(canvas, 60, ground_top(60), 96, RAMP_GREEN);
    draw_tree(canvas, 470, ground_top(470), 80, RAMP_GREEN);
    draw_bush(canvas, 258, ground_top(258) - 1, 40, RAMP_GREEN);
    draw_bush(canvas, 372, ground_top(372) - 1, 34, RAMP_MOSS);
    draw_bramble(canvas, 496, ground_top(496) - 1, 44);
    draw_bramble(canvas, 150, ground_top(150) - 1, 30);
    draw_signpost(canvas, 100, ground_top(100) - 1);
}

// Grass along every upper edge of the ground and a dark rim along its sides and
// undersides. Both lie outside the ground, in air: the grass line is the row the
// character's feet hover over, so it looks planted without any false footing.
void trim_terrain_edges(Canvas& canvas) {
    const Canvas terrain = canvas;
    auto is_ground = [&](int x, int y) { return canvas_get(terrain, x, y) == COLOUR_GROUND; };
    std::minstd_rand random(2005);
    for (int y = 0; y < canvas.height; ++y)
        for (int x = 0; x < canvas.width; ++x) {
            if (is_ground(x, y)) continue;
            if (is_ground(x, y + 1)) {
                canvas_put(canvas, x, y, ramp_colour(RAMP_GREEN, 11));
                const int tuft = random() % 5;
                if (tuft == 0 && !is_ground(x, y - 1))
                    canvas_put(canvas, x, y - 1, ramp_colour(RAMP_GREEN, 9));
                if (tuft == 1 && !is_ground(x, y - 1)) {
                    canvas_put(canvas, x, y - 1, ramp_colour(RAMP_GREEN, 8));
                    canvas_put(canvas, x, y - 2, ramp_colour(RAMP_GREEN, 10));
                }
            } else if (is_ground(x - 1, y) || is_ground(x + 1, y) || is_ground(x, y - 1)) {
                canvas_put(canvas, x, y, ramp_colour(RAMP_BROWN, 1));
            }
        }
}

// Roots and vines hanging under the islands, behind nothing, in front of the sky.
void hang_roots(Canvas& canvas) {
    for (const Platform& p : PLATFORMS)
        for (int x = p.x0 + 8; x < p.x1 - 6; x += 13) {
            const int y0 = p.top + platform_depth(p, x) + 1;
            const int length = 4 + (x * 7 + p.top) % 9;
            for (int i = 0; i < length; ++i)
                canvas_put(canvas, x + (i / 4) % 2, y0 + i,
                           ramp_colour(i % 3 ? RAMP_GREEN : RAMP_BROWN, i % 3 ? 5 : 3));
            canvas_put(canvas, x + 1, y0 + length, ramp_colour(RAMP_RED, 10));
        }
}

void plant_flowers(Canvas& canvas) {
    const struct {
        int x;
        std::uint8_t colour;
    } flowers[] = {{70, ramp_colour(RAMP_PINK, 11)},    {112, ramp_colour(RAMP_CREAM, 15)},
                   {250, ramp_colour(RAMP_ORANGE, 11)}, {300, ramp_colour(RAMP_PINK, 12)},
                   {420, ramp_colour(RAMP_CREAM, 15)},  {500, ramp_colour(RAMP_PINK, 11)},
                   {618, ramp_colour(RAMP_ORANGE, 12)}, {150, ramp_colour(RAMP_ORANGE, 12)},
                   {270, ramp_colour(RAMP_CREAM, 15)},  {440, ramp_colour(RAMP_PINK, 12)}};
    for (const auto& f : flowers)
        draw_flower(canvas, f.x, ground_top(f.x) - 2, f.colour);
    // A little life on the islands too.
    for (const Platform& p : PLATFORMS) {
        draw_flower(canvas, p.x0 + 9, p.top - 2, ramp_colour(RAMP_PINK, 12));
        draw_mushroom(canvas, p.x1 - 10, p.top - 2);
    }
    draw_mushroom(canvas, 30, ground_top(30) - 2);
}

} // namespace

void paint_level_terrain(Canvas& canvas) {
    for (int x = 0; x < canvas.width; ++x)
        draw_vline(canvas, x, ground_top(x), canvas.height - 1, COLOUR_GROUND);
    for (const Platform& p : PLATFORMS)
        for (int x = p.x0; x <= p.x1; ++x)
            draw_vline(canvas, x, p.top, p.top + platform_depth(p, x), COLOUR_GROUND);
}

Canvas draw_level() {
    Canvas canvas = canvas_make(640, 480, ramp_colour(RAMP_SKY, 20));
    paint_sky_and_far_scenery(canvas);
    paint_ground_scenery(canvas);
    hang_roots(canvas);
    paint_level_terrain(canvas);
    trim_terrain_edges(canvas);
    plant_flowers(canvas);
    return canvas;
}
