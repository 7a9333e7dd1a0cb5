// Placing the game's picture in a host's output, and mapping mouse positions back.
#include "platform/host/viewport.h"

#include <algorithm>
#include <cstdint>

VideoViewport fit_picture(int output_width, int output_height, int picture_width,
                          int picture_height) {
    if (output_width <= 0 || output_height <= 0 || picture_width <= 0 || picture_height <= 0)
        return {0, 0, 0, 0};
    int factor = std::min(output_width / picture_width, output_height / picture_height);
    int width, height;
    if (factor >= 1) {
        width = picture_width * factor;
        height = picture_height * factor;
    } else {
        // An output smaller than the picture: the whole picture still shows, in proportion.
        std::int64_t by_width = static_cast<std::int64_t>(picture_height) * output_width;
        std::int64_t by_height = static_cast<std::int64_t>(picture_width) * output_height;
        if (by_width <= by_height) {
            width = output_width;
            height = static_cast<int>(by_width / picture_width);
        } else {
            width = static_cast<int>(by_height / picture_height);
            height = output_height;
        }
        width = std::max(width, 1);
        height = std::max(height, 1);
    }
    return {(output_width - width) / 2, (output_height - height) / 2, width, height};
}

int windowed_factor(int usable_width, int usable_height, int frame_width, int frame_height,
                    int picture_width, int picture_height) {
    if (picture_width <= 0 || picture_height <= 0) return 1;
    std::int64_t room_w = static_cast<std::int64_t>(usable_width) - std::max(frame_width, 0);
    std::int64_t room_h = static_cast<std::int64_t>(usable_height) - std::max(frame_height, 0);
    std::int64_t factor = std::min(room_w / picture_width, room_h / picture_height);
    // A window bigger than its desktop still opens at the picture's own size.
    return static_cast<int>(std::clamp<std::int64_t>(factor, 1, 64));
}

int map_to_picture(const VideoViewport& viewport, int picture_width, int picture_height,
                   int output_x, int output_y, int* picture_x, int* picture_y) {
    if (viewport.width <= 0 || viewport.height <= 0) return 0;
    std::int64_t dx = static_cast<std::int64_t>(output_x) - viewport.x;
    std::int64_t dy = static_cast<std::int64_t>(output_y) - viewport.y;
    // The black border around the picture is no part of the game's screen.
    if (dx < 0 || dy < 0 || dx >= viewport.width || dy >= viewport.height) return 0;
    *picture_x = static_cast<int>(dx * picture_width / viewport.width);
    *picture_y = static_cast<int>(dy * picture_height / viewport.height);
    return 1;
}

int map_to_picture_clamped(const VideoViewport& viewport, int picture_width, int picture_height,
                           int output_x, int output_y, int* picture_x, int* picture_y) {
    if (viewport.width <= 0 || viewport.height <= 0) return 0;
    std::int64_t x = std::clamp<std::int64_t>(
        output_x, viewport.x, static_cast<std::int64_t>(viewport.x) + viewport.width - 1);
    std::int64_t y = std::clamp<std::int64_t>(
        output_y, viewport.y, static_cast<std::int64_t>(viewport.y) + viewport.height - 1);
    return map_to_picture(viewport, picture_width, picture_height, static_cast<int>(x),
                          static_cast<int>(y), picture_x, picture_y);
}
