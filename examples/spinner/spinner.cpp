// A filled hexagon turning in the middle of the screen, a fan of lines running off every edge
// of it, and the colours fading down and up again; Escape quits. Built on engine/app.h.
#include "engine/engine.h"

#include <cmath>

namespace {

constexpr int HEXAGON_COLOUR = 1;
constexpr int FIRST_LINE_COLOUR = 2;
constexpr int LINE_COLOURS = 8;
constexpr int LINES = 24;
// Frames from full brightness to the dimmest and back.
constexpr int FADE_PERIOD = 120;

// The colours at full brightness: black, the hexagon's orange, then a ramp for the lines.
void base_palette(PaletteEntry* colours) {
    for (int i = 0; i < 256; ++i)
        colours[i] = {0, 0, 0, PC_NOCOLLAPSE};
    colours[HEXAGON_COLOUR] = {250, 160, 40, PC_NOCOLLAPSE};
    for (int i = 0; i < LINE_COLOURS; ++i) {
        const auto step = static_cast<std::uint8_t>(i * 255 / (LINE_COLOURS - 1));
        colours[FIRST_LINE_COLOUR + i] = {step, 200, static_cast<std::uint8_t>(255 - step),
                                          PC_NOCOLLAPSE};
    }
}

// Down to 30 % brightness and back, so that no frame is all black.
void fade(const PaletteEntry* base, int frame) {
    const int phase = frame % FADE_PERIOD;
    const int half = FADE_PERIOD / 2;
    const float level = 0.3f + 0.7f * std::abs(phase - half) / static_cast<float>(half);
    PaletteEntry shown[256];
    for (int i = 0; i < 256; ++i)
        shown[i] = {static_cast<std::uint8_t>(base[i].red * level),
                    static_cast<std::uint8_t>(base[i].green * level),
                    static_cast<std::uint8_t>(base[i].blue * level), base[i].flags};
    set_palette(shown);
}

void draw(std::uint8_t* pixels, std::int32_t pitch, Polygon& hexagon, int frame) {
    // The lines reach far beyond the screen; the clipped draw keeps the visible part.
    const float turn = frame * 0.01f;
    for (int i = 0; i < LINES; ++i) {
        const float angle = turn + i * 6.2831853f / LINES;
        const int x = 320 + static_cast<int>(2000 * std::cos(angle));
        const int y = 240 + static_cast<int>(2000 * std::sin(angle));
        draw_clip_line8(320, 240, x, y, FIRST_LINE_COLOUR + i % LINE_COLOURS, pixels, pitch);
    }
    rotate_polygon(&hexagon, 3);
    draw_filled_polygon8(&hexagon, pixels, pitch);
}

} // namespace

// WinMain, as a Windows program starts (platform_main calls it on Linux); app.h works the same
// from a plain main().
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Full screen at 640 x 480 in 256 colours; the palette is set below, so no palette file
    // needs to lie in the working folder.
    if (!app_open("Spinner", 640, 480, 8, 0)) return 1;
    PaletteEntry colours[256];
    base_palette(colours);

    Point2D corners[6];
    for (int i = 0; i < 6; ++i)
        corners[i] = {120 * std::cos(i * 1.0471976f), 120 * std::sin(i * 1.0471976f)};
    Polygon hexagon = {1, 6, 320, 240, 0, 0, HEXAGON_COLOUR, corners};

    for (int frame = 0; app_frame() && !app_key_pressed(VK_ESCAPE); ++frame) {
        fade(colours, frame);
        fill_surface(back_surface, 0, nullptr);
        if (std::uint8_t* pixels = lock_back()) {
            draw(pixels, back_pitch, hexagon, frame);
            unlock_back();
        }
        present_frame();
    }
    app_close();
    return 0;
}
