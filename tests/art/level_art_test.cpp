// The level's layout against the character's physics: the start lands on flat ground,
// the world has no holes at its edges, the block can be bumped from below and stood on
// from above, and the floating platforms can be reached by jumping.

#include "art/tool/palette_design.h"
#include "bitmap_probe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <queue>
#include <set>
#include <vector>

namespace {

constexpr int W = 24, H = 32;  // the character's box
constexpr int JUMP_RISE = 180; // a held jump: 40 + 35 + ... + 5
constexpr int BLOCK_X = 549, BLOCK_Y = 290, BLOCK_SIZE = 32;

// Any ground in rows y1..y2 and columns x1..x2, clamped to the screen as the game's scan is.
bool ground_in(const ProbedBitmap& bmp, int x1, int y1, int x2, int y2) {
    x1 = std::clamp(x1, 0, 639), x2 = std::clamp(x2, 0, 639);
    y1 = std::clamp(y1, 0, 479), y2 = std::clamp(y2, 0, 479);
    return count_colours(bmp, x1, y1, x2, y2, {COLOUR_GROUND}) > 0;
}

// Drops the character from (x, y) frame by frame as the game does: move down by the
// falling speed, get lifted out of the ground, stop when ground touches the row below.
// Returns the resting y, or a value past the screen when it falls out.
int settle(const ProbedBitmap& bmp, int x, int y) {
    int vy = 0;
    for (int frame = 0; frame < 200; ++frame) {
        y -= vy;
        for (int lift = 0; lift < 600 && ground_in(bmp, x, y, x + W, y + H); ++lift)
            --y;
        vy = -15;
        if (ground_in(bmp, x, y, x + W, y + H + 1)) return y;
        if (y > 480) break;
    }
    return 10000;
}

int column_top(const ProbedBitmap& bmp, int x, int from_y) {
    for (int y = std::max(from_y, 0); y < bmp.height; ++y)
        if (bmp.at(x, y) == COLOUR_GROUND) return y;
    return bmp.height;
}

struct Spot {
    int x, y; // where the character's box rests
    auto operator<=>(const Spot&) const = default;
};

// Every resting place on a grid of columns: the box is clear and ground lies in the row below.
std::vector<Spot> resting_spots(const ProbedBitmap& bmp) {
    std::vector<Spot> spots;
    for (int x = 0; x + W < 640; x += 4)
        for (int y = 0; y + H + 1 < 480; ++y)
            if (!ground_in(bmp, x, y, x + W, y + H) &&
                ground_in(bmp, x, y + H + 1, x + W, y + H + 1))
                spots.push_back({x, y});
    return spots;
}

// The level as the tests read it; an unreadable file fails the calling test at once.
ProbedBitmap load_level() {
    ProbedBitmap level = probe_bitmap("gamebackground1.BMP");
    if (!level.ok || level.width != 640 || level.height != 480) {
        ADD_FAILURE() << "gamebackground1.BMP: " << level.error << " " << level.width << " x "
                      << level.height;
        level.ok = false;
    }
    return level;
}

} // namespace

TEST(LevelArt, StartDropsOntoFlatGround) {
    const ProbedBitmap level = load_level();
    ASSERT_TRUE(level.ok);
    const int top = column_top(level, 20, 400);
    EXPECT_GT(top, 432) << "ground must lie below the character's box at the start";
    const int rest = settle(level, 20, 400);
    ASSERT_LT(rest, 480) << "the character falls out of the world";
    EXPECT_GE(rest, 400) << "the start is inside the ground";
    int highest = 480, lowest = 0;
    for (int x = 20; x <= 44; ++x) {
        const int t = column_top(level, x, 400);
        highest = std::min(highest, t);
        lowest = std::max(lowest, t);
    }
    EXPECT_LE(lowest - highest, 2) << "the landing spot is not flat";
    EXPECT_EQ(rest, highest - H - 1) << "rests with the ground one row below its box";
}

TEST(LevelArt, GroundSpansTheWholeWidthWithoutHoles) {
    const ProbedBitmap level = load_level();
    ASSERT_TRUE(level.ok);
    for (int x : {0, 639}) {
        const int top = column_top(level, x, 0);
        ASSERT_LT(top, 480) << "no ground at column " << x;
        for (int y = top; y < 480; ++y)
            ASSERT_EQ(level.at(x, y), COLOUR_GROUND) << x << ", " << y;
    }
    // No pit anywhere: every column holds ground in the bottom row.
    for (int x = 0; x < 640; ++x)
        ASSERT_EQ(level.at(x, 479), COLOUR_GROUND) << "pit at column " << x;
}

TEST(LevelArt, BlockCanBeBumpedFromBelow) {
    const ProbedBitmap level = load_level();
    ASSERT_TRUE(level.ok);
    EXPECT_FALSE(
        ground_in(level, BLOCK_X, BLOCK_Y, BLOCK_X + BLOCK_SIZE - 1, BLOCK_Y + BLOCK_SIZE - 1))
        << "the block's area must be free of ground";
    for (int x = BLOCK_X; x < BLOCK_X + BLOCK_SIZE; ++x)
        EXPECT_GT(column_top(level, x, BLOCK_Y + BLOCK_SIZE), BLOCK_Y + BLOCK_SIZE + H + 1)
            << "no room to stand under the block at column " << x;
    const int x = BLOCK_X + (BLOCK_SIZE - W) / 2;
    const int rest = settle(level, x, BLOCK_Y + BLOCK_SIZE + 1);
    ASSERT_LT(rest, 480);
    // A held jump from there: some step must put the upper half of the box against the
    // block's lower half, or the rise would carry the character past it.
    bool bumps = false;
    int y = rest;
    for (int speed = 40; speed > 0 && !bumps; speed -= 5) {
        y -= speed;
        bumps = y <= BLOCK_Y + BLOCK_SIZE - 1 && y + H / 2 - 1 >= BLOCK_Y + BLOCK_SIZE / 2;
    }
    EXPECT_TRUE(bumps) << "standing at y " << rest;
}

TEST(LevelArt, BlockCanBeReachedFromAbove) {
    const ProbedBitmap level = load_level();
    ASSERT_TRUE(level.ok);
    // Somewhere within a running jump of the block, the top of a held jump clears it.
    bool found = false;
    for (const Spot& s : resting_spots(level)) {
        const int apex = s.y - JUMP_RISE;
        if (apex + H >= BLOCK_Y) continue;
        const int fall_frames = (BLOCK_Y - H - apex) / 15 + 1;
        const int reach = 8 * (8 + 1 + fall_frames);
        const int gap =
            s.x + W < BLOCK_X ? BLOCK_X - (s.x + W) : std::max(s.x - (BLOCK_X + BLOCK_SIZE), 0);
        if (gap <= reach) found = true;
    }
    EXPECT_TRUE(found);
}

TEST(LevelArt, PlatformsAtSeveralHeightsAreReachable) {
    const ProbedBitmap level = load_level();
    ASSERT_TRUE(level.ok);
    const std::vector<Spot> spots = resting_spots(level);
    ASSERT_FALSE(spots.empty());
    const int start_rest = settle(level, 20, 400);
    // A walk goes to the neighbouring column if the step is small; a jump goes up at most
    // a held jump's rise (less a margin) and sideways a cautious walking distance; a fall
    // goes down any height.
    auto linked = [](const Spot& a, const Spot& b) {
        const int dx = std::abs(a.x - b.x);
        if (dx == 4 && std::abs(a.y - b.y) <= 12) return true;
        if (dx > 64) return false;
        return b.y >= a.y - (JUMP_RISE - 10);
    };
    std::set<Spot> seen;
    std::queue<Spot> todo;
    for (const Spot& s : spots)
        if (s.x == 20 - 20 % 4 && std::abs(s.y - start_rest) <= 4) todo.push(s), seen.insert(s);
    ASSERT_FALSE(todo.empty()) << "no resting spot near the start";
    while (!todo.empty()) {
        const Spot a = todo.front();
        todo.pop();
        for (const Spot& b : spots)
            if (!seen.count(b) && linked(a, b)) seen.insert(b), todo.push(b);
    }
    // A platform floats: below its top there is air again before the bottom of the screen.
    std::set<int> platform_heights;
    for (const Spot& s : seen) {
        const int x = s.x + W / 2;
        const int top = column_top(level, x, s.y + H + 1);
        bool floats = false;
        for (int y = top; y < 480 && !floats; ++y)
            floats = level.at(x, y) != COLOUR_GROUND;
        if (floats) platform_heights.insert(top / 20);
    }
    EXPECT_GE(platform_heights.size(), 2u);
}
