// The display layer's module-level state and its two 16-bit colour packers.
#include "engine/display/display_context.h"

#include <cstring>

HWND MainWindow = nullptr;

IDirectDraw7* directdraw = nullptr;
IDirectDrawSurface7* primary_surface = nullptr;
IDirectDrawSurface7* back_surface = nullptr;
IDirectDrawPalette* display_palette = nullptr;
IDirectDrawClipper* back_clipper = nullptr;
IDirectDrawClipper* window_clipper = nullptr;

std::int32_t screen_width = 640;
std::int32_t screen_height = 480;
std::int32_t screen_bpp = 8;
std::int32_t screen_windowed = 0;
std::int32_t pixel_format = 16;

Rgb16Function rgb16 = nullptr;

std::int32_t clip_min_x = 0;
std::int32_t clip_min_y = 0;
std::int32_t clip_max_x = 639;
std::int32_t clip_max_y = 479;

std::uint8_t* primary_buffer = nullptr;
std::int32_t primary_pitch = 0;
std::uint8_t* back_buffer = nullptr;
std::int32_t back_pitch = 0;

Palette palette_entries = {};
DDSURFACEDESC2 surface_desc = {};
DDSCAPS2 back_caps = {};

std::uint16_t rgb16_565(std::int32_t red, std::int32_t green, std::int32_t blue) {
    return static_cast<std::uint16_t>(((red >> 3) & 31) << 11 | ((green >> 2) & 63) << 5 |
                                      ((blue >> 3) & 31));
}

std::uint16_t rgb16_555(std::int32_t red, std::int32_t green, std::int32_t blue) {
    return static_cast<std::uint16_t>(((red >> 3) & 31) << 10 | ((green >> 3) & 31) << 5 |
                                      ((blue >> 3) & 31));
}

void display_context_forget_objects() {
    directdraw = nullptr;
    primary_surface = nullptr;
    back_surface = nullptr;
    display_palette = nullptr;
    back_clipper = nullptr;
    window_clipper = nullptr;
    primary_buffer = nullptr;
    primary_pitch = 0;
    back_buffer = nullptr;
    back_pitch = 0;
}

void display_context_reset() {
    // MainWindow belongs to the shell and is left alone.
    display_context_forget_objects();
    screen_width = 640;
    screen_height = 480;
    screen_bpp = 8;
    screen_windowed = 0;
    pixel_format = 16;
    rgb16 = nullptr;
    clip_min_x = 0;
    clip_min_y = 0;
    clip_max_x = 639;
    clip_max_y = 479;
    std::memset(palette_entries, 0, sizeof(palette_entries));
    std::memset(&surface_desc, 0, sizeof(surface_desc));
    std::memset(&back_caps, 0, sizeof(back_caps));
}
