// Installing a picture's colour table as the display palette.
#include "engine/image/bitmap_file.h"

#include "engine/display/display_context.h"
#include "engine/display/error_log.h"
#include "engine/display/palette.h"

std::int32_t set_palette_from_bitmap(const BitmapFile* bitmap, std::int32_t first,
                                     std::int32_t count) {
    if (bitmap == nullptr) return 0;
    if (count == 0 && first == 0) count = 256;
    if (first < 0 || count <= 0 || first > 256 - count) {
        write_error_log("\nPalette not installed: entries %d to %d leave 0 to 255.", first,
                        first + count - 1);
        return 0;
    }
    // True-colour pictures never fill the table; their cuts map to the palette shown instead.
    const std::uint16_t bits = bitmap->info_header.biBitCount;
    if (bits != 0 && bits != 8) {
        write_error_log("\nPalette not installed: a %u-bit picture has no colour table.",
                        static_cast<unsigned>(bits));
        return 0;
    }
    Palette shown;
    get_palette(shown);
    for (std::int32_t i = first; i < first + count; ++i)
        shown[i] = bitmap->palette[i];
    return set_palette(shown);
}
