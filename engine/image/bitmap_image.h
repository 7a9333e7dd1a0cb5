// Still pictures in ordinary memory, cut from bitmap files and copied into locked pixel
// memory at their own position.
#pragma once

#include "engine/image/bitmap_file.h"

#include <cstdint>

constexpr std::uint32_t IMAGE_HAS_PIXELS = 0x80;

struct BitmapImage {
    std::int32_t active;
    std::uint32_t attributes;
    std::int32_t x;
    std::int32_t y;
    std::int32_t width;
    std::int32_t height;
    std::int32_t byte_count;
    std::int32_t bits_per_pixel;
    std::uint8_t* pixels;
};

std::int32_t image_create(BitmapImage* image, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, std::int32_t bits_per_pixel);
std::int32_t image_destroy(BitmapImage* image);
std::int32_t image_cut(BitmapImage* image, const BitmapFile* bitmap, std::int32_t cx,
                       std::int32_t cy, std::int32_t mode);
std::int32_t image_cut16(BitmapImage* image, const BitmapFile* bitmap, std::int32_t cx,
                         std::int32_t cy, std::int32_t mode);
std::int32_t image_draw(const BitmapImage* image, std::uint8_t* dest, std::int32_t pitch,
                        std::int32_t transparent);
std::int32_t image_draw16(const BitmapImage* image, std::uint16_t* dest, std::int32_t pitch,
                          std::int32_t transparent);
std::int32_t image_copy_rect(BitmapImage* dest, std::int32_t dest_x, std::int32_t dest_y,
                             const BitmapImage* source, std::int32_t source_x,
                             std::int32_t source_y, std::int32_t width, std::int32_t height);
std::int32_t image_scroll(BitmapImage* image, std::int32_t dx, std::int32_t dy);
