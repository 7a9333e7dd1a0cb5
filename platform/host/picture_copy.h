// The picture a host last showed, kept whole so that it can be drawn again at another
// scale, and brought up to date from the part of each new picture that changed.
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

// Takes the picture's changed part into the copy; 1 when something is to be drawn again, and
// `changed` says what: the picture's changed part, or all of it for a new size, depth or (at 8
// bits) palette. 0 when nothing changed, and for a picture without pixels or with a pitch too
// small for its rows.
int picture_remember(PictureCopy* copy, const VideoPicture* picture, HostRect* changed);
// The copy seen as a picture; its pixels stay valid until the next picture_remember.
VideoPicture picture_of(const PictureCopy& copy);
// Forgets the copy, so that the next picture counts as new.
void picture_forget(PictureCopy* copy);
