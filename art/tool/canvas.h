// An 8-bit picture in memory that the artwork is painted into, with clipped drawing
// primitives; every write outside the picture is dropped.
#pragma once

#include <cstdint>
#include <vector>

struct Canvas {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // top row first, width bytes a row
};

Canvas canvas_make(int width, int height, std::uint8_t fill);

bool canvas_inside(const Canvas& canvas, int x, int y);
std::uint8_t canvas_get(const Canvas& canvas, int x, int y); // 0 outside
void canvas_put(Canvas& canvas, int x, int y, std::uint8_t colour);

// Rectangles are given by their top-left corner and size.
void fill_rect(Canvas& canvas, int x, int y, int w, int h, std::uint8_t colour);
void frame_rect(Canvas& canvas, int x, int y, int w, int h, std::uint8_t colour);
void draw_hline(Canvas& canvas, int x0, int x1, int y, std::uint8_t colour);
void draw_vline(Canvas& canvas, int x, int y0, int y1, std::uint8_t colour);
void draw_line(Canvas& canvas, int x0, int y0, int x1, int y1, std::uint8_t colour);
void fill_ellipse(Canvas& canvas, int cx, int cy, int rx, int ry, std::uint8_t colour);

// Copies `source` onto `canvas` at (x, y), leaving out pixels of colour `skip`
// (pass a value above 255 to copy everything).
void blit_canvas(Canvas& canvas, const Canvas& source, int x, int y, int skip);
Canvas mirror_canvas(const Canvas& source);

// Replaces every pixel of colour `from` with `to`.
void recolour(Canvas& canvas, std::uint8_t from, std::uint8_t to);

// Each source pixel becomes a factor x factor square.
Canvas scale_canvas(const Canvas& source, int factor);
