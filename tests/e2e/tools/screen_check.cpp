// Checks a screenshot of the whole X screen (binary PPM, as ImageMagick's import writes it)
// against the game's pictures: the full-screen picture is scaled by a whole factor and
// centred, and every game pixel is seen through the level's palette, which the game
// installs at start.
//
//   screen_check menu <shot.ppm> [scale]   the menu with its first entry highlighted, at
//                                          this whole scale when one is given; menu2 to
//                                          menu4 with that entry highlighted instead
//   screen_check moved <shot.ppm> <min_x>  the level, with the character alone left of
//                                          the block and its left edge at min_x or beyond
// Run from the folder with the game's data files. Exit 0 when the check holds, 1 when not.
#include "engine/engine.h"
#include "game/player.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

struct Shot {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

namespace {

bool read_number(std::ifstream& in, int& value) {
    in >> std::ws;
    while (in.peek() == '#') {
        std::string comment;
        std::getline(in, comment);
        in >> std::ws;
    }
    return static_cast<bool>(in >> value);
}

bool read_shot(const char* path, Shot& shot) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maximum = 0;
    if (!(in >> magic) || magic != "P6" || !read_number(in, shot.width) ||
        !read_number(in, shot.height) || !read_number(in, maximum) || maximum != 255 ||
        shot.width <= 0 || shot.height <= 0 || shot.width > 16384 || shot.height > 16384)
        return false;
    in.get(); // the single whitespace before the pixels
    shot.rgb.resize(static_cast<std::size_t>(shot.width) * shot.height * 3);
    return static_cast<bool>(in.read(reinterpret_cast<char*>(shot.rgb.data()), shot.rgb.size()));
}

} // namespace

// Where the 640 x 480 picture lies on the screen.
struct Placement {
    int scale;
    int left;
    int top;
};

namespace {

Placement place_picture(const Shot& shot) {
    const int scale = std::max(1, std::min(shot.width / 640, shot.height / 480));
    return {scale, (shot.width - 640 * scale) / 2, (shot.height - 480 * scale) / 2};
}

// Whether every screen pixel of game pixel (x, y) shows palette colour `index`.
bool shows(const Shot& shot, const Placement& at, int x, int y, const Palette& palette, int index) {
    for (int dy = 0; dy < at.scale; ++dy)
        for (int dx = 0; dx < at.scale; ++dx) {
            const int sx = at.left + x * at.scale + dx;
            const int sy = at.top + y * at.scale + dy;
            if (sx < 0 || sy < 0 || sx >= shot.width || sy >= shot.height) return false;
            const std::uint8_t* p = &shot.rgb[(static_cast<std::size_t>(sy) * shot.width + sx) * 3];
            if (p[0] != palette[index].red || p[1] != palette[index].green ||
                p[2] != palette[index].blue)
                return false;
        }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: screen_check menu|menu2|menu3|menu4|moved <shot.ppm> [scale|min_x]\n");
        return 2;
    }
    const std::string mode = argv[1];
    Shot shot;
    if (!read_shot(argv[2], shot)) {
        std::fprintf(stderr, "screen_check: %s is no readable binary PPM\n", argv[2]);
        return 2;
    }
    // Each menu picture shows one entry highlighted.
    const bool menu =
        mode == "menu" || mode == "menu1" || mode == "menu2" || mode == "menu3" || mode == "menu4";
    const std::string picture_name =
        !menu ? "gamebackground1.BMP"
              : "menubackground" + (mode == "menu" ? std::string("1") : mode.substr(4)) + ".bmp";
    BitmapFile level{}, picture{};
    if (!read_bitmap_file(&level, "gamebackground1.BMP") ||
        !read_bitmap_file(&picture, picture_name.c_str())) {
        std::fprintf(stderr, "screen_check: the game's pictures cannot be read here\n");
        return 2;
    }
    const Placement at = place_picture(shot);
    int differing = 0;
    int left = 640, right = -1, top = 480, bottom = -1;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            if (mode == "moved" && x >= BLOCK_X && x < BLOCK_X + 32 && y >= BLOCK_Y &&
                y < BLOCK_Y + 32)
                continue; // the animated block
            if (shows(shot, at, x, y, level.palette, picture.pixels[y * 640 + x])) continue;
            ++differing;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    release_bitmap_file(&level);
    release_bitmap_file(&picture);

    if (menu) {
        std::printf("%s: %d of 307200 pixels differ (scale %d at %d, %d)\n", mode.c_str(),
                    differing, at.scale, at.left, at.top);
        const int scale = argc > 3 ? std::atoi(argv[3]) : at.scale;
        if (scale != at.scale) std::printf("menu: expected at scale %d\n", scale);
        return differing == 0 && scale == at.scale ? 0 : 1;
    }
    const int min_x = argc > 3 ? std::atoi(argv[3]) : 0;
    std::printf("level: %d pixels differ, in columns %d to %d and rows %d to %d\n", differing, left,
                right, top, bottom);
    // Only the character may differ: one box no larger than its 24 x 32 frame.
    const bool character_only =
        differing > 0 && right - left < 24 && bottom - top < 32 && left >= min_x;
    return character_only ? 0 : 1;
}
