// Palette text: what is written reads back as the same 1024 bytes, and the reading stops for
// good at the first field that is not a number.
#include "formats/palette_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace {

// A stream over text, for reading; closed by the caller.
std::FILE* text_stream(const std::string& text) {
    std::FILE* file = std::tmpfile();
    if (file == nullptr) return nullptr;
    std::fputs(text.c_str(), file);
    std::rewind(file);
    return file;
}

} // namespace

TEST(PaletteText, WrittenPalettesReadBackAsTheSameBytes) {
    std::mt19937 random(7);
    PaletteEntry written[256];
    for (PaletteEntry& e : written)
        e = {static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
             static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random())};
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    ASSERT_TRUE(palette_text_write(file, written));
    std::rewind(file);
    char first[2] = {};
    ASSERT_EQ(std::fread(first, 1, 1, file), 1u);
    EXPECT_EQ(first[0], '\n') << "every entry starts with a line break";
    std::rewind(file);
    PaletteEntry read[256] = {};
    palette_text_read(file, read);
    std::fclose(file);
    EXPECT_EQ(std::memcmp(read, written, sizeof read), 0);
}

TEST(PaletteText, ReadingStopsAtTheFirstFieldThatIsNoNumber) {
    std::FILE* file = text_stream("1 2 3 4\n-1 256 +7 x 9 9 9 9");
    ASSERT_NE(file, nullptr);
    PaletteEntry entries[256];
    std::memset(entries, 0xAA, sizeof entries);
    palette_text_read(file, entries);
    std::fclose(file);
    EXPECT_EQ(entries[0].red, 1);
    EXPECT_EQ(entries[0].flags, 4);
    EXPECT_EQ(entries[1].red, 255);
    EXPECT_EQ(entries[1].green, 0);
    EXPECT_EQ(entries[1].blue, 7);
    EXPECT_EQ(entries[1].flags, 0xAA);
    EXPECT_EQ(entries[2].red, 0xAA);
}
