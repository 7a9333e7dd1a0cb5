// Lines cut to the clip rectangle before they are drawn.
#include "engine/util/lines.h"

std::int32_t draw_clip_line8(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                             std::int32_t color, std::uint8_t* buffer, std::int32_t pitch) {
    std::int32_t cxs = x0, cys = y0, cxe = x1, cye = y1;
    if (clip_line(cxs, cys, cxe, cye)) draw_line8(cxs, cys, cxe, cye, color, buffer, pitch);
    return 1;
}

std::int32_t draw_clip_line16(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                              std::int32_t color, std::uint16_t* buffer, std::int32_t pitch) {
    std::int32_t cxs = x0, cys = y0, cxe = x1, cye = y1;
    if (clip_line(cxs, cys, cxe, cye)) draw_line16(cxs, cys, cxe, cye, color, buffer, pitch);
    return 1;
}
