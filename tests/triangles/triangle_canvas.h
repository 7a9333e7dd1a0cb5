// One triangle drawn by any of the three families into guarded buffers, and the pixels it
// changed, so that every triangle test can run over all families alike.
#pragma once

#include "engine/engine.h"
#include "support/guarded_buffer.h"

#include <array>
#include <cstdint>
#include <ostream>
#include <vector>

enum class Family { float8, float16, fixed8 };
constexpr std::array<Family, 3> ALL_FAMILIES{Family::float8, Family::float16, Family::fixed8};

inline const char* family_name(Family family) {
    static constexpr const char* NAMES[] = {"float 8-bit", "float 16-bit", "fixed 8-bit"};
    return NAMES[static_cast<int>(family)];
}

struct Triangle {
    std::int32_t x1, y1, x2, y2, x3, y3;
};

inline std::ostream& operator<<(std::ostream& out, const Triangle& t) {
    return out << "(" << t.x1 << "," << t.y1 << ") (" << t.x2 << "," << t.y2 << ") (" << t.x3 << ","
               << t.y3 << ")";
}

struct ClipRect {
    std::int32_t min_x, min_y, max_x, max_y;
};

inline void set_clip(const ClipRect& clip) {
    clip_min_x = clip.min_x;
    clip_min_y = clip.min_y;
    clip_max_x = clip.max_x;
    clip_max_y = clip.max_y;
}

// Stored as its low 8 or 16 bits, both unlike the buffers' background.
constexpr std::int32_t COLOR = 0x7123'4C3C;

struct TriangleCanvas {
    GuardedBuffer8 bytes;
    GuardedBuffer16 words;

    TriangleCanvas(int width, int height) : bytes(width, height), words(width, height) {}

    void clear() {
        bytes.clear();
        words.clear();
    }

    void draw(Family family, const Triangle& t) {
        switch (family) {
        case Family::float8:
            draw_triangle8(t.x1, t.y1, t.x2, t.y2, t.x3, t.y3, COLOR, bytes.origin(),
                           bytes.pitch());
            break;
        case Family::float16:
            draw_triangle16(t.x1, t.y1, t.x2, t.y2, t.x3, t.y3, COLOR, words.origin(),
                            words.pitch());
            break;
        case Family::fixed8:
            draw_triangle8_fixed(t.x1, t.y1, t.x2, t.y2, t.x3, t.y3, COLOR, bytes.origin(),
                                 bytes.pitch());
            break;
        }
    }

    std::vector<bool> changed(Family family) const {
        return family == Family::float16 ? words.changed_set() : bytes.changed_set();
    }

    bool untouched_outside(Family family, const ClipRect& c) const {
        return family == Family::float16
                   ? words.untouched_outside(c.min_x, c.min_y, c.max_x, c.max_y)
                   : bytes.untouched_outside(c.min_x, c.min_y, c.max_x, c.max_y);
    }
};
