// The engine: display layer, images and sprites, collision tests.
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
