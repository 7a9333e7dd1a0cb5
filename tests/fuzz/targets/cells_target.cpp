// Fuzz target: surface_cut_cell and image_copy_rect on a fuzzed bitmap file and fuzzed
// rectangles. A cell cut succeeds exactly when the cell lies inside the 8-bit picture held,
// writes only the surface's own pixels of each row, and nothing at all when it refuses; a
// rectangle copy succeeds exactly when the rectangle lies inside both images, moves exactly
// that rectangle (overlapping within one image too), and changes nothing else.
//
// Input: 15 bytes of choices, then the file.
#include "fuzz_display.h"
#include "fuzz_input.h"
#include "picture_checks.h"

#include "engine/engine.h"

#include <cstring>
#include <vector>

namespace {

// A cell's size and place, then the two images, their depths and the rectangle.
constexpr std::size_t CHOICE_BYTES = 4 + 4 + 1 + 6;
constexpr std::int32_t LARGEST_CELL = 40;
constexpr std::int32_t LARGEST_IMAGE = 48;
constexpr std::uint8_t UNTOUCHED = 0xEE;

void cut_cell(const BitmapFile& bitmap, Choices& choices) {
    const std::int32_t width = choose_size(choices, LARGEST_CELL);
    const std::int32_t height = choose_size(choices, LARGEST_CELL);
    const std::int32_t cx = choose_coordinate(choices);
    const std::int32_t cy = choose_coordinate(choices);
    IDirectDrawSurface7* surface = create_offscreen_surface(width, height, DDSCAPS_SYSTEMMEMORY, 0);
    if (surface == nullptr) {
        fuzz_require(width <= 0 || height <= 0, "a surface of some size is made");
        fuzz_require(surface_cut_cell(&bitmap, nullptr, cx, cy) == 0, "no surface, no cut");
        return;
    }
    DDSURFACEDESC2 ddsd{};
    ddsd.dwSize = sizeof ddsd;
    fuzz_require(surface->Lock(nullptr, &ddsd, DDLOCK_WAIT, nullptr) == DD_OK, "a surface locks");
    auto* memory = static_cast<std::uint8_t*>(ddsd.lpSurface);
    std::memset(memory, UNTOUCHED, static_cast<std::size_t>(ddsd.lPitch) * height);
    surface->Unlock(nullptr);

    const std::int32_t cut = surface_cut_cell(&bitmap, surface, cx, cy);
    const std::int64_t x0 = cut_origin(cx, width, 0);
    const std::int64_t y0 = cut_origin(cy, height, 0);
    fuzz_require(cut == (inside_picture(bitmap, x0, y0, width, height, 8) ? 1 : 0),
                 "a cell cut succeeds exactly when the cell lies inside the 8-bit picture");
    fuzz_require(surface->Lock(nullptr, &ddsd, DDLOCK_WAIT, nullptr) == DD_OK, "a surface locks");
    for (std::int32_t row = 0; row < height; ++row) {
        const std::uint8_t* line = memory + static_cast<std::ptrdiff_t>(row) * ddsd.lPitch;
        for (std::int32_t x = 0; x < ddsd.lPitch; ++x) {
            const bool cell_pixel = cut && x < width;
            const std::uint8_t wanted =
                cell_pixel ? *picture_pixel(bitmap, x0 + x, y0 + row, 8) : UNTOUCHED;
            fuzz_require(line[x] == wanted,
                         "a cell cut writes the cell's pixels and nothing beyond them");
        }
    }
    surface->Unlock(nullptr);
    surface->Release();
}

// An image filled from the top-left of the picture when it fits there, else with a pattern.
bool make_image(BitmapImage& image, const BitmapFile& bitmap, std::int32_t width,
                std::int32_t height, std::int32_t bits_per_pixel) {
    if (!image_create(&image, 0, 0, width, height, bits_per_pixel)) return false;
    const bool cut = bits_per_pixel == 8 ? image_cut(&image, &bitmap, 0, 0, 1)
                                         : image_cut16(&image, &bitmap, 0, 0, 1);
    if (!cut) {
        for (std::int32_t i = 0; i < image.byte_count; ++i)
            image.pixels[i] = static_cast<std::uint8_t>(i * 7 + 1);
    }
    return true;
}

bool rect_inside(const BitmapImage& image, std::int64_t x, std::int64_t y, std::int64_t width,
                 std::int64_t height) {
    return x >= 0 && y >= 0 && x + width <= image.width && y + height <= image.height;
}

void copy_rect(const BitmapFile& bitmap, Choices& choices) {
    const std::int32_t size[4] = {
        choose_size(choices, LARGEST_IMAGE), choose_size(choices, LARGEST_IMAGE),
        choose_size(choices, LARGEST_IMAGE), choose_size(choices, LARGEST_IMAGE)};
    const std::uint8_t kinds = choose_byte(choices);
    const std::int32_t dest_x = choose_coordinate(choices), dest_y = choose_coordinate(choices);
    const std::int32_t source_x = choose_coordinate(choices), source_y = choose_coordinate(choices);
    const std::int32_t width = choose_coordinate(choices), height = choose_coordinate(choices);
    const std::int32_t source_bits = (kinds & 1) != 0 ? 16 : 8;
    const bool same_image = (kinds & 2) != 0;
    const std::int32_t dest_bits = (kinds & 4) != 0 ? 24 - source_bits : source_bits;

    BitmapImage source{}, other{};
    if (!make_image(source, bitmap, size[0], size[1], source_bits)) return;
    BitmapImage* dest = &source;
    if (!same_image) {
        if (!make_image(other, bitmap, size[2], size[3], dest_bits)) {
            image_destroy(&source);
            return;
        }
        dest = &other;
    }
    const std::vector<std::uint8_t> source_before(source.pixels, source.pixels + source.byte_count);
    const std::vector<std::uint8_t> dest_before(dest->pixels, dest->pixels + dest->byte_count);
    const std::int32_t copied =
        image_copy_rect(dest, dest_x, dest_y, &source, source_x, source_y, width, height);
    const bool fits = dest->bits_per_pixel == source.bits_per_pixel && width >= 0 && height >= 0 &&
                      rect_inside(source, source_x, source_y, width, height) &&
                      rect_inside(*dest, dest_x, dest_y, width, height);
    fuzz_require(copied == (fits ? 1 : 0),
                 "a copy succeeds exactly when the rectangle lies inside both images");
    const std::int32_t bytes = dest->bits_per_pixel / 8;
    for (std::int32_t y = 0; y < dest->height; ++y) {
        for (std::int32_t x = 0; x < dest->width; ++x) {
            const bool moved =
                copied && x >= dest_x && x - dest_x < width && y >= dest_y && y - dest_y < height;
            const std::size_t at = (static_cast<std::size_t>(y) * dest->width + x) * bytes;
            const std::size_t from =
                moved ? (static_cast<std::size_t>(y - dest_y + source_y) * source.width + x -
                         dest_x + source_x) *
                            bytes
                      : at;
            const std::uint8_t* wanted = moved ? &source_before[from] : &dest_before[at];
            fuzz_require(std::memcmp(dest->pixels + at, wanted, bytes) == 0,
                         "a copy moves exactly its rectangle");
        }
    }
    if (!same_image) {
        fuzz_require(std::memcmp(source.pixels, source_before.data(), source_before.size()) == 0,
                     "a copy leaves its source alone");
        image_destroy(&other);
    }
    image_destroy(&source);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz_display_up();
    const std::uint8_t* file = nullptr;
    std::size_t file_size = 0;
    Choices choices = take_choices(data, size, CHOICE_BYTES, &file, &file_size);
    BitmapFile bitmap{};
    read_bitmap_file(&bitmap, fuzz_file(file, file_size));
    touch_held_picture(bitmap);
    cut_cell(bitmap, choices);
    copy_rect(bitmap, choices);
    release_bitmap_file(&bitmap);
    return 0;
}
