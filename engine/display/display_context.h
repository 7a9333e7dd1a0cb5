// The display layer's shared state: the DirectDraw objects, the screen's size and depth,
// the 16-bit pixel layout, the software clip rectangle, lock state and the palette copy.
#pragma once

#include "engine/display/palette_entry.h"
#include "platform/ddraw.h"

#include <cstdint>

// The program's one window; the shell stores it right after creating the window.
extern HWND MainWindow;

extern IDirectDraw7* directdraw;
extern IDirectDrawSurface7* primary_surface;
extern IDirectDrawSurface7* back_surface;
extern IDirectDrawPalette* display_palette;
extern IDirectDrawClipper* back_clipper;
extern IDirectDrawClipper* window_clipper;

extern std::int32_t screen_width;
extern std::int32_t screen_height;
extern std::int32_t screen_bpp;
extern std::int32_t screen_windowed;
extern std::int32_t pixel_format;

using Rgb16Function = std::uint16_t (*)(std::int32_t red, std::int32_t green, std::int32_t blue);
extern Rgb16Function rgb16;

// Inclusive on all four sides.
extern std::int32_t clip_min_x;
extern std::int32_t clip_min_y;
extern std::int32_t clip_max_x;
extern std::int32_t clip_max_y;

// Non-null exactly while this layer holds a lock on that surface.
extern std::uint8_t* primary_buffer;
extern std::int32_t primary_pitch;
extern std::uint8_t* back_buffer;
extern std::int32_t back_pitch;

extern Palette palette_entries;
extern DDSURFACEDESC2 surface_desc;
extern DDSCAPS2 back_caps;

std::uint16_t rgb16_565(std::int32_t red, std::int32_t green, std::int32_t blue);
std::uint16_t rgb16_555(std::int32_t red, std::int32_t green, std::int32_t blue);

// Puts every field back to its value before set-up (does not release anything).
void display_context_reset();
// Nulls the interface fields and the lock state only (does not release anything).
void display_context_forget_objects();
