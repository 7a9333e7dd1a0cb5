// The engine: display layer, images and sprites, collision tests, and the drawing kit
// (lines, triangles, polygons, trigonometry, transitions, surface cells).
#pragma once

#include "engine/display/display_context.h"
#include "engine/display/display_init.h"
#include "engine/display/error_log.h"
#include "engine/display/frame.h"
#include "engine/display/palette.h"
#include "engine/display/surfaces.h"
#include "engine/display/text.h"
#include "engine/image/bitmap_file.h"
#include "engine/image/bitmap_image.h"
#include "engine/image/sprite.h"
#include "engine/image/sprite_draw.h"
#include "engine/util/collision.h"
#include "engine/util/frame_clock.h"
#include "engine/util/lines.h"
#include "engine/util/polygon.h"
#include "engine/util/polygon_fill.h"
#include "engine/util/surface_cell.h"
#include "engine/util/transition.h"
#include "engine/util/triangles.h"
#include "engine/util/trig.h"
