// The display layer's shared state: the DirectDraw objects, the screen's size and depth,
// the 16-bit pixel layout, the software clip rectangle, lock state and the palette copy.
#pragma once

#include "engine/display/palette_entry.h"
#include "platform/ddraw.h"

#include <cstdint>

// The program's one window; the shell stores it right after creating the window.
extern HWND MainWindow;

// The DirectDraw object; null before set-up.
extern IDirectDraw7* directdraw;
// The surface on screen.
extern IDirectDrawSurface7* primary_surface;
// The surface frames are drawn into: the flip chain's back buffer, or off-screen in a window.
extern IDirectDrawSurface7* back_surface;
// The palette attached to the primary surface; only at 8 bits per pixel.
extern IDirectDrawPalette* display_palette;
// Cuts every blit onto the back buffer to the screen.
extern IDirectDrawClipper* back_clipper;
// Cuts the windowed present to the window; only in windowed mode.
extern IDirectDrawClipper* window_clipper;

// Display width in pixels.
extern std::int32_t screen_width;
// Display height in pixels.
extern std::int32_t screen_height;
// Bits per pixel: 8 (palette indices), 15 or 16.
extern std::int32_t screen_bpp;
// Nonzero when the display runs in a window.
extern std::int32_t screen_windowed;
// The primary surface's RGB bit count: 15 means 5.5.5 pixels, anything else 5.6.5.
extern std::int32_t pixel_format;

// Packs red, green and blue (0 to 255 each) into a 16-bit pixel.
using Rgb16Function = std::uint16_t (*)(std::int32_t red, std::int32_t green, std::int32_t blue);
// The packing of the display's 16-bit layout: rgb16_555 or rgb16_565.
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

// The program's copy of the display palette; blinking entries do not change it.
extern Palette palette_entries;
// Filled by the lock operations: describes the surface locked last.
extern DDSURFACEDESC2 surface_desc;
// The request that fetches the back buffer attached to the primary.
extern DDSCAPS2 back_caps;

// Red in the top 5 bits, green in the middle 6, blue in the low 5.
std::uint16_t rgb16_565(std::int32_t red, std::int32_t green, std::int32_t blue);
// Red, green and blue in 5 bits each; bit 15 stays 0.
std::uint16_t rgb16_555(std::int32_t red, std::int32_t green, std::int32_t blue);

// Puts every field back to its value before set-up (does not release anything).
void display_context_reset();
// Nulls the interface fields and the lock state only (does not release anything).
void display_context_forget_objects();
