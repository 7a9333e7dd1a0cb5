// Allegro 4 behind plain functions, drawing into an 8-bit memory bitmap. Its header
// defines names that clash with the Windows types of our platform layer, so only this
// library's own source includes it.
#pragma once

#include <cstdint>

// Starts Allegro without a display and makes a width x height 8-bit memory bitmap.
bool allegro_peer_open(int width, int height);
void allegro_peer_close();
void allegro_peer_line(int x0, int y0, int x1, int y1, int color);
void allegro_peer_triangle(int x1, int y1, int x2, int y2, int x3, int y3, int color);
// points holds count x, y pairs.
void allegro_peer_polygon(int count, const int* points, int color);
void allegro_peer_hline(int x1, int y, int x2, int color);
void allegro_peer_rectfill(int x1, int y1, int x2, int y2, int color);
void allegro_peer_circlefill(int x, int y, int radius, int color);
// The bitmap's pixel at (x, y), for checking that a peer drew what we think it drew.
int allegro_peer_pixel(int x, int y);
