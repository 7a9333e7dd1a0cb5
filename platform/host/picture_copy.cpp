// The picture last shown, brought up to date from the changed part of each new one.
#include "platform/host/picture_copy.h"

#include <algorithm>
#include <cstring>

namespace {

int bytes_per_pixel(int bpp) {
    return bpp == 8 ? 1 : 2;
}

// Fits the copy to the picture's size, depth and palette; 1 when it had to change, so that
// every row counts as changed.
int fit_copy(PictureCopy* copy, const VideoPicture& picture, std::size_t size) {
    int changed = copy->width != picture.width || copy->height != picture.height ||
                  copy->bpp != picture.bpp || copy->pixels.size() != size;
    if (changed) {
        copy->width = picture.width;
        copy->height = picture.height;
        copy->bpp = picture.bpp;
        copy->pixels.assign(size, 0);
    }
    if (picture.bpp == 8 && picture.palette &&
        std::memcmp(copy->palette, picture.palette, sizeof copy->palette) != 0) {
        std::memcpy(copy->palette, picture.palette, sizeof copy->palette);
        changed = 1;
    }
    return changed;
}

// The part of the picture that it says changed, cut to the picture; no area when none.
HostRect changed_part(const VideoPicture& picture) {
    const HostRect& c = picture.changed;
    const int left = std::max(c.x, 0), top = std::max(c.y, 0);
    // Summed wide, so that absurd values cannot overflow.
    const int right =
        c.width > 0 ? static_cast<int>(std::min<long long>(1LL * c.x + c.width, picture.width)) : 0;
    const int bottom =
        c.height > 0 ? static_cast<int>(std::min<long long>(1LL * c.y + c.height, picture.height))
                     : 0;
    if (right <= left || bottom <= top) return {};
    return {left, top, right - left, bottom - top};
}

} // namespace

int picture_remember(PictureCopy* copy, const VideoPicture* picture, HostRect* changed) {
    *changed = {};
    if (!copy || !picture || !picture->pixels || picture->width <= 0 || picture->height <= 0)
        return 0;
    const int bytes = bytes_per_pixel(picture->bpp);
    const int row_bytes = picture->width * bytes;
    if (picture->pitch < row_bytes) return 0;
    const bool whole =
        fit_copy(copy, *picture, static_cast<std::size_t>(row_bytes) * picture->height);
    const HostRect part =
        whole ? HostRect{0, 0, picture->width, picture->height} : changed_part(*picture);
    if (part.width <= 0) return 0;
    for (int y = part.y; y < part.y + part.height; ++y)
        std::memcpy(copy->pixels.data() + static_cast<std::size_t>(y) * row_bytes + part.x * bytes,
                    picture->pixels + static_cast<long>(y) * picture->pitch + part.x * bytes,
                    static_cast<std::size_t>(part.width) * bytes);
    *changed = part;
    return 1;
}

VideoPicture picture_of(const PictureCopy& copy) {
    VideoPicture picture = {};
    picture.pixels = copy.pixels.data();
    picture.pitch = copy.width * bytes_per_pixel(copy.bpp);
    picture.width = copy.width;
    picture.height = copy.height;
    picture.bpp = copy.bpp;
    picture.palette = copy.bpp == 8 ? copy.palette : nullptr;
    return picture;
}

void picture_forget(PictureCopy* copy) {
    *copy = PictureCopy();
}
