// The Windows presenter's pixels: the screen's picture converted and scaled into the 32-bit
// bitmap that GDI puts on the window, and the copy that tells a changed picture from the same
// one again. Pure code, so that it is tested and measured on any system.
#pragma once

#include "platform/video/video_backend.h"
#include "platform/video/viewport.h"

#include <cstdint>
#include <vector>

// Converts the picture (through its palette at 8 bits, by its layout at 15 and 16) into out,
// a bitmap of viewport.width x viewport.height 0x??RRGGBB pixels, top row first, out_pitch
// pixels from one row to the next. A whole factor replicates pixels and rows in one pass;
// any other size goes through the shared nearest-neighbour scaler.
void frame_convert_scaled(const VideoPicture* picture, const VideoViewport& viewport,
                          std::uint32_t* out, int out_pitch);

// The last picture presented, kept whole so that it can be drawn again at another scale.
struct FrameCopy {
    std::vector<std::uint8_t> pixels; // width * bytes per pixel per row, no padding
    PALETTEENTRY palette[256];
    int width = 0;
    int height = 0;
    int bpp = 0;
};

// Stores the picture in the copy; 1 when it differs from what the copy held (pixels, size,
// depth or, at 8 bits, palette), 0 when it is the same picture again. When given, first and
// last are set to the band of rows that changed: all of them for a new size, depth or palette.
int frame_remember(FrameCopy* copy, const VideoPicture* picture, int* first = nullptr,
                   int* last = nullptr);
// The copy seen as a picture; its pixels stay valid until the next frame_remember.
VideoPicture frame_picture(const FrameCopy& copy);
