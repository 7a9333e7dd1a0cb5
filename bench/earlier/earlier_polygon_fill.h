// The filled polygon before the fix for vertices that share a row, for timing beside today's.
#pragma once

#include "engine/util/polygon.h"

#include <cstdint>

// Fills as draw_filled_polygon8 did at commit b38bbaa.
void earlier_draw_filled_polygon8(const Polygon* polygon, std::uint8_t* buffer, std::int32_t pitch);
