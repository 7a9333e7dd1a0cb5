// Triangles whose rows are known: flat tops and bottoms, degenerate shapes, and cuts by the
// clip rectangle, in every family; and part routines called without any height.
#include "triangles/triangle_canvas.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

constexpr ClipRect SCREEN{0, 0, 639, 479};
constexpr ClipRect OFF_CENTRE{100, 50, 300, 200};

struct Probe {
    int y, first, last;
};

struct Case {
    const char* name;
    std::vector<Family> families;
    Triangle triangle;
    ClipRect clip;
    int first_row, last_row; // first_row > last_row: nothing is drawn
    std::vector<Probe> probes;
};

const std::vector<Family> FLOATS{Family::float8, Family::float16};
const std::vector<Family> FIXED{Family::fixed8};
const std::vector<Family> ALL{ALL_FAMILIES.begin(), ALL_FAMILIES.end()};

// clang-format off
const Case CASES[] = {
    // Row 10 is trunc(20.5 - 10 + 1.0) = 11 pixels wide.
    {"flat top", ALL, {10, 10, 20, 10, 15, 20}, SCREEN, 10, 20, {{10, 10, 20}, {20, 15, 15}}},
    {"flat bottom", ALL, {15, 10, 10, 20, 20, 20}, SCREEN, 10, 20, {{10, 15, 15}, {20, 10, 20}}},
    // The split point lies on the line, so both parts shrink to one pixel a row.
    {"collinear", ALL, {0, 0, 20, 20, 10, 10}, SCREEN, 0, 20,
     {{0, 0, 0}, {10, 10, 10}, {20, 20, 20}}},
    {"one row", ALL, {0, 5, 30, 5, 10, 5}, SCREEN, 1, 0, {}},
    {"one column", ALL, {7, 0, 7, 30, 7, 10}, SCREEN, 1, 0, {}},
    {"above the clip rectangle", ALL, {10, -30, 40, -5, 20, -1}, SCREEN, 1, 0, {}},
    {"left of the clip rectangle", ALL, {-30, 5, -1, 40, -10, 90}, SCREEN, 1, 0, {}},
    // Row 0 holds the edges as they cross it: 50 -/+ 10 rows x 0.5.
    {"top above the clip rectangle", ALL, {50, -10, 30, 30, 70, 30}, SCREEN, 0, 30,
     {{0, 45, 55}, {30, 30, 70}}},
    {"top above an off-centre clip", ALL, {200, 30, 150, 70, 250, 70}, OFF_CENTRE, 50, 70,
     {{50, 175, 225}}},
    // Spans cut at column 0; once the right edge is left of it the rows are skipped. The
    // float edge at -0.5 truncates toward zero and keeps one more row than the fixed one.
    {"vertex left of the clip rectangle", FLOATS, {-30, 0, 10, 0, -30, 40}, SCREEN, 0, 11,
     {{0, 0, 10}, {11, 0, 0}}},
    {"vertex left of the clip rectangle", FIXED, {-30, 0, 10, 0, -30, 40}, SCREEN, 0, 10,
     {{0, 0, 10}, {10, 0, 0}}},
    // A left edge that ends on the clip rectangle's left column; summed float steps fall
    // just short of it, and the unguarded span would start one column outside.
    {"edge ending on the left clip column", FLOATS, {200, 116, 200, -157, 100, 100}, OFF_CENTRE,
     50, 116, {{100, 100, 200}}},
    // Half-column steps on the left and a right edge on the last column: rounding the start
    // and the width separately would reach column 640 on every other row.
    {"edge on the right clip column", FIXED, {639, 0, 589, 100, 639, 100}, SCREEN, 0, 100,
     {{1, 639, 639}, {99, 590, 639}, {100, 589, 639}}},
    // Vertices 65,536 columns apart and a cut 65,436 rows long: 16.16 edges need more than
    // 32 bits. The slopes of one column a row keep every family exact.
    {"wide triangle", ALL, {-65216, -65436, 65856, -65436, 320, 100}, SCREEN, 0, 100,
     {{0, 220, 420}, {100, 320, 320}}},
};
// clang-format on

struct RowSpan {
    int first = -1, last = -1;
    bool solid = true;
};

std::vector<RowSpan> row_spans(const std::vector<bool>& changed, int width, int height) {
    std::vector<RowSpan> rows(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (!changed[static_cast<std::size_t>(y) * width + x]) continue;
            RowSpan& row = rows[static_cast<std::size_t>(y)];
            if (row.first >= 0 && row.last != x - 1) row.solid = false;
            if (row.first < 0) row.first = x;
            row.last = x;
        }
    return rows;
}

TEST(Triangles, KnownRowsInEveryFamily) {
    TriangleCanvas canvas(640, 480);
    for (const Case& c : CASES)
        for (Family family : c.families) {
            SCOPED_TRACE(std::string(c.name) + ", " + family_name(family));
            display_context_reset();
            set_clip(c.clip);
            canvas.clear();
            canvas.draw(family, c.triangle);
            EXPECT_TRUE(canvas.untouched_outside(family, c.clip));
            const auto rows = row_spans(canvas.changed(family), 640, 480);
            for (int y = 0; y < 480; ++y) {
                const bool expected = y >= c.first_row && y <= c.last_row;
                EXPECT_EQ(expected, rows[y].first >= 0) << "row " << y;
                EXPECT_TRUE(rows[y].solid) << "row " << y;
            }
            for (const Probe& p : c.probes) {
                EXPECT_EQ(p.first, rows[p.y].first) << "row " << p.y;
                EXPECT_EQ(p.last, rows[p.y].last) << "row " << p.y;
            }
            if (!c.probes.empty()) {
                const Probe& p = c.probes.front();
                if (family == Family::float16)
                    EXPECT_EQ(0x4C3C, canvas.words.at(p.first, p.y));
                else
                    EXPECT_EQ(0x3C, canvas.bytes.at(p.first, p.y));
            }
        }
}

const Triangle WITHOUT_HEIGHT[] = {{10, 20, 30, 20, 20, 20},
                                   {20, 20, 10, 20, 30, 20},
                                   {10, 20, 30, 20, 20, 5},
                                   {20, 30, 10, 10, 30, 10},
                                   {0, INT_MAX, 50, INT_MAX, 9, INT_MIN}};

template <typename Pixel, typename Part> void expect_drawn_only_with_height(Part part) {
    GuardedBuffer<Pixel> buffer(64, 64);
    for (const Triangle& t : WITHOUT_HEIGHT)
        part(t.x1, t.y1, t.x2, t.y2, t.x3, t.y3, COLOR, buffer.origin(), buffer.pitch());
    EXPECT_TRUE(buffer.untouched_outside(0, 0, -1, -1));
    // With three distinct rows every part draws rows 20 to 22 through column 20.
    part(10, 20, 30, 21, 20, 22, COLOR, buffer.origin(), buffer.pitch());
    EXPECT_TRUE(buffer.changed(20, 21) && buffer.changed(20, 22));
}

// Without a height a float part would divide by zero and convert the infinity.
TEST(TriangleParts, DrawNothingUnlessTheLastVertexIsBelowTheFirst) {
    display_context_reset();
    for (auto part : {draw_flat_top_triangle8, draw_flat_bottom_triangle8,
                      draw_flat_top_triangle8_fixed, draw_flat_bottom_triangle8_fixed})
        expect_drawn_only_with_height<std::uint8_t>(part);
    for (auto part : {draw_flat_top_triangle16, draw_flat_bottom_triangle16})
        expect_drawn_only_with_height<std::uint16_t>(part);
}

} // namespace
