// Setting the clip rectangle in line tests, as one inclusive rectangle.
#pragma once

#include "engine/display/display_context.h"

struct ClipRect {
    int min_x, min_y, max_x, max_y;
};

inline void set_clip(ClipRect r) {
    clip_min_x = r.min_x, clip_min_y = r.min_y, clip_max_x = r.max_x, clip_max_y = r.max_y;
}
