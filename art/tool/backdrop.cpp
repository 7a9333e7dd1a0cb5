#include "art/tool/backdrop.h"

#include "art/tool/palette_design.h"
#include "art/tool/scenery.h"

Canvas draw_screen_backdrop() {
    Canvas canvas = canvas_make(640, 480, ramp_colour(RAMP_SKY, 10));
    draw_sky(canvas, RAMP_SKY, 0, 330, 2, 20);
    // A warm band low in the sky, as the sun goes down behind the hills.
    draw_sky(canvas, RAMP_ORANGE, 331, 380, 12, 15);
    draw_stars(canvas, 150, 48);
    draw_cloud(canvas, 30, 70, 5);
    draw_cloud(canvas, 520, 50, 6);
    draw_cloud(canvas, 460, 200, 3);
    draw_cloud(canvas, 60, 230, 3);
    draw_hills(canvas, HillBand{&RAMP_PURPLE, 330, 40, 30, 7, 3});
    draw_hills(canvas, HillBand{&RAMP_TEAL, 380, 24, 260, 6, 2});
    const HillBand near{&RAMP_MOSS, 415, 14, 520, 6, 2};
    for (int x : {36, 120, 500, 590})
        draw_pine(canvas, x, hill_crest(near, x) + 6, 40, RAMP_MOSS);
    draw_hills(canvas, near);
    fill_rect(canvas, 0, MEADOW_TOP, canvas.width, canvas.height - MEADOW_TOP,
              ramp_colour(RAMP_BROWN, 5));
    for (int x = 0; x < canvas.width; ++x) {
        // Grass fringe and a dithered band of darker earth below it.
        draw_vline(canvas, x, MEADOW_TOP - 2 - (x * 7 % 5 == 0 ? 1 : 0), MEADOW_TOP + 2,
                   ramp_colour(RAMP_GREEN, 8 + (x % 3 == 0)));
        for (int y = MEADOW_TOP + 3; y < canvas.height; ++y)
            canvas_put(canvas, x, y,
                       dithered_step(RAMP_BROWN, 16 * 6 - (y - MEADOW_TOP) * 2, x, y));
    }
    draw_bush(canvas, 150, MEADOW_TOP, 44, RAMP_GREEN);
    draw_bush(canvas, 440, MEADOW_TOP, 36, RAMP_GREEN);
    return canvas;
}
