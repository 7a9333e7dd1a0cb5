// The SDL2 backend's geometry: where the picture lands in the window and where a click
// falls on it, apart from SDL itself so that it can be checked without a display.
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
