// Filled convex polygons: two edge walkers from the top vertex, one span per row, never
// writing outside the clip rectangle.
#pragma once

#include "engine/util/polygon.h"

#include <cstdint>

// Fills a convex polygon whose vertices run in order round its outline. No vertices, a
// missing list or a missing buffer draw nothing.
void draw_filled_polygon8(const Polygon* polygon, std::uint8_t* buffer, std::int32_t pitch);
// The same with 16-bit pixels.
void draw_filled_polygon16(const Polygon* polygon, std::uint16_t* buffer, std::int32_t pitch);
