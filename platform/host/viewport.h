// The hosts' geometry: where the picture lands in a window or page and where a click
// falls on it, apart from any host so that it can be checked without a display.
#pragma once

#include <cstdint>

// Where the game's picture lands in the host's output, in output pixels.
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
// The whole factor for a movable window on a desktop whose usable area is usable_w x
// usable_h, when the window's frame (title bar and borders) takes frame_w x frame_h of it:
// the largest that fits, and at least 1.
int windowed_factor(int usable_width, int usable_height, int frame_width, int frame_height,
                    int picture_width, int picture_height);
// Maps an output pixel back to picture coordinates; 0 when it falls outside the picture.
int map_to_picture(const VideoViewport& viewport, int picture_width, int picture_height,
                   int output_x, int output_y, int* picture_x, int* picture_y);
// The same for a position that must land somewhere (a button let go over the border): the
// nearest picture pixel; 0 only when there is no picture.
int map_to_picture_clamped(const VideoViewport& viewport, int picture_width, int picture_height,
                           int output_x, int output_y, int* picture_x, int* picture_y);
