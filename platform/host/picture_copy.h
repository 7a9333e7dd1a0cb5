// Changed-row tracking for hosts: a copy of the picture last shown, which tells a new
// picture from the same one again and says which band of rows changed.
#pragma once

#include "platform/host/host.h"

#include <cstdint>
#include <vector>

// The last picture presented, kept whole so that it can be drawn again at another scale.
struct PictureCopy {
    std::vector<std::uint8_t> pixels; // width * bytes per pixel per row, no padding
    HostColor palette[256] = {};
    int width = 0;
    int height = 0;
    int bpp = 0;
};

// Stores the picture in the copy; 1 when it differs from what the copy held (pixels, size,
// depth or, at 8 bits, palette), 0 when it is the same picture again. first and last are set
// to the band of rows that changed: all of them for a new size, depth or palette. A picture
// without pixels or with a pitch too small for its rows changes nothing and returns 0.
int picture_remember(PictureCopy* copy, const VideoPicture* picture, int* first, int* last);
// The copy seen as a picture; its pixels stay valid until the next picture_remember.
VideoPicture picture_of(const PictureCopy& copy);
// Forgets the copy, so that the next picture counts as new.
void picture_forget(PictureCopy* copy);
