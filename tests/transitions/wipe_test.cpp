// Line wipes and the dissolve: they blank the screen to colour 0 inside the clip rectangle
// and nowhere else, pause every step at any depth, and draw nothing without a screen.
#include "engine/util/transition_wipe.h"
#include "support/guarded_buffer.h"
#include "transition_fixture.h"

#include <cstdlib>
#include <random>
#include <vector>

namespace {

constexpr int W = 640, H = 480;

struct WipeCase {
    std::int32_t effect;
    DWORD steps; // on a 640 x 480 screen
};

const WipeCase LINE_WIPES[] = {{TRANSITION_CLOSE_COLUMNS, 160},
                               {TRANSITION_CLOSE_ROWS, 120},
                               {TRANSITION_ROWS_AND_COLUMNS, 160}};

template <typename Pixel> std::uint8_t* bytes_of(GuardedBuffer<Pixel>& buffer) {
    return reinterpret_cast<std::uint8_t*>(buffer.origin());
}

// Whether every pixel of the inclusive rectangle holds colour 0.
template <typename Pixel>
bool blank_inside(const GuardedBuffer<Pixel>& buffer, int min_x, int min_y, int max_x, int max_y) {
    for (int y = min_y; y <= max_y; ++y)
        for (int x = min_x; x <= max_x; ++x)
            if (buffer.at(x, y) != 0) return false;
    return true;
}

template <typename Pixel> void check_whole_wipes(TransitionTest& test, std::int32_t bpp) {
    screen_bpp = bpp;
    GuardedBuffer<Pixel> buffer(W, H);
    for (const WipeCase& wipe : LINE_WIPES) {
        buffer.clear();
        const DWORD took =
            test.elapsed([&] { screen_transition(wipe.effect, bytes_of(buffer), buffer.pitch()); });
        EXPECT_GE(took, wipe.steps * 12) << wipe.effect;
        EXPECT_TRUE(blank_inside(buffer, 0, 0, W - 1, H - 1)) << wipe.effect << " at " << bpp;
        EXPECT_TRUE(buffer.untouched_outside(0, 0, W - 1, H - 1)) << wipe.effect << " at " << bpp;
    }
}

// The pixels that a dissolve seeded with `seed` blanks on a width x height screen.
std::vector<bool> dissolve_places(unsigned seed, int width, int height) {
    std::srand(seed);
    std::vector<bool> places(static_cast<std::size_t>(width) * height);
    for (long i = 0; i <= 4L * width * height; ++i) {
        const int row = std::rand() % height;
        places[static_cast<std::size_t>(row) * width + std::rand() % width] = true;
    }
    return places;
}

} // namespace

TEST_F(TransitionTest, LineWipesBlankTheWholeScreenAtEightAndSixteenBits) {
    check_whole_wipes<std::uint8_t>(*this, 8);
    check_whole_wipes<std::uint16_t>(*this, 16);
}

TEST_F(TransitionTest, LineWipesStayInsideANarrowerClipRectangle) {
    clip_min_x = 100;
    clip_min_y = 60;
    clip_max_x = 419;
    clip_max_y = 299;
    GuardedBuffer8 buffer(W, H);
    for (const WipeCase& wipe : LINE_WIPES) {
        buffer.clear();
        screen_transition(wipe.effect, buffer.origin(), buffer.pitch());
        EXPECT_TRUE(blank_inside(buffer, 100, 60, 419, 299)) << wipe.effect;
        EXPECT_TRUE(buffer.untouched_outside(100, 60, 419, 299)) << wipe.effect;
    }
}

TEST_F(TransitionTest, WithoutPixelsToDrawLineWipesStillTakeTheirSteps) {
    GuardedBuffer8 buffer(W, H);
    for (std::int32_t bpp : {24, 32, 0}) {
        screen_bpp = bpp;
        for (const WipeCase& wipe : LINE_WIPES) {
            const DWORD took =
                elapsed([&] { screen_transition(wipe.effect, buffer.origin(), buffer.pitch()); });
            EXPECT_GE(took, wipe.steps * 12) << wipe.effect << " at " << bpp;
        }
        screen_transition(TRANSITION_DISSOLVE, buffer.origin(), buffer.pitch());
    }
    EXPECT_TRUE(buffer.untouched_outside(0, 0, -1, -1));

    screen_bpp = 8;
    for (const WipeCase& wipe : LINE_WIPES) {
        const DWORD took = elapsed([&] { screen_transition(wipe.effect, nullptr, W); });
        EXPECT_GE(took, wipe.steps * 12) << wipe.effect << " without a buffer";
    }
    screen_transition(TRANSITION_DISSOLVE, nullptr, W);
}

TEST_F(TransitionTest, RowsAndColumnsStartTheRowsAgainFromTheEdgesAtTwoHundredForty) {
    // Each step's lines in drawing order, as (vertical, row or column).
    const struct {
        int step;
        int lines[8][2];
    } steps[] = {
        // p = 0: four rows, then four columns, the far edge first.
        {0, {{0, 479}, {0, 0}, {0, 478}, {0, 1}, {1, 639}, {1, 0}, {1, 638}, {1, 1}}},
        // p = 238: the rows meet in the middle.
        {119, {{0, 241}, {0, 238}, {0, 240}, {0, 239}, {1, 401}, {1, 238}, {1, 400}, {1, 239}}},
        // p = 240: the rows start again from the edges while the columns keep closing in.
        {120, {{0, 479}, {0, 0}, {0, 478}, {0, 1}, {1, 399}, {1, 240}, {1, 398}, {1, 241}}},
    };
    WipeLine lines[WIPE_MAX_LINES];
    for (const auto& expected : steps) {
        ASSERT_EQ(8, wipe_step_lines(TRANSITION_ROWS_AND_COLUMNS, expected.step, W, H, lines));
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(expected.lines[i][0], lines[i].vertical) << expected.step << ", " << i;
            EXPECT_EQ(expected.lines[i][1], lines[i].at) << expected.step << ", " << i;
        }
    }
    EXPECT_EQ(160, wipe_step_count(TRANSITION_ROWS_AND_COLUMNS, W, H));
    EXPECT_EQ(0, wipe_step_lines(TRANSITION_ROWS_AND_COLUMNS, 160, W, H, lines));
}

TEST_F(TransitionTest, WipeLinesStayOnScreenAndCloseEveryEvenSizedScreen) {
    std::mt19937 random(11);
    WipeLine lines[WIPE_MAX_LINES];
    for (int trial = 0; trial < 300; ++trial) {
        const int width = static_cast<int>(random() % 300),
                  height = static_cast<int>(random() % 300);
        for (const WipeCase& wipe : LINE_WIPES) {
            std::vector<bool> rows(height), columns(width);
            const int steps = wipe_step_count(wipe.effect, width, height);
            for (int step = 0; step < steps; ++step) {
                const int count = wipe_step_lines(wipe.effect, step, width, height, lines);
                for (int i = 0; i < count; ++i) {
                    const int size = lines[i].vertical ? width : height;
                    ASSERT_TRUE(lines[i].at >= 0 && lines[i].at < size)
                        << wipe.effect << " on " << width << " x " << height << " step " << step;
                    (lines[i].vertical ? columns : rows)[lines[i].at] = true;
                }
            }
            // The wipe closes in along one side; its middle line is missed when that is odd.
            const bool along_rows = wipe.effect == TRANSITION_CLOSE_ROWS;
            const int side = along_rows ? height : width;
            if (side % 2 == 0) {
                EXPECT_EQ(std::vector<bool>(side, true), along_rows ? rows : columns)
                    << wipe.effect << " on " << width << " x " << height;
            }
        }
    }
}

TEST_F(TransitionTest, DissolveBlanksMostOfTheScreenAndNothingOutsideIt) {
    GuardedBuffer8 buffer(W, H);
    std::srand(42);
    EXPECT_EQ(0u, elapsed([&] {
                  screen_transition(TRANSITION_DISSOLVE, buffer.origin(), buffer.pitch());
              }))
        << "no pause";
    long blank = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            blank += buffer.at(x, y) == 0;
    // Four draws per pixel leave about e^-4, under 2 %, untouched.
    EXPECT_GT(blank, W * H * 97L / 100);
    EXPECT_TRUE(buffer.untouched_outside(0, 0, W - 1, H - 1));
}

TEST_F(TransitionTest, DissolveTakesTheRowFromTheFirstDrawAtBothDepths) {
    screen_width = 40;
    screen_height = 30;
    const std::vector<bool> expected = dissolve_places(7, 40, 30);

    GuardedBuffer8 bytes(40, 30);
    std::srand(7);
    screen_transition(TRANSITION_DISSOLVE, bytes.origin(), bytes.pitch());
    EXPECT_EQ(expected, bytes.changed_set());
    EXPECT_TRUE(bytes.untouched_outside(0, 0, 39, 29));

    screen_bpp = 16;
    GuardedBuffer16 words(40, 30);
    std::srand(7);
    screen_transition(TRANSITION_DISSOLVE, bytes_of(words), words.pitch());
    EXPECT_EQ(expected, words.changed_set());
    EXPECT_TRUE(words.untouched_outside(0, 0, 39, 29));
}

TEST_F(TransitionTest, ScreensWithoutPixelsDrawNothing) {
    GuardedBuffer8 buffer(W, H);
    const int sizes[][2] = {{0, H}, {W, 0}, {-W, H}, {W, -H}, {0, 0}, {INT32_MIN, 2}, {1, 1}};
    for (const auto& size : sizes) {
        screen_width = size[0];
        screen_height = size[1];
        buffer.clear();
        for (std::int32_t effect : {TRANSITION_CLOSE_COLUMNS, TRANSITION_CLOSE_ROWS,
                                    TRANSITION_DISSOLVE, TRANSITION_ROWS_AND_COLUMNS})
            screen_transition(effect, buffer.origin(), buffer.pitch());
        // A single pixel is too narrow for the line wipes, but the dissolve finds it.
        const int last = size[0] == 1 ? 0 : -1;
        EXPECT_TRUE(buffer.untouched_outside(0, 0, last, last)) << size[0] << " x " << size[1];
    }
    EXPECT_EQ(0, buffer.at(0, 0));
    // One row: no rows to close and nothing to take a remainder by, but the columns close.
    screen_width = W;
    screen_height = 1;
    buffer.clear();
    screen_transition(TRANSITION_ROWS_AND_COLUMNS, buffer.origin(), buffer.pitch());
    EXPECT_TRUE(blank_inside(buffer, 0, 0, W - 1, 0));
    EXPECT_TRUE(buffer.untouched_outside(0, 0, W - 1, 0));
}
