// Placing the picture on a handheld screen at the scale that fills it, and mapping clicks on
// the picture so placed.
#include "platform/host/web/web_page_fill.h"
#include "platform/host/web/web_input_map.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// CSS pixels to whole device pixels, bounded; nothing for what is no number.
int device_size(double css, double ratio) {
    double device = std::floor(css * ratio);
    if (!(device >= 0)) return 0;
    return device > 1 << 20 ? 1 << 20 : static_cast<int>(device);
}

} // namespace

VideoViewport handheld_fill(int output_width, int output_height, int picture_width,
                            int picture_height) {
    VideoViewport whole = fit_picture(output_width, output_height, picture_width, picture_height);
    if (whole.width <= 0) return whole;
    // Across the shorter side: a quarter left black is more than a phone can spare.
    std::int64_t side = std::min(output_width, output_height);
    std::int64_t used = output_width <= output_height ? whole.width : whole.height;
    if ((side - used) * 4 <= side) return whole;
    // The largest picture of the same proportions: by the width, unless that is too high.
    std::int64_t by_width = static_cast<std::int64_t>(picture_height) * output_width;
    std::int64_t by_height = static_cast<std::int64_t>(picture_width) * output_height;
    int width = output_width, height = output_height;
    if (by_width <= by_height)
        height = static_cast<int>(by_width / picture_width);
    else
        width = static_cast<int>(by_height / picture_height);
    return {(output_width - width) / 2, (output_height - height) / 2, width, height};
}

VideoViewport web_page_placement(double css_width, double css_height, double pixel_ratio,
                                 int picture_width, int picture_height, int handheld) {
    if (!handheld)
        return web_page_viewport(css_width, css_height, pixel_ratio, picture_width, picture_height);
    double ratio = web_pixel_ratio(pixel_ratio);
    return handheld_fill(device_size(css_width, ratio), device_size(css_height, ratio),
                         picture_width, picture_height);
}

int web_page_click(double css_width, double css_height, double pixel_ratio, int handheld,
                   double client_x, double client_y, int picture_width, int picture_height,
                   int* picture_x, int* picture_y) {
    if (!handheld)
        return web_click_to_picture(css_width, css_height, pixel_ratio, client_x, client_y,
                                    picture_width, picture_height, picture_x, picture_y);
    double ratio = web_pixel_ratio(pixel_ratio);
    if (!(client_x >= 0 && client_y >= 0 && client_x < css_width && client_y < css_height))
        return 0;
    VideoViewport v =
        web_page_placement(css_width, css_height, ratio, picture_width, picture_height, handheld);
    if (v.width <= 0 || v.height <= 0) return 0;
    std::int64_t dx = static_cast<std::int64_t>(device_size(client_x, ratio)) - v.x;
    std::int64_t dy = static_cast<std::int64_t>(device_size(client_y, ratio)) - v.y;
    if (dx < 0 || dy < 0 || dx >= v.width || dy >= v.height) return 0;
    // At a fractional scale the browser shows in each device pixel the picture's pixel under
    // its middle; a click there takes the same one.
    *picture_x = static_cast<int>((2 * dx + 1) * picture_width / (2 * v.width));
    *picture_y = static_cast<int>((2 * dy + 1) * picture_height / (2 * v.height));
    return 1;
}
