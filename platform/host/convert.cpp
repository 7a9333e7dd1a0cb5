// Conversion of the screen's picture to 32-bit ARGB for presentation; runs every frame.
#include "platform/host/convert.h"

#include <bit>
#include <cstring>

namespace {

void convert_indexed(const VideoPicture& picture, std::uint32_t* out, int out_pitch) {
    std::uint32_t table[256];
    palette_to_argb(picture.palette, table);
    const int width = picture.width;
    for (int y = 0; y < picture.height; ++y) {
        const std::uint8_t* s = picture.pixels + static_cast<long>(y) * picture.pitch;
        std::uint32_t* d = out + static_cast<long>(y) * out_pitch;
        int x = 0;
        // Eight indices are read as one word, so stores through `d` (which could alias the
        // bytes) force no reloads, and the table loads of neighbours overlap.
        if constexpr (std::endian::native == std::endian::little) {
            for (; x + 8 <= width; x += 8) {
                std::uint64_t v;
                std::memcpy(&v, s + x, 8);
                d[x] = table[v & 0xFF];
                d[x + 1] = table[(v >> 8) & 0xFF];
                d[x + 2] = table[(v >> 16) & 0xFF];
                d[x + 3] = table[(v >> 24) & 0xFF];
                d[x + 4] = table[(v >> 32) & 0xFF];
                d[x + 5] = table[(v >> 40) & 0xFF];
                d[x + 6] = table[(v >> 48) & 0xFF];
                d[x + 7] = table[v >> 56];
            }
        }
        for (; x < width; ++x)
            d[x] = table[s[x]];
    }
}

// Expands a 5- or 6-bit channel to 8 bits so that full intensity stays full (31 -> 255).
inline std::uint32_t expand5(std::uint32_t v) {
    return (v << 3) | (v >> 2);
}
inline std::uint32_t expand6(std::uint32_t v) {
    return (v << 2) | (v >> 4);
}

template <int GreenBits>
void convert_packed(const VideoPicture& picture, std::uint32_t* out, int out_pitch) {
    for (int y = 0; y < picture.height; ++y) {
        const std::uint16_t* s = reinterpret_cast<const std::uint16_t*>(
            picture.pixels + static_cast<long>(y) * picture.pitch);
        std::uint32_t* d = out + static_cast<long>(y) * out_pitch;
        for (int x = 0; x < picture.width; ++x) {
            std::uint32_t p = s[x];
            std::uint32_t r, g, b = expand5(p & 31);
            if (GreenBits == 6) {
                r = expand5((p >> 11) & 31);
                g = expand6((p >> 5) & 63);
            } else {
                r = expand5((p >> 10) & 31);
                g = expand5((p >> 5) & 31);
            }
            d[x] = 0xFF000000u | r << 16 | g << 8 | b;
        }
    }
}

} // namespace

void palette_to_argb(const HostColor* palette, std::uint32_t table[256]) {
    for (int i = 0; i < 256; ++i) {
        const HostColor& e = palette[i];
        table[i] = 0xFF000000u | static_cast<std::uint32_t>(e.red) << 16 |
                   static_cast<std::uint32_t>(e.green) << 8 | e.blue;
    }
}

void convert_picture_to_argb(const VideoPicture* picture, std::uint32_t* out,
                             int out_pitch_pixels) {
    if (!picture || !out || !picture->pixels || picture->width <= 0 || picture->height <= 0 ||
        out_pitch_pixels < picture->width)
        return;
    if (picture->bpp == 8) {
        if (!picture->palette || picture->pitch < picture->width) return;
        convert_indexed(*picture, out, out_pitch_pixels);
    } else if (picture->bpp == 15 || picture->bpp == 16) {
        if (picture->pitch < picture->width * 2) return;
        if (picture->bpp == 16)
            convert_packed<6>(*picture, out, out_pitch_pixels);
        else
            convert_packed<5>(*picture, out, out_pitch_pixels);
    }
}
