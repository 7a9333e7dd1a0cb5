// The menu pictures: each entry's letters inside the rectangle the game answers clicks
// in, picture n highlighting entry n, and nothing else differing between the pictures.

#include "art/tool/menu_layout.h"
#include "bitmap_probe.h"

#include <gtest/gtest.h>

#include <string>

namespace {

ProbedBitmap menu_picture(int n) {
    return probe_bitmap("menubackground" + std::to_string(n + 1) + ".bmp");
}

} // namespace

TEST(MenuArt, EveryEntryHasItsLettersInsideItsRectangle) {
    for (int n = 0; n < 4; ++n) {
        SCOPED_TRACE("menu picture " + std::to_string(n + 1));
        const ProbedBitmap bmp = menu_picture(n);
        ASSERT_TRUE(bmp.ok) << bmp.error;
        for (int e = 0; e < 4; ++e) {
            const MenuEntry& r = MENU_ENTRIES[e];
            SCOPED_TRACE(r.name);
            const int inside =
                count_colours(bmp, r.x0, r.y0, r.x1, r.y1,
                              {MENU_TEXT_COLOUR, MENU_KEY_COLOUR, MENU_SELECTED_COLOUR});
            EXPECT_GE(inside, 20);
            // No letter spills out: the band around the entry holds text colours only
            // inside the rectangle.
            const int band =
                count_colours(bmp, r.x0 - 40, r.y0 - 5, r.x1 + 40, r.y1 + 5,
                              {MENU_TEXT_COLOUR, MENU_KEY_COLOUR, MENU_SELECTED_COLOUR});
            EXPECT_EQ(band, inside);
        }
    }
}

TEST(MenuArt, PictureNHighlightsEntryN) {
    for (int n = 0; n < 4; ++n) {
        const ProbedBitmap bmp = menu_picture(n);
        ASSERT_TRUE(bmp.ok) << bmp.error;
        for (int e = 0; e < 4; ++e) {
            const MenuEntry& r = MENU_ENTRIES[e];
            const int selected = count_colours(bmp, r.x0, r.y0, r.x1, r.y1, {MENU_SELECTED_COLOUR});
            const int plain = count_colours(bmp, r.x0, r.y0, r.x1, r.y1, {MENU_TEXT_COLOUR});
            if (e == n) {
                EXPECT_GT(selected, 0) << "picture " << n + 1 << " entry " << e;
                EXPECT_EQ(plain, 0) << "picture " << n + 1 << " entry " << e;
            } else {
                EXPECT_EQ(selected, 0) << "picture " << n + 1 << " entry " << e;
                EXPECT_GT(plain, 0) << "picture " << n + 1 << " entry " << e;
                // The key letter is picked out on plain entries.
                EXPECT_GT(count_colours(bmp, r.x0, r.y0, r.x1, r.y1, {MENU_KEY_COLOUR}), 0);
            }
        }
    }
}

TEST(MenuArt, EntryNamesStartWithTheirKeys) {
    const char keys[] = {'S', 'H', 'A', 'Q'};
    for (int e = 0; e < 4; ++e)
        EXPECT_EQ(MENU_ENTRIES[e].name[0], keys[e]);
    // And the rectangles are the ones the game tests clicks against.
    EXPECT_EQ(MENU_ENTRIES[0].x1, 384);
    EXPECT_EQ(MENU_ENTRIES[3].y1, 364);
}

TEST(MenuArt, PicturesDifferOnlyAroundTheEntries) {
    const ProbedBitmap first = menu_picture(0);
    ASSERT_TRUE(first.ok) << first.error;
    for (int n = 1; n < 4; ++n) {
        const ProbedBitmap other = menu_picture(n);
        ASSERT_TRUE(other.ok) << other.error;
        int differing = 0;
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x) {
                if (first.at(x, y) == other.at(x, y)) continue;
                ++differing;
                ASSERT_TRUE(x >= 220 && x <= 400 && y >= 264 && y <= 374)
                    << "picture " << n + 1 << " differs at (" << x << ", " << y << ")";
            }
        EXPECT_GT(differing, 0) << "picture " << n + 1 << " shows no other highlight";
    }
}
