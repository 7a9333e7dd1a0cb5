// Still pictures in ordinary memory, cut from bitmap files and copied into locked pixel
// memory at their own position.
#pragma once

#include "engine/image/bitmap_file.h"

#include <cstdint>

// Set by a cut; the draws refuse an image without it.
constexpr std::uint32_t IMAGE_HAS_PIXELS = 0x80;

// A still picture in ordinary memory and the place where it is drawn.
struct BitmapImage {
    // 1 after image_create, 0 after image_destroy.
    std::int32_t active;
    // IMAGE_HAS_PIXELS once the image has been cut.
    std::uint32_t attributes;
    // Column of its left edge in the destination.
    std::int32_t x;
    // Row of its top edge in the destination.
    std::int32_t y;
    // Pixels per row.
    std::int32_t width;
    // Rows.
    std::int32_t height;
    // Size of pixels: width x height x bytes per pixel.
    std::int32_t byte_count;
    // 8 or 16.
    std::int32_t bits_per_pixel;
    // Top row first, rows packed; owned by the record.
    std::uint8_t* pixels;
};

// Allocates zeroed pixels and sets the fields; 0 without memory.
std::int32_t image_create(BitmapImage* image, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, std::int32_t bits_per_pixel);
// Frees the pixels and zero-fills the record.
std::int32_t image_destroy(BitmapImage* image);
// Copies an 8-bit rectangle of the file: cell (cx, cy) when mode is 0, else pixel (cx, cy).
std::int32_t image_cut(BitmapImage* image, const BitmapFile* bitmap, std::int32_t cx,
                       std::int32_t cy, std::int32_t mode);
// The same for a 16-bit picture.
std::int32_t image_cut16(BitmapImage* image, const BitmapFile* bitmap, std::int32_t cx,
                         std::int32_t cy, std::int32_t mode);
// Copies the image to (x, y) of 8-bit memory, cut to the clip rectangle; transparent leaves
// out value 0.
std::int32_t image_draw(const BitmapImage* image, std::uint8_t* dest, std::int32_t pitch,
                        std::int32_t transparent);
// The same into 16-bit memory, where the word 0 is transparent.
std::int32_t image_draw16(const BitmapImage* image, std::uint16_t* dest, std::int32_t pitch,
                          std::int32_t transparent);
// Copies a width x height rectangle of pixels from one image to another.
std::int32_t image_copy_rect(BitmapImage* dest, std::int32_t dest_x, std::int32_t dest_y,
                             const BitmapImage* source, std::int32_t source_x,
                             std::int32_t source_y, std::int32_t width, std::int32_t height);
// Turns the picture sideways by dx columns with wrap-around; dy moves nothing.
std::int32_t image_scroll(BitmapImage* image, std::int32_t dx, std::int32_t dy);
