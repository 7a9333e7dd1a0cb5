// Fuzz target: the bitmap reader (BMP and PNG), one or two files read in turn into one record, each
// followed by image cuts, a scroll there and back, and sprite frame cuts at places chosen
// by the input. Every cut must succeed exactly when its rectangle lies inside the picture
// held, and then copy exactly that rectangle.
//
// Input: 17 bytes of choices, then the file (or two files, split where the choices say).
#include "fuzz_display.h"
#include "fuzz_input.h"
#include "picture_checks.h"

#include "engine/engine.h"

#include <cstring>
#include <vector>

namespace {

// The display's layout and the split, then a cut, a scroll and a frame for each file.
constexpr std::size_t CHOICE_BYTES = 3 + 2 * 7;
constexpr std::int32_t LARGEST_CUT = 64;

struct CutPlan {
    std::int32_t mode;
    std::int32_t width;
    std::int32_t height;
    std::int32_t cx;
    std::int32_t cy;
};

CutPlan choose_cut(Choices& choices) {
    CutPlan plan;
    // Any mode but 0 means absolute pixel coordinates.
    const std::uint8_t mode = choose_byte(choices);
    plan.mode = (mode & 1) != 0 ? 0 : mode + 2;
    plan.width = choose_size(choices, LARGEST_CUT);
    plan.height = choose_size(choices, LARGEST_CUT);
    plan.cx = choose_coordinate(choices);
    plan.cy = choose_coordinate(choices);
    return plan;
}

void expect_rows(const BitmapFile& bitmap, const CutPlan& plan, std::int32_t bits_per_pixel,
                 const std::uint8_t* copy, std::ptrdiff_t copy_pitch, const char* promise) {
    const std::int64_t x0 = cut_origin(plan.cx, plan.width, plan.mode);
    const std::int64_t y0 = cut_origin(plan.cy, plan.height, plan.mode);
    const auto row_bytes = static_cast<std::size_t>(plan.width) * (bits_per_pixel / 8);
    for (std::int32_t row = 0; row < plan.height; ++row) {
        const std::uint8_t* wanted = picture_pixel(bitmap, x0, y0 + row, bits_per_pixel);
        fuzz_require(std::memcmp(copy + row * copy_pitch, wanted, row_bytes) == 0, promise);
    }
}

// A cut of either depth takes any picture held: only the rectangle decides.
bool cut_fits(const BitmapFile& bitmap, const CutPlan& plan) {
    // A refused depth may leave the old pixels under headers of a depth no cut takes.
    const std::int32_t bits = bitmap.info_header.biBitCount;
    if (bits != 0 && bits != 8 && bits != 16) return false;
    return inside_picture(bitmap, cut_origin(plan.cx, plan.width, plan.mode),
                          cut_origin(plan.cy, plan.height, plan.mode), plan.width, plan.height,
                          bitmap.info_header.biBitCount);
}

// Copied unchanged: the picture's own depth, and no colours that map or key its pixels.
bool copied_as_held(const BitmapFile& bitmap, std::int32_t bits_per_pixel) {
    return bitmap.info_header.biBitCount == bits_per_pixel && bitmap.colours == nullptr;
}

void cut_image(const BitmapFile& bitmap, const CutPlan& plan, std::int32_t bits_per_pixel,
               std::int32_t scroll) {
    BitmapImage image{};
    if (!image_create(&image, 0, 0, plan.width, plan.height, bits_per_pixel)) {
        fuzz_require(plan.width <= 0 || plan.height <= 0, "an image of some size is made");
        return;
    }
    const std::int32_t cut = bits_per_pixel == 8
                                 ? image_cut(&image, &bitmap, plan.cx, plan.cy, plan.mode)
                                 : image_cut16(&image, &bitmap, plan.cx, plan.cy, plan.mode);
    fuzz_require(cut == (cut_fits(bitmap, plan) ? 1 : 0),
                 "an image cut succeeds exactly when its rectangle lies inside the picture");
    const std::ptrdiff_t row_bytes = static_cast<std::ptrdiff_t>(plan.width) * (bits_per_pixel / 8);
    if (cut) {
        if (copied_as_held(bitmap, bits_per_pixel))
            expect_rows(bitmap, plan, bits_per_pixel, image.pixels, row_bytes,
                        "an image cut copies its rectangle");
        const std::vector<std::uint8_t> before(image.pixels, image.pixels + image.byte_count);
        image_scroll(&image, scroll, 0);
        image_scroll(&image, -(scroll % image.width), 0);
        fuzz_require(std::memcmp(before.data(), image.pixels, before.size()) == 0,
                     "scrolling there and back restores the picture");
    } else {
        fuzz_require((image.attributes & IMAGE_HAS_PIXELS) == 0, "a refused cut marks nothing");
        for (std::int32_t i = 0; i < image.byte_count; ++i)
            fuzz_require(image.pixels[i] == 0, "a refused cut writes nothing");
    }
    image_destroy(&image);
}

void cut_sprite_frame(const BitmapFile& bitmap, const CutPlan& plan, std::int32_t bits_per_pixel,
                      std::int32_t frame) {
    constexpr std::int32_t FRAMES = 2;
    Sprite sprite{};
    if (!sprite_create(&sprite, 0, 0, plan.width, plan.height, FRAMES, SPRITE_SHOWN,
                       DDSCAPS_SYSTEMMEMORY, 253, 8)) {
        sprite_destroy(&sprite);
        return;
    }
    const std::int32_t cut =
        bits_per_pixel == 8
            ? sprite_cut_frame(&sprite, &bitmap, frame, plan.cx, plan.cy, plan.mode)
            : sprite_cut_frame16(&sprite, &bitmap, frame, plan.cx, plan.cy, plan.mode);
    // The display is 8-bit, so its frames take 8-bit cuts only.
    const bool fits = frame >= 0 && frame < FRAMES && bits_per_pixel == 8 && cut_fits(bitmap, plan);
    fuzz_require(cut == (fits ? 1 : 0),
                 "a frame cut succeeds exactly when its rectangle lies inside the picture");
    if (cut && copied_as_held(bitmap, 8)) {
        DDSURFACEDESC2 ddsd{};
        ddsd.dwSize = sizeof ddsd;
        fuzz_require(sprite.frames[frame]->Lock(nullptr, &ddsd, DDLOCK_WAIT, nullptr) == DD_OK,
                     "a frame locks");
        expect_rows(bitmap, plan, 8, static_cast<const std::uint8_t*>(ddsd.lpSurface), ddsd.lPitch,
                    "a frame cut copies its rectangle");
        sprite.frames[frame]->Unlock(nullptr);
    }
    sprite_destroy(&sprite);
}

void read_and_cut(BitmapFile& bitmap, const std::uint8_t* file, std::size_t size,
                  Choices& choices) {
    const std::int32_t read = read_bitmap_file(&bitmap, fuzz_file(file, size));
    const BITMAPINFOHEADER& info = bitmap.info_header;
    if (read) {
        fuzz_require(bitmap.pixels != nullptr, "a read file holds pixels");
        fuzz_require(info.biBitCount == 8 || info.biBitCount == 16, "a read file is 8 or 16 bits");
        fuzz_require(info.biWidth > 0 && info.biHeight > 0, "a read picture is upright");
    }
    touch_held_picture(bitmap);
    const CutPlan plan = choose_cut(choices);
    const std::int32_t scroll = choose_coordinate(choices);
    const std::int32_t frame = static_cast<std::int32_t>(choose_byte(choices) % 3);
    for (std::int32_t bits : {8, 16}) {
        cut_image(bitmap, plan, bits, scroll);
        cut_sprite_frame(bitmap, plan, bits, frame);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz_display_up();
    const std::uint8_t* rest = nullptr;
    std::size_t rest_size = 0;
    Choices choices = take_choices(data, size, CHOICE_BYTES, &rest, &rest_size);
    // 24-bit files are packed to the display's pixel layout as it stands at the read.
    static const std::int32_t FORMATS[3] = {8, 15, 16};
    pixel_format = FORMATS[choose_byte(choices) % 3];
    std::size_t split = choose_byte(choices);
    split |= static_cast<std::size_t>(choose_byte(choices)) << 8;
    if (split == 0 || split >= rest_size) split = rest_size;

    BitmapFile bitmap{};
    read_and_cut(bitmap, rest, split, choices);
    if (split < rest_size) read_and_cut(bitmap, rest + split, rest_size - split, choices);
    release_bitmap_file(&bitmap);
    fuzz_require(bitmap.pixels == nullptr, "a released record holds no pixels");
    return 0;
}
