// A pixel buffer for drawing tests with guard bands all round: drawing code gets the
// address of pixel (0, 0) and the pitch, and tests ask which pixels changed and whether
// anything outside a rectangle was touched.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

template <typename Pixel> struct GuardedBuffer {
    static constexpr int GUARD = 64; // rows above and below, columns left and right
    static constexpr Pixel BACKGROUND = static_cast<Pixel>(0xA5A5);

    int width;
    int height;
    int stride; // pixels per row, guards included
    std::vector<Pixel> memory;

    GuardedBuffer(int w, int h)
        : width(w), height(h), stride(w + 2 * GUARD),
          memory(static_cast<std::size_t>(stride) * (h + 2 * GUARD), BACKGROUND) {}

    Pixel* origin() { return memory.data() + static_cast<std::size_t>(GUARD) * stride + GUARD; }
    std::int32_t pitch() const { return stride * static_cast<int>(sizeof(Pixel)); }
    void clear() { std::fill(memory.begin(), memory.end(), BACKGROUND); }

    // x and y may reach into the guards, down to -GUARD.
    Pixel at(int x, int y) const {
        return memory[static_cast<std::size_t>(y + GUARD) * stride + x + GUARD];
    }
    bool changed(int x, int y) const { return at(x, y) != BACKGROUND; }

    // Whether every pixel outside the inclusive rectangle, guards included, is untouched.
    // It scans the whole memory, so property tests draw many shapes between two checks.
    bool untouched_outside(int min_x, int min_y, int max_x, int max_y) const {
        for (int y = -GUARD; y < height + GUARD; ++y)
            for (int x = -GUARD; x < width + GUARD; ++x) {
                bool inside = x >= min_x && x <= max_x && y >= min_y && y <= max_y;
                if (!inside && changed(x, y)) return false;
            }
        return true;
    }

    // The changed pixels of the visible area, as one flag per pixel, row by row.
    std::vector<bool> changed_set() const {
        std::vector<bool> set(static_cast<std::size_t>(width) * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                set[static_cast<std::size_t>(y) * width + x] = changed(x, y);
        return set;
    }

    // The changed pixels of the visible area as (x, y), row by row.
    std::vector<std::pair<int, int>> changed_pixels() const {
        std::vector<std::pair<int, int>> found;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (changed(x, y)) found.emplace_back(x, y);
        return found;
    }
};

using GuardedBuffer8 = GuardedBuffer<std::uint8_t>;
using GuardedBuffer16 = GuardedBuffer<std::uint16_t>;
