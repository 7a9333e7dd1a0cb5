// The Windows presenter's pixels: conversion and whole-factor scaling in one pass.
#include "platform/video/win32/win32_frame.h"
#include "platform/video/convert.h"
#include "platform/video/sdl/sdl_backend_scale.h"

#include <cstring>

namespace {

int bytes_per_pixel(int bpp) {
    return bpp == 8 ? 1 : 2;
}

// Writes one converted source row `factor` times wide into d.
void widen_row(const std::uint32_t* row, int width, int factor, std::uint32_t* d) {
    if (factor == 1) {
        std::memcpy(d, row, static_cast<std::size_t>(width) * sizeof *d);
        return;
    }
    for (int x = 0; x < width; ++x)
        for (int k = 0; k < factor; ++k)
            *d++ = row[x];
}

void convert_whole_factor(const VideoPicture& picture, int factor, std::uint32_t* out,
                          int out_pitch) {
    const int width = picture.width;
    std::vector<std::uint32_t> row(static_cast<std::size_t>(width));
    std::uint32_t table[256];
    if (picture.bpp == 8)
        for (int i = 0; i < 256; ++i) {
            const PALETTEENTRY& e = picture.palette[i];
            table[i] = 0xFF000000u | static_cast<std::uint32_t>(e.peRed) << 16 |
                       static_cast<std::uint32_t>(e.peGreen) << 8 | e.peBlue;
        }
    const std::size_t scaled_bytes = static_cast<std::size_t>(width) * factor * sizeof *out;
    for (int y = 0; y < picture.height; ++y) {
        const std::uint8_t* s = picture.pixels + static_cast<long>(y) * picture.pitch;
        std::uint32_t* d = out + static_cast<long>(y) * factor * out_pitch;
        if (picture.bpp == 8) {
            // The common scales on today's screens, written without the inner loop.
            if (factor == 2) {
                for (int x = 0; x < width; ++x)
                    d[2 * x] = d[2 * x + 1] = table[s[x]];
            } else if (factor == 3) {
                for (int x = 0; x < width; ++x)
                    d[3 * x] = d[3 * x + 1] = d[3 * x + 2] = table[s[x]];
            } else {
                for (int x = 0; x < width; ++x)
                    row[static_cast<std::size_t>(x)] = table[s[x]];
                widen_row(row.data(), width, factor, d);
            }
        } else {
            VideoPicture line = picture;
            line.pixels = s;
            line.height = 1;
            convert_picture_to_argb(&line, row.data(), width);
            widen_row(row.data(), width, factor, d);
        }
        for (int k = 1; k < factor; ++k)
            std::memcpy(d + static_cast<long>(k) * out_pitch, d, scaled_bytes);
    }
}

} // namespace

void frame_convert_scaled(const VideoPicture* picture, const VideoViewport& viewport,
                          std::uint32_t* out, int out_pitch) {
    if (!picture || !out || picture->width <= 0 || picture->height <= 0 || viewport.width <= 0 ||
        viewport.height <= 0)
        return;
    if (picture->bpp == 8 && !picture->palette) return;
    const int factor = viewport.width / picture->width;
    if (factor >= 1 && viewport.width == factor * picture->width &&
        viewport.height == factor * picture->height) {
        convert_whole_factor(*picture, factor, out, out_pitch);
        return;
    }
    std::vector<std::uint32_t> argb(static_cast<std::size_t>(picture->width) * picture->height);
    convert_picture_to_argb(picture, argb.data(), picture->width);
    const VideoViewport at_origin = {0, 0, viewport.width, viewport.height};
    scale_rows(argb.data(), picture->width, picture->width, picture->height, at_origin, 0,
               viewport.height - 1, out, out_pitch);
}

int frame_remember(FrameCopy* copy, const VideoPicture* picture, int* first, int* last) {
    const int row_bytes = picture->width * bytes_per_pixel(picture->bpp);
    const std::size_t size = static_cast<std::size_t>(row_bytes) * picture->height;
    int whole = copy->width != picture->width || copy->height != picture->height ||
                copy->bpp != picture->bpp || copy->pixels.size() != size;
    if (whole) {
        copy->width = picture->width;
        copy->height = picture->height;
        copy->bpp = picture->bpp;
        copy->pixels.assign(size, 0);
    }
    if (picture->bpp == 8 && picture->palette &&
        std::memcmp(copy->palette, picture->palette, sizeof copy->palette) != 0) {
        std::memcpy(copy->palette, picture->palette, sizeof copy->palette);
        whole = 1;
    }
    int changed_first = -1, changed_last = -1;
    for (int y = 0; y < picture->height; ++y) {
        const std::uint8_t* s = picture->pixels + static_cast<long>(y) * picture->pitch;
        std::uint8_t* d = copy->pixels.data() + static_cast<std::size_t>(y) * row_bytes;
        if (!whole && std::memcmp(d, s, static_cast<std::size_t>(row_bytes)) == 0) continue;
        std::memcpy(d, s, static_cast<std::size_t>(row_bytes));
        if (changed_first < 0) changed_first = y;
        changed_last = y;
    }
    if (whole) changed_first = 0, changed_last = picture->height - 1;
    if (first) *first = changed_first;
    if (last) *last = changed_last;
    return whole || changed_first >= 0;
}

VideoPicture frame_picture(const FrameCopy& copy) {
    VideoPicture picture = {};
    picture.pixels = copy.pixels.data();
    picture.pitch = copy.width * bytes_per_pixel(copy.bpp);
    picture.width = copy.width;
    picture.height = copy.height;
    picture.bpp = copy.bpp;
    picture.palette = copy.bpp == 8 ? copy.palette : nullptr;
    return picture;
}
