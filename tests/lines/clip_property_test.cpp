// Properties of the clipped drawing routines over many random shapes: nothing outside the
// clip rectangle ever changes, and a line wholly inside it is drawn exactly as unclipped.
#include "engine/display/display_context.h"
#include "engine/util/lines.h"
#include "lines/clip_rect.h"
#include "support/guarded_buffer.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

namespace {

constexpr int WIDTH = 640;
constexpr int HEIGHT = 480;

using Rect = ClipRect;

// Coordinates from the whole int range half of the time, else from around the screen.
struct Coordinates {
    std::mt19937 random{1987};
    std::uniform_int_distribution<int> anywhere{INT_MIN, INT_MAX};
    std::uniform_int_distribution<int> near{-700, 1400};
    int operator()() { return random() & 1 ? anywhere(random) : near(random); }
};

} // namespace

TEST(ClippedDrawing, NothingOutsideTheRectangleChanges) {
    GuardedBuffer8 b8(WIDTH, HEIGHT);
    GuardedBuffer16 b16(WIDTH, HEIGHT);
    Coordinates c;
    for (Rect r : {Rect{0, 0, WIDTH - 1, HEIGHT - 1}, Rect{100, 50, 300, 200}}) {
        set_clip(r);
        b8.clear();
        b16.clear();
        for (int batch = 0; batch < 50; ++batch) {
            for (int i = 0; i < 1000; ++i) {
                const int color = i & 0xFF;
                draw_clip_line8(c(), c(), c(), c(), color, b8.origin(), b8.pitch());
                draw_clip_line16(c(), c(), c(), c(), color, b16.origin(), b16.pitch());
                draw_hline8(c(), c(), c(), color, b8.origin(), b8.pitch());
                draw_hline16(c(), c(), c(), color, b16.origin(), b16.pitch());
                draw_vline8(c(), c(), c(), color, b8.origin(), b8.pitch());
                draw_vline16(c(), c(), c(), color, b16.origin(), b16.pitch());
            }
            ASSERT_TRUE(b8.untouched_outside(r.min_x, r.min_y, r.max_x, r.max_y));
            ASSERT_TRUE(b16.untouched_outside(r.min_x, r.min_y, r.max_x, r.max_y));
        }
        // The workload reaches the rectangle, so the check above is not vacuous.
        EXPECT_TRUE(b8.changed(r.min_x, r.min_y + 7) || b8.changed(r.max_x - 3, r.max_y));
    }
    display_context_reset();
}

TEST(ClippedDrawing, AnEmptyRectangleDrawsNothing) {
    GuardedBuffer8 b8(WIDTH, HEIGHT);
    GuardedBuffer16 b16(WIDTH, HEIGHT);
    Coordinates c;
    for (Rect r :
         {Rect{300, 50, 100, 200}, Rect{100, 200, 300, 50}, Rect{INT_MAX, 0, INT_MIN, 0}}) {
        set_clip(r);
        for (int i = 0; i < 2000; ++i) {
            draw_clip_line8(c(), c(), c(), c(), 1, b8.origin(), b8.pitch());
            draw_clip_line16(c(), c(), c(), c(), 1, b16.origin(), b16.pitch());
            draw_hline8(c(), c(), 100, 1, b8.origin(), b8.pitch());
            draw_hline16(c(), c(), 100, 1, b16.origin(), b16.pitch());
            draw_vline8(c(), c(), 200, 1, b8.origin(), b8.pitch());
            draw_vline16(c(), c(), 200, 1, b16.origin(), b16.pitch());
        }
        EXPECT_TRUE(b8.untouched_outside(0, 0, -1, -1));
        EXPECT_TRUE(b16.untouched_outside(0, 0, -1, -1));
    }
    display_context_reset();
}

// The clipped and unclipped routines draw into twin buffers in the same order, so any
// pixel that differs shows a line clipping changed.
TEST(ClippedDrawing, LinesInsideTheRectangleAreDrawnAsUnclipped) {
    GuardedBuffer8 plain8(WIDTH, HEIGHT), clipped8(WIDTH, HEIGHT);
    GuardedBuffer16 plain16(WIDTH, HEIGHT), clipped16(WIDTH, HEIGHT);
    std::mt19937 random(31);
    for (Rect r : {Rect{0, 0, WIDTH - 1, HEIGHT - 1}, Rect{100, 50, 300, 200}}) {
        set_clip(r);
        std::uniform_int_distribution<int> x(r.min_x, r.max_x), y(r.min_y, r.max_y);
        for (int batch = 0; batch < 20; ++batch) {
            for (int i = 0; i < 500; ++i) {
                const int x0 = x(random), y0 = y(random), x1 = x(random), y1 = y(random);
                const int color = static_cast<int>(random());
                draw_line8(x0, y0, x1, y1, color, plain8.origin(), plain8.pitch());
                draw_clip_line8(x0, y0, x1, y1, color, clipped8.origin(), clipped8.pitch());
                draw_line16(x0, y0, x1, y1, color, plain16.origin(), plain16.pitch());
                draw_clip_line16(x0, y0, x1, y1, color, clipped16.origin(), clipped16.pitch());
            }
            ASSERT_TRUE(plain8.memory == clipped8.memory);
            ASSERT_TRUE(plain16.memory == clipped16.memory);
        }
    }
    display_context_reset();
}
