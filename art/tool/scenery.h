// Backdrop painting shared by the level, the menu and the information screens: dithered
// sky, sun, clouds, hill silhouettes, trees and bushes. None of it uses the ground colour.
#pragma once

#include "art/tool/canvas.h"
#include "art/tool/palette_design.h"

#include <cstdint>

// A 4 x 4 ordered dither between step `level / 16` of the ramp and the step above it,
// the usual way to get smooth gradients out of few palette entries.
std::uint8_t dithered_step(const ColourRamp& ramp, int level16, int x, int y);

// Sky from ramp step `top_step` at row y0 to `bottom_step` at row y1.
void draw_sky(Canvas& canvas, const ColourRamp& ramp, int y0, int y1, int top_step,
              int bottom_step);
void draw_sun(Canvas& canvas, int cx, int cy, int radius);
void draw_cloud(Canvas& canvas, int x, int y, int size);

// A band of rolling hills: outline height varies with a sum of waves; the body shades
// darker towards the bottom, the crest gets a light rim.
struct HillBand {
    const ColourRamp* ramp;
    int base_y;      // average crest height
    int amplitude;   // crest variation in pixels
    int phase;       // shifts the waves so bands differ
    int top_step;    // ramp step at the crest
    int bottom_step; // ramp step at the bottom of the canvas
};
void draw_hills(Canvas& canvas, const HillBand& band);
int hill_crest(const HillBand& band, int x);

void draw_tree(Canvas& canvas, int x, int base_y, int height, const ColourRamp& leaves);
void draw_pine(Canvas& canvas, int x, int base_y, int height, const ColourRamp& needles);
void draw_bush(Canvas& canvas, int x, int base_y, int width, const ColourRamp& leaves);
void draw_flower(Canvas& canvas, int x, int base_y, std::uint8_t petal);

// A panel with a bevelled border, as the menu and screens of the time framed their text.
void draw_panel(Canvas& canvas, int x, int y, int w, int h, const ColourRamp& ramp, int body_step);

// A wooden sign whose board points right, to send the player on their way.
void draw_signpost(Canvas& canvas, int x, int base_y);
// A bramble bush: arching thorny canes, leaves and blackberries.
void draw_bramble(Canvas& canvas, int x, int base_y, int width);

// A thorny cane waving along from x0 to x1 around row y, with leaves and blackberries.
void draw_vine(Canvas& canvas, int x0, int x1, int y, int amplitude);
// Faint stars in the upper sky, placed the same way on every build.
void draw_stars(Canvas& canvas, int y_limit, int count);

// A small red-capped mushroom whose stalk stands on base_y.
void draw_mushroom(Canvas& canvas, int x, int base_y);
