#include "art/tool/canvas.h"

#include <algorithm>
#include <cstdlib>

Canvas canvas_make(int width, int height, std::uint8_t fill) {
    Canvas canvas;
    if (width <= 0 || height <= 0) return canvas;
    canvas.width = width;
    canvas.height = height;
    canvas.pixels.assign(static_cast<std::size_t>(width) * height, fill);
    return canvas;
}

bool canvas_inside(const Canvas& canvas, int x, int y) {
    return x >= 0 && y >= 0 && x < canvas.width && y < canvas.height;
}

std::uint8_t canvas_get(const Canvas& canvas, int x, int y) {
    if (!canvas_inside(canvas, x, y)) return 0;
    return canvas.pixels[static_cast<std::size_t>(y) * canvas.width + x];
}

void canvas_put(Canvas& canvas, int x, int y, std::uint8_t colour) {
    if (!canvas_inside(canvas, x, y)) return;
    canvas.pixels[static_cast<std::size_t>(y) * canvas.width + x] = colour;
}

void fill_rect(Canvas& canvas, int x, int y, int w, int h, std::uint8_t colour) {
    const int x0 = std::max(x, 0), x1 = std::min(x + w, canvas.width);
    const int y0 = std::max(y, 0), y1 = std::min(y + h, canvas.height);
    for (int row = y0; row < y1; ++row)
        for (int col = x0; col < x1; ++col)
            canvas.pixels[static_cast<std::size_t>(row) * canvas.width + col] = colour;
}

void frame_rect(Canvas& canvas, int x, int y, int w, int h, std::uint8_t colour) {
    if (w <= 0 || h <= 0) return;
    draw_hline(canvas, x, x + w - 1, y, colour);
    draw_hline(canvas, x, x + w - 1, y + h - 1, colour);
    draw_vline(canvas, x, y, y + h - 1, colour);
    draw_vline(canvas, x + w - 1, y, y + h - 1, colour);
}

void draw_hline(Canvas& canvas, int x0, int x1, int y, std::uint8_t colour) {
    if (x0 > x1) std::swap(x0, x1);
    fill_rect(canvas, x0, y, x1 - x0 + 1, 1, colour);
}

void draw_vline(Canvas& canvas, int x, int y0, int y1, std::uint8_t colour) {
    if (y0 > y1) std::swap(y0, y1);
    fill_rect(canvas, x, y0, 1, y1 - y0 + 1, colour);
}

void draw_line(Canvas& canvas, int x0, int y0, int x1, int y1, std::uint8_t colour) {
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        canvas_put(canvas, x0, y0, colour);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void fill_ellipse(Canvas& canvas, int cx, int cy, int rx, int ry, std::uint8_t colour) {
    if (rx <= 0 || ry <= 0) return;
    const long long rx2 = static_cast<long long>(rx) * rx, ry2 = static_cast<long long>(ry) * ry;
    for (int dy = -ry; dy <= ry; ++dy) {
        // Widest half-span whose centre still lies inside the ellipse.
        int half = 0;
        while (half <= rx &&
               (half * half) * ry2 + (static_cast<long long>(dy) * dy) * rx2 <= rx2 * ry2)
            ++half;
        if (half > 0) draw_hline(canvas, cx - half + 1, cx + half - 1, cy + dy, colour);
    }
}

void blit_canvas(Canvas& canvas, const Canvas& source, int x, int y, int skip) {
    for (int row = 0; row < source.height; ++row)
        for (int col = 0; col < source.width; ++col) {
            const std::uint8_t c =
                source.pixels[static_cast<std::size_t>(row) * source.width + col];
            if (c != skip) canvas_put(canvas, x + col, y + row, c);
        }
}

Canvas mirror_canvas(const Canvas& source) {
    Canvas out = source;
    for (int row = 0; row < source.height; ++row)
        for (int col = 0; col < source.width; ++col)
            out.pixels[static_cast<std::size_t>(row) * source.width + col] =
                source
                    .pixels[static_cast<std::size_t>(row) * source.width + source.width - 1 - col];
    return out;
}

void recolour(Canvas& canvas, std::uint8_t from, std::uint8_t to) {
    std::replace(canvas.pixels.begin(), canvas.pixels.end(), from, to);
}

Canvas scale_canvas(const Canvas& source, int factor) {
    if (factor < 1) factor = 1;
    Canvas out = canvas_make(source.width * factor, source.height * factor, 0);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
            out.pixels[static_cast<std::size_t>(y) * out.width + x] =
                source.pixels[static_cast<std::size_t>(y / factor) * source.width + x / factor];
    return out;
}
