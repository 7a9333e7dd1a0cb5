// Whether an image record really holds the pixels its own fields describe, checked before
// any image operation reads or writes them.
#pragma once

#include "engine/image/bitmap_image.h"

#include <cstdint>

// Bytes per pixel of a well-formed image, or 0 for a null record, one without pixels, an
// empty or unsupported size or depth, or a byte count too small for its picture.
std::int32_t image_bytes_per_pixel(const BitmapImage* image);
