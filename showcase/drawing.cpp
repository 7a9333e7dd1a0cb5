// Drawing helpers shared by the scenes.
#include "showcase/drawing.h"

#include "engine/engine.h"

ClipRect set_clip(const ClipRect& rect) {
    const ClipRect saved = {clip_min_x, clip_min_y, clip_max_x, clip_max_y};
    restore_clip(rect);
    return saved;
}

void restore_clip(const ClipRect& saved) {
    clip_min_x = saved.min_x;
    clip_min_y = saved.min_y;
    clip_max_x = saved.max_x;
    clip_max_y = saved.max_y;
}

void draw_box8(const ClipRect& box, std::int32_t color, std::uint8_t* buffer, std::int32_t pitch) {
    draw_hline8(box.min_x, box.max_x, box.min_y, color, buffer, pitch);
    draw_hline8(box.min_x, box.max_x, box.max_y, color, buffer, pitch);
    draw_vline8(box.min_y, box.max_y, box.min_x, color, buffer, pitch);
    draw_vline8(box.min_y, box.max_y, box.max_x, color, buffer, pitch);
}

void fill_box8(const ClipRect& box, std::int32_t color, std::uint8_t* buffer, std::int32_t pitch) {
    for (std::int32_t y = box.min_y; y <= box.max_y; ++y)
        draw_hline8(box.min_x, box.max_x, y, color, buffer, pitch);
}

void label(IDirectDrawSurface7* surface, std::int32_t x, std::int32_t y, std::int32_t color,
           const char* text) {
    draw_text_index(text, x, y, color, surface);
}

void label_centred(IDirectDrawSurface7* surface, std::int32_t centre_x, std::int32_t y,
                   std::int32_t color, const char* text) {
    std::int32_t width = 0;
    measure_text(text, &width, nullptr, surface);
    label(surface, centre_x - width / 2, y, color, text);
}
