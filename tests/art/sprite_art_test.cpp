// The sprite sheets, icons and cursor: frames in the cells the game cuts, a grid that is
// neither transparent nor ground, see-through backgrounds, and the cursor's hot spot.

#include "art/tool/palette_design.h"
#include "bitmap_probe.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Cell (c, r) of w x h cells starts at (c * (w + 1) + 1, r * (h + 1) + 1).
std::vector<int> cell(const ProbedBitmap& bmp, int c, int r, int w, int h) {
    std::vector<int> out;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.push_back(bmp.at(c * (w + 1) + 1 + x, r * (h + 1) + 1 + y));
    return out;
}

int solid_pixels(const std::vector<int>& pixels) {
    int n = 0;
    for (int p : pixels)
        n += p != COLOUR_TRANSPARENT;
    return n;
}

bool on_grid_line(int x, int y, int w, int h) {
    return x % (w + 1) == 0 || y % (h + 1) == 0;
}

} // namespace

TEST(SpriteArt, PlayerFramesFillTheirCellsOverATransparentBackground) {
    const ProbedBitmap bmp = probe_bitmap("pelkosprites.bmp");
    ASSERT_TRUE(bmp.ok) << bmp.error;
    std::vector<std::pair<int, int>> used;
    for (int c = 0; c < 5; ++c)
        used.push_back({c, 0}), used.push_back({c, 1});
    used.push_back({1, 2});
    for (auto [c, r] : used) {
        const std::vector<int> px = cell(bmp, c, r, 24, 32);
        const int solid = solid_pixels(px);
        EXPECT_GT(solid, 150) << "cell " << c << ", " << r;
        EXPECT_LT(solid, 24 * 32 - 150) << "cell " << c << ", " << r << " needs a clear background";
        // The character stands on the cell's bottom row, so it rests on the ground.
        int bottom = 0;
        for (int x = 0; x < 24; ++x)
            bottom += px[31 * 24 + x] != COLOUR_TRANSPARENT;
        if (c != 4) {
            EXPECT_GT(bottom, 0) << "cell " << c << ", " << r;
        }
    }
}

TEST(SpriteArt, LeftFacingRowMirrorsTheRightFacingRow) {
    const ProbedBitmap bmp = probe_bitmap("pelkosprites.bmp");
    ASSERT_TRUE(bmp.ok) << bmp.error;
    for (int c = 0; c < 5; ++c) {
        const std::vector<int> right = cell(bmp, c, 0, 24, 32), left = cell(bmp, c, 1, 24, 32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 24; ++x)
                ASSERT_EQ(right[y * 24 + x], left[y * 24 + 23 - x])
                    << "cell " << c << " at " << x << ", " << y;
    }
}

TEST(SpriteArt, WalkingFramesAndTheExtraFrameAreDistinct) {
    const ProbedBitmap bmp = probe_bitmap("pelkosprites.bmp");
    ASSERT_TRUE(bmp.ok) << bmp.error;
    const std::vector<int> stand = cell(bmp, 0, 0, 24, 32);
    const std::vector<int> w1 = cell(bmp, 1, 0, 24, 32), w2 = cell(bmp, 2, 0, 24, 32),
                           w3 = cell(bmp, 3, 0, 24, 32), air = cell(bmp, 4, 0, 24, 32),
                           wave = cell(bmp, 1, 2, 24, 32);
    EXPECT_TRUE(w1 != w2) << "w1 and w2 are the same picture";
    EXPECT_TRUE(w2 != w3) << "w2 and w3 are the same picture";
    EXPECT_TRUE(w1 != w3) << "w1 and w3 are the same picture";
    EXPECT_TRUE(air != stand) << "air and stand are the same picture";
    EXPECT_TRUE(wave != stand) << "wave and stand are the same picture";
}

TEST(SpriteArt, GridLinesAreNeitherTransparentNorGround) {
    struct Sheet {
        const char* name;
        int w, h, columns, rows;
    };
    for (const Sheet& s :
         {Sheet{"pelkosprites.bmp", 24, 32, 5, 3}, Sheet{"questionblock.bmp", 32, 32, 4, 1}}) {
        SCOPED_TRACE(s.name);
        const ProbedBitmap bmp = probe_bitmap(s.name);
        ASSERT_TRUE(bmp.ok) << bmp.error;
        for (int y = 0; y <= s.rows * (s.h + 1); ++y)
            for (int x = 0; x <= s.columns * (s.w + 1); ++x) {
                if (!on_grid_line(x, y, s.w, s.h)) continue;
                ASSERT_NE(bmp.at(x, y), COLOUR_TRANSPARENT) << x << ", " << y;
                ASSERT_NE(bmp.at(x, y), COLOUR_GROUND) << x << ", " << y;
            }
    }
}

TEST(SpriteArt, BlockAnimatesAndItsFirstStepMatchesTheRestFrame) {
    const ProbedBitmap bmp = probe_bitmap("questionblock.bmp");
    ASSERT_TRUE(bmp.ok) << bmp.error;
    std::vector<std::vector<int>> frames;
    for (int c = 0; c < 4; ++c) {
        frames.push_back(cell(bmp, c, 0, 32, 32));
        EXPECT_GT(solid_pixels(frames.back()), 32 * 32 - 40) << "frame " << c << " fills its cell";
    }
    // Shown 0, then 1 2 3 2 1 2 3 2...: the steps must differ from their neighbours, and
    // the rest frame must not jump when the animation takes over.
    EXPECT_NE(frames[1], frames[2]);
    EXPECT_NE(frames[2], frames[3]);
    EXPECT_EQ(frames[0], frames[1]);
}

TEST(SpriteArt, IconsAndCursorHaveClearAndSolidPixels) {
    for (const char* name : {"icon101_16.bmp", "icon101_32.bmp", "cursor9.bmp"}) {
        SCOPED_TRACE(name);
        const ProbedBitmap bmp = probe_bitmap(name);
        ASSERT_TRUE(bmp.ok) << bmp.error;
        const int clear =
            count_colours(bmp, 0, 0, bmp.width - 1, bmp.height - 1, {COLOUR_TRANSPARENT});
        EXPECT_GT(clear, 0);
        EXPECT_GT(bmp.width * bmp.height - clear, bmp.width * bmp.height / 8);
    }
}

TEST(SpriteArt, CursorPointsUpLeftFromItsHotSpot) {
    const ProbedBitmap bmp = probe_bitmap("cursor9.bmp");
    ASSERT_TRUE(bmp.ok) << bmp.error;
    EXPECT_NE(bmp.at(0, 0), COLOUR_TRANSPARENT) << "the tip is the hot spot";
    // An arrow: nothing above-right of its left edge's diagonal, and solid down the left.
    for (int y = 0; y < 16; ++y) {
        EXPECT_NE(bmp.at(0, y), COLOUR_TRANSPARENT) << y;
        for (int x = y + 2; x < 32; ++x)
            ASSERT_EQ(bmp.at(x, y), COLOUR_TRANSPARENT) << x << ", " << y;
    }
}
