// Palette text files: reading spread-out, short and malformed files, wrapping numbers,
// and a save that reloads to the same bytes.
#include "display_test_support.h"

#include "engine/display/palette.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

void fill_with(Palette palette, std::uint8_t value) {
    std::memset(palette, value, sizeof(Palette));
}

std::string zero_entries(int count, const char* separator) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::string("0 0 0 0") + separator;
    return text;
}

bool entry_is(const PaletteEntry& entry, int red, int green, int blue, int flags) {
    return entry.red == red && entry.green == green && entry.blue == blue && entry.flags == flags;
}

} // namespace

TEST(PaletteFile, ReadsNumbersHoweverTheyAreSpreadOverLines) {
    enter_fresh_folder();
    const char* layouts[] = {
        // one entry a line, as written by the program
        "\n255 0 0 0",
        // one number a line, with tabs and blanks mixed in
        "  255\n\t0\n0\r\n0\n",
        // everything on one line
        "255 0 0 0 ",
    };
    for (const char* first : layouts) {
        std::string text = first;
        text += (text.back() == '\n' || text.back() == ' ') ? "" : "\n";
        text += zero_entries(255, "\n\n");
        write_whole_file("spread.pal", text);
        Palette palette;
        fill_with(palette, 0x55);
        ASSERT_EQ(load_palette_file("spread.pal", palette), 1);
        EXPECT_TRUE(entry_is(palette[0], 255, 0, 0, 0)) << first;
        for (int i = 1; i < 256; ++i)
            ASSERT_TRUE(entry_is(palette[i], 0, 0, 0, 0)) << i;
    }
}

TEST(PaletteFile, KeepsTheLowEightBitsOfEachNumber) {
    enter_fresh_folder();
    write_whole_file("wrap.pal", "256 -1 +7 511\n-256 99999999999999999999 -257 1000\n" +
                                     zero_entries(254, "\n"));
    Palette palette;
    fill_with(palette, 0x55);
    ASSERT_EQ(load_palette_file("wrap.pal", palette), 1);
    EXPECT_TRUE(entry_is(palette[0], 0, 255, 7, 255));
    // 99999999999999999999 mod 256 is 255; -257 is 255 too; 1000 is 232.
    EXPECT_TRUE(entry_is(palette[1], 0, 255, 255, 232));
}

TEST(PaletteFile, ShortFileLeavesTheRestUnchanged) {
    enter_fresh_folder();
    std::string text;
    for (int i = 0; i < 10; ++i)
        text += "\n" + std::to_string(i) + " 1 2 3";
    write_whole_file("short.pal", text);
    Palette palette;
    fill_with(palette, 0x55);
    ASSERT_EQ(load_palette_file("short.pal", palette), 1);
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(entry_is(palette[i], i, 1, 2, 3)) << i;
    for (int i = 10; i < 256; ++i)
        ASSERT_TRUE(entry_is(palette[i], 0x55, 0x55, 0x55, 0x55));

    write_whole_file("empty.pal", "");
    fill_with(palette, 0x66);
    ASSERT_EQ(load_palette_file("empty.pal", palette), 1);
    for (int i = 0; i < 256; ++i)
        ASSERT_TRUE(entry_is(palette[i], 0x66, 0x66, 0x66, 0x66));
}

TEST(PaletteFile, StopsForGoodAtALetter) {
    enter_fresh_folder();
    // Line 5 (entry 4) holds "40 4x 42 43": 40 and 4 are read, then the x stops everything,
    // including the well-formed lines after it.
    std::string text =
        "1 1 1 1\n2 2 2 2\n3 3 3 3\n4 4 4 4\n40 4x 42 43\n" + zero_entries(251, "\n");
    write_whole_file("letter.pal", text);
    Palette palette;
    fill_with(palette, 0x55);
    ASSERT_EQ(load_palette_file("letter.pal", palette), 1);
    EXPECT_TRUE(entry_is(palette[3], 4, 4, 4, 4));
    EXPECT_TRUE(entry_is(palette[4], 40, 4, 0x55, 0x55));
    for (int i = 5; i < 256; ++i)
        ASSERT_TRUE(entry_is(palette[i], 0x55, 0x55, 0x55, 0x55)) << i;

    // A sign without digits stops reading the same way.
    write_whole_file("sign.pal", "9 - 9 9\n" + zero_entries(255, "\n"));
    fill_with(palette, 0x55);
    ASSERT_EQ(load_palette_file("sign.pal", palette), 1);
    EXPECT_TRUE(entry_is(palette[0], 9, 0x55, 0x55, 0x55));
    EXPECT_TRUE(entry_is(palette[1], 0x55, 0x55, 0x55, 0x55));
}

TEST(PaletteFile, IgnoresWhatFollowsTheLastEntry) {
    enter_fresh_folder();
    write_whole_file("long.pal", zero_entries(256, " ") + "7 7 7 7 trailing text");
    Palette palette;
    fill_with(palette, 0x55);
    ASSERT_EQ(load_palette_file("long.pal", palette), 1);
    for (int i = 0; i < 256; ++i)
        ASSERT_TRUE(entry_is(palette[i], 0, 0, 0, 0));
}

TEST(PaletteFile, MissingFileLeavesThePaletteUntouched) {
    enter_fresh_folder();
    Palette palette;
    fill_with(palette, 0x55);
    EXPECT_EQ(load_palette_file("absent.pal", palette), 0);
    EXPECT_EQ(load_palette_file(nullptr, palette), 0);
    EXPECT_EQ(load_palette_file("absent.pal", nullptr), 0);
    for (int i = 0; i < 256; ++i)
        ASSERT_TRUE(entry_is(palette[i], 0x55, 0x55, 0x55, 0x55));
}

TEST(PaletteFile, SaveThenLoadGivesTheSameBytes) {
    enter_fresh_folder();
    Palette saved;
    for (int i = 0; i < 256; ++i) {
        saved[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                    static_cast<std::uint8_t>(i * 7), static_cast<std::uint8_t>(i % 5)};
    }
    ASSERT_EQ(save_palette_file("round.pal", saved), 1);
    std::string text = read_whole_file("round.pal");
    EXPECT_EQ(text.substr(0, 21), "\n0 255 0 0\n1 254 7 1\n");
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(text.find("\n255 0 249 0"), std::string::npos);

    Palette loaded;
    fill_with(loaded, 0x55);
    ASSERT_EQ(load_palette_file("round.pal", loaded), 1);
    EXPECT_EQ(std::memcmp(saved, loaded, sizeof(Palette)), 0);

    EXPECT_EQ(save_palette_file("no_such_folder/round.pal", saved), 0);
    EXPECT_EQ(save_palette_file("round.pal", nullptr), 0);
}
