// The SDL2 video backend's geometry and key mapping, apart from SDL itself so that they can
// be checked without a display.
#pragma once

#include <cstdint>

// Where the game's picture lands in the backend's output, in output pixels.
struct VideoViewport {
    int x;
    int y;
    int width;
    int height;
};

// The picture scaled by the largest whole factor that fits the output, centred; when even
// factor 1 does not fit, scaled down to fit, keeping its proportions.
VideoViewport fit_picture(int output_width, int output_height, int picture_width,
                          int picture_height);
// Maps an output pixel back to picture coordinates; 0 when it falls outside the picture.
int map_to_picture(const VideoViewport& viewport, int picture_width, int picture_height,
                   int output_x, int output_y, int* picture_x, int* picture_y);
// The Windows virtual-key code of an SDL key code; 0 for keys the game has no code for.
int sdl_key_to_virtual_key(std::int32_t keycode);
