// Scanning a box of locked pixel memory for a colour, bounded by the screen's size.
#include "engine/display/display_context.h"
#include "engine/util/collision.h"

#include <cstddef>
#include <cstring>

namespace {

std::int32_t clamp_to_screen(std::int32_t value, std::int32_t size) {
    if (value >= size) return size - 1;
    return value < 0 ? 0 : value;
}

// Clamps both corners onto the screen; false when there is no screen or nothing to scan.
bool clamp_box(std::int32_t& x1, std::int32_t& y1, std::int32_t& x2, std::int32_t& y2) {
    if (screen_width <= 0 || screen_height <= 0) return false;
    x1 = clamp_to_screen(x1, screen_width);
    x2 = clamp_to_screen(x2, screen_width);
    y1 = clamp_to_screen(y1, screen_height);
    y2 = clamp_to_screen(y2, screen_height);
    return x1 <= x2 && y1 <= y2;
}

template <typename Pixel, typename Match>
std::int32_t scan_rows(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                       const Pixel* buffer, std::ptrdiff_t pitch_pixels, Match match) {
    const Pixel* row = buffer + y1 * pitch_pixels;
    for (std::int32_t y = y1; y <= y2; ++y, row += pitch_pixels) {
        if (match(row + x1, static_cast<std::size_t>(x2 - x1) + 1)) return 1;
    }
    return 0;
}

// Sixteen pixels compared at once; the compiler maps this onto the machine's vector unit.
using Bytes16 = std::uint8_t __attribute__((vector_size(16)));

// Whether any byte of the row lies in [low, low + span]: one unsigned comparison covers both
// ends of the range. Rows as short as the game's 25 pixels are two overlapping loads.
bool row_in_range(const std::uint8_t* row, std::size_t count, std::uint8_t low, std::uint8_t span) {
    if (count < sizeof(Bytes16)) {
        unsigned hit = 0;
        for (std::size_t i = 0; i < count; ++i)
            hit |= static_cast<std::uint8_t>(row[i] - low) <= span;
        return hit != 0;
    }
    Bytes16 hits = {};
    for (std::size_t i = 0;; i += sizeof(Bytes16)) {
        // The last load ends at the row's end, overlapping the one before.
        const std::size_t at = i + sizeof(Bytes16) <= count ? i : count - sizeof(Bytes16);
        Bytes16 pixels;
        std::memcpy(&pixels, row + at, sizeof pixels);
        hits |= reinterpret_cast<Bytes16>(static_cast<Bytes16>(pixels - low) <= span);
        if (at + sizeof(Bytes16) >= count) break;
    }
    std::uint64_t halves[2];
    std::memcpy(halves, &hits, sizeof halves);
    return (halves[0] | halves[1]) != 0;
}

} // namespace

std::int32_t color_scan(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                        std::int32_t lowest, std::int32_t highest, const std::uint8_t* buffer,
                        std::int32_t pitch) {
    if (buffer == nullptr || !clamp_box(x1, y1, x2, y2)) return 0;
    const auto low = static_cast<std::uint8_t>(lowest);
    const auto high = static_cast<std::uint8_t>(highest);
    if (low > high) return 0;
    const auto span = static_cast<std::uint8_t>(high - low);
    return scan_rows(x1, y1, x2, y2, buffer, pitch,
                     [low, span](const std::uint8_t* row, std::size_t count) {
                         return row_in_range(row, count, low, span);
                     });
}

std::int32_t color_scan16(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                          std::int32_t first, std::int32_t second, const std::uint16_t* buffer,
                          std::int32_t pitch) {
    if (buffer == nullptr || !clamp_box(x1, y1, x2, y2)) return 0;
    const auto one = static_cast<std::uint16_t>(first);
    const auto other = static_cast<std::uint16_t>(second);
    return scan_rows(x1, y1, x2, y2, buffer, pitch >> 1,
                     [one, other](const std::uint16_t* p, std::size_t n) {
                         for (std::size_t i = 0; i < n; ++i) {
                             if (p[i] == one || p[i] == other) return true;
                         }
                         return false;
                     });
}
