// Allegro 4 in memory-bitmap mode: no window, no keyboard, no timer.
#include "allegro_peer.h"

#include <allegro.h>

namespace {
BITMAP* Target = nullptr;
}

bool allegro_peer_open(int width, int height) {
    if (install_allegro(SYSTEM_NONE, &errno, nullptr) != 0) return false;
    set_color_depth(8);
    Target = create_bitmap_ex(8, width, height);
    if (!Target) return false;
    clear_to_color(Target, 0);
    return true;
}

void allegro_peer_close() {
    if (Target) destroy_bitmap(Target);
    Target = nullptr;
    allegro_exit();
}

void allegro_peer_line(int x0, int y0, int x1, int y1, int color) {
    line(Target, x0, y0, x1, y1, color);
}

void allegro_peer_triangle(int x1, int y1, int x2, int y2, int x3, int y3, int color) {
    triangle(Target, x1, y1, x2, y2, x3, y3, color);
}

void allegro_peer_polygon(int count, const int* points, int color) {
    polygon(Target, count, points, color);
}

void allegro_peer_hline(int x1, int y, int x2, int color) {
    hline(Target, x1, y, x2, color);
}

void allegro_peer_rectfill(int x1, int y1, int x2, int y2, int color) {
    rectfill(Target, x1, y1, x2, y2, color);
}

void allegro_peer_circlefill(int x, int y, int radius, int color) {
    circlefill(Target, x, y, radius, color);
}

int allegro_peer_pixel(int x, int y) {
    return getpixel(Target, x, y);
}
