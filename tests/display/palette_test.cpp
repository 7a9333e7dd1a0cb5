// The palette operations: the copy and the display palette, refused indices, rotation, and
// the blinker table's timing and bookkeeping.
#include "display_test_support.h"

#include "engine/display/display_context.h"
#include "engine/display/display_init.h"
#include "engine/display/palette.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const PaletteEntry RED = {255, 0, 0, 0};
const PaletteEntry GREEN = {0, 255, 0, 0};
const PaletteEntry BLUE = {0, 0, 255, 0};
const PaletteEntry WHITE = {255, 255, 255, 0};

bool same(const PaletteEntry& a, const PaletteEntry& b) {
    return std::memcmp(&a, &b, sizeof(PaletteEntry)) == 0;
}

// What the display shows for one entry, read back from DirectDraw.
PaletteEntry shown(int index) {
    PALETTEENTRY entry = {};
    EXPECT_EQ(display_palette->GetEntries(0, static_cast<DWORD>(index), 1, &entry), DD_OK);
    return {entry.peRed, entry.peGreen, entry.peBlue, entry.peFlags};
}

PaletteBlinker blinker_for(int index, int off_time, int on_time) {
    PaletteBlinker blinker = {};
    blinker.color_index = index;
    blinker.on_color = WHITE;
    blinker.off_color = BLUE;
    blinker.on_time = on_time;
    blinker.off_time = off_time;
    blinker.counter = 99; // the table ignores the caller's counter and state
    blinker.state = 1;
    return blinker;
}

} // namespace

TEST(PaletteCopy, EntriesAndWholePaletteWithoutADisplay) {
    display_context_reset();
    // Without a display palette only the copy changes, and the result says so.
    EXPECT_EQ(set_palette_entry(7, &RED), 0);
    PaletteEntry entry = {};
    EXPECT_EQ(get_palette_entry(7, &entry), 1);
    EXPECT_TRUE(same(entry, RED));

    Palette all;
    for (int i = 0; i < 256; ++i)
        all[i] = {static_cast<std::uint8_t>(i), 1, 2, 0};
    EXPECT_EQ(set_palette(all), 0);
    Palette back = {};
    EXPECT_EQ(get_palette(back), 1);
    EXPECT_EQ(std::memcmp(all, back, sizeof(Palette)), 0);
    EXPECT_EQ(rotate_palette(0, 255), 0);
    EXPECT_EQ(get_palette(back), 1);
    EXPECT_EQ(std::memcmp(all, back, sizeof(Palette)), 0);
}

TEST(PaletteCopy, RefusesIndicesOutside0To255) {
    display_context_reset();
    Palette before;
    std::memcpy(before, palette_entries, sizeof(Palette));
    PaletteEntry entry = GREEN;
    for (int index : {-1, 256, 1 << 30, -(1 << 30)}) {
        EXPECT_EQ(set_palette_entry(index, &RED), 0) << index;
        EXPECT_EQ(get_palette_entry(index, &entry), 0) << index;
    }
    EXPECT_TRUE(same(entry, GREEN));
    EXPECT_EQ(set_palette_entry(3, nullptr), 0);
    EXPECT_EQ(get_palette_entry(3, nullptr), 0);
    EXPECT_EQ(get_palette(nullptr), 0);
    EXPECT_EQ(set_palette(nullptr), 0);
    EXPECT_EQ(std::memcmp(before, palette_entries, sizeof(Palette)), 0);
}

TEST(PaletteDisplay, SettersReachTheDisplayPalette) {
    enter_fresh_folder();
    ASSERT_EQ(start_display(640, 480, 8, 0), 1);
    EXPECT_EQ(set_palette_entry(200, &GREEN), 1);
    EXPECT_TRUE(same(shown(200), GREEN));
    Palette all;
    for (int i = 0; i < 256; ++i)
        all[i] = {static_cast<std::uint8_t>(i), 9, 8, 0};
    EXPECT_EQ(set_palette(all), 1);
    EXPECT_TRUE(same(shown(77), all[77]));
    EXPECT_TRUE(same(palette_entries[255], all[255]));
    display_shutdown();
}

TEST(PaletteDisplay, RotatesARangeTowardsHigherIndices) {
    enter_fresh_folder();
    ASSERT_EQ(start_display(640, 480, 8, 0), 1);
    set_palette_entry(9, &WHITE);
    set_palette_entry(10, &RED);
    set_palette_entry(11, &GREEN);
    set_palette_entry(12, &BLUE);
    set_palette_entry(13, &WHITE);
    EXPECT_EQ(rotate_palette(10, 12), 1);
    EXPECT_TRUE(same(shown(10), BLUE));
    EXPECT_TRUE(same(shown(11), RED));
    EXPECT_TRUE(same(shown(12), GREEN));
    EXPECT_TRUE(same(shown(9), WHITE));
    EXPECT_TRUE(same(shown(13), WHITE));
    // The copy follows the display.
    EXPECT_TRUE(same(palette_entries[10], BLUE));
    EXPECT_TRUE(same(palette_entries[12], GREEN));

    EXPECT_EQ(rotate_palette(11, 11), 1);
    EXPECT_TRUE(same(shown(11), RED));
    EXPECT_EQ(rotate_palette(255, 255), 1);

    // Reversed or out-of-range bounds do nothing at all.
    Palette before;
    get_palette(before);
    EXPECT_EQ(rotate_palette(12, 10), 0);
    EXPECT_EQ(rotate_palette(-1, 5), 0);
    EXPECT_EQ(rotate_palette(250, 256), 0);
    EXPECT_TRUE(same(shown(10), BLUE));
    EXPECT_EQ(std::memcmp(before, palette_entries, sizeof(Palette)), 0);
    display_shutdown();
}

TEST(PaletteBlinkers, AlternateOffAndOnWithTheirTimes) {
    enter_fresh_folder();
    blink_palette_reset();
    ASSERT_EQ(start_display(640, 480, 8, 0), 1);
    set_palette_entry(40, &RED);
    PaletteBlinker blinker = blinker_for(40, 3, 2);
    ASSERT_EQ(blink_palette(BLINK_ADD, &blinker, 0), 0);
    EXPECT_TRUE(same(shown(40), BLUE));
    // off for runs 1-2, on at run 3, off again at run 5, on at run 8...
    const bool on_after_run[] = {false, false, true, true, false, false, false, true, true, false};
    for (int run = 0; run < 10; ++run) {
        EXPECT_EQ(blink_palette(BLINK_RUN, nullptr, 0), 1);
        EXPECT_TRUE(same(shown(40), on_after_run[run] ? WHITE : BLUE)) << "run " << run + 1;
    }
    // The program's copy keeps the colour it set.
    PaletteEntry copy = {};
    get_palette_entry(40, &copy);
    EXPECT_TRUE(same(copy, RED));

    // Times of 0 and 1 switch on every run.
    PaletteBlinker quick = blinker_for(41, 0, 1);
    ASSERT_EQ(blink_palette(BLINK_ADD, &quick, 0), 1);
    for (int run = 0; run < 4; ++run) {
        blink_palette(BLINK_RUN, nullptr, 0);
        EXPECT_TRUE(same(shown(41), run % 2 == 0 ? WHITE : BLUE)) << "run " << run + 1;
    }
    display_shutdown();
}

TEST(PaletteBlinkers, UpdateShowsTheCurrentStateAndDeleteKeepsTheColour) {
    enter_fresh_folder();
    blink_palette_reset();
    ASSERT_EQ(start_display(640, 480, 8, 0), 1);
    PaletteBlinker blinker = blinker_for(50, 1, 5);
    ASSERT_EQ(blink_palette(BLINK_ADD, &blinker, 0), 0);
    blink_palette(BLINK_RUN, nullptr, 0); // now on
    EXPECT_TRUE(same(shown(50), WHITE));
    PaletteBlinker changed = blinker_for(99, 1, 5);
    changed.on_color = GREEN;
    changed.off_color = RED;
    EXPECT_EQ(blink_palette(BLINK_UPDATE, &changed, 0), 0);
    // The slot keeps its entry (50, not 99) and its state (on).
    EXPECT_TRUE(same(shown(50), GREEN));
    EXPECT_EQ(blink_palette(BLINK_DELETE, nullptr, 0), 0);
    blink_palette(BLINK_RUN, nullptr, 0);
    EXPECT_TRUE(same(shown(50), GREEN));
    display_shutdown();
}

TEST(PaletteBlinkers, SlotBookkeepingWithoutADisplay) {
    display_context_reset();
    blink_palette_reset();
    PaletteBlinker blinker = blinker_for(5, 2, 2);
    EXPECT_EQ(blink_palette(BLINK_DELETE, nullptr, 0), -1);
    EXPECT_EQ(blink_palette(BLINK_UPDATE, &blinker, 0), -1);
    for (int slot = 0; slot < 256; ++slot) {
        ASSERT_EQ(blink_palette(BLINK_ADD, &blinker, 0), slot);
    }
    // A full table takes nothing and says so with -1, never a slot number.
    EXPECT_EQ(blink_palette(BLINK_ADD, &blinker, 0), -1);
    EXPECT_EQ(blink_palette(BLINK_DELETE, nullptr, 17), 17);
    EXPECT_EQ(blink_palette(BLINK_DELETE, nullptr, 17), -1);
    EXPECT_EQ(blink_palette(BLINK_UPDATE, &blinker, 17), -1);
    EXPECT_EQ(blink_palette(BLINK_ADD, &blinker, 0), 17);
    EXPECT_EQ(blink_palette(BLINK_RUN, nullptr, 0), 1);
    EXPECT_EQ(blink_palette(42, nullptr, 0), 1);

    // Out-of-range slots and entries, and missing records, are refused.
    EXPECT_EQ(blink_palette(BLINK_DELETE, nullptr, 256), -1);
    EXPECT_EQ(blink_palette(BLINK_UPDATE, &blinker, -1), -1);
    EXPECT_EQ(blink_palette(BLINK_UPDATE, nullptr, 3), -1);
    EXPECT_EQ(blink_palette(BLINK_DELETE, nullptr, 3), 3);
    EXPECT_EQ(blink_palette(BLINK_ADD, nullptr, 0), -1);
    PaletteBlinker outside = blinker_for(256, 1, 1);
    EXPECT_EQ(blink_palette(BLINK_ADD, &outside, 0), -1);
    EXPECT_EQ(blink_palette(BLINK_ADD, &blinker, 0), 3);
}
