// The picture last shown, and the band of rows in which a new one differs from it.
#include "platform/host/picture_copy.h"

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

} // namespace

int picture_remember(PictureCopy* copy, const VideoPicture* picture, int* first, int* last) {
    *first = *last = -1;
    if (!copy || !picture || !picture->pixels || picture->width <= 0 || picture->height <= 0)
        return 0;
    const int row_bytes = picture->width * bytes_per_pixel(picture->bpp);
    if (picture->pitch < row_bytes) return 0;
    const int whole =
        fit_copy(copy, *picture, static_cast<std::size_t>(row_bytes) * picture->height);
    for (int y = 0; y < picture->height; ++y) {
        const std::uint8_t* s = picture->pixels + static_cast<long>(y) * picture->pitch;
        std::uint8_t* d = copy->pixels.data() + static_cast<std::size_t>(y) * row_bytes;
        if (!whole && std::memcmp(d, s, static_cast<std::size_t>(row_bytes)) == 0) continue;
        std::memcpy(d, s, static_cast<std::size_t>(row_bytes));
        if (*first < 0) *first = y;
        *last = y;
    }
    return *first >= 0;
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
