// Icon 101 and cursor 9: the small reader of their bitmap files, with hostile files, and the
// resources handed out whether or not the files are there.
#include "platform/winapi/winapi_resources.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include <unistd.h>
#include <vector>

namespace {

void put32(std::vector<std::uint8_t>& d, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; i++)
        d[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// An 8-bit bitmap file, width x height, bottom row first, pixel (x, y) = (x + 4 * y) % 256.
std::vector<std::uint8_t> make_bitmap(int width, int height) {
    int row = (width + 3) & ~3;
    std::size_t offset = 14 + 40 + 256 * 4;
    std::vector<std::uint8_t> d(offset + static_cast<std::size_t>(row) * height, 0);
    d[0] = 'B';
    d[1] = 'M';
    put32(d, 2, static_cast<std::uint32_t>(d.size()));
    put32(d, 10, static_cast<std::uint32_t>(offset));
    put32(d, 14, 40);
    put32(d, 18, width);
    put32(d, 22, height);
    d[26] = 1;
    d[28] = 8;
    for (int i = 0; i < 256; i++) {
        d[54 + i * 4] = static_cast<std::uint8_t>(i);           // blue
        d[54 + i * 4 + 1] = static_cast<std::uint8_t>(255 - i); // green
        d[54 + i * 4 + 2] = 7;                                  // red
    }
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++)
            d[offset + static_cast<std::size_t>(height - 1 - y) * row + x] =
                static_cast<std::uint8_t>((x + 4 * y) % 256);
    return d;
}

int read_bytes(const std::vector<std::uint8_t>& data, HICON__* picture) {
    // Tests run side by side in one folder, so each process writes a file of its own.
    const std::string name = "resource_reader_test_" + std::to_string(getpid()) + ".bmp";
    const char* path = name.c_str();
    std::FILE* file = std::fopen(path, "wb");
    if (!file) return -1;
    if (!data.empty()) std::fwrite(data.data(), 1, data.size(), file);
    std::fclose(file);
    int result = read_resource_bitmap(path, picture);
    std::remove(path);
    return result;
}

std::uint32_t expected_colour(int index) {
    if (index == 253) return 0; // the transparent colour
    return 0xFF000000u | 7u << 16 | static_cast<std::uint32_t>(255 - index) << 8 |
           static_cast<std::uint32_t>(index);
}

} // namespace

TEST(ResourceBitmap, ReadsRowsTopFirstWithTheTransparentIndexClear) {
    HICON__ picture = {};
    picture.hot_x = 3; // the hot spot is the caller's, not the file's
    ASSERT_EQ(read_bytes(make_bitmap(66, 5), &picture), 1);
    EXPECT_EQ(picture.width, 66);
    EXPECT_EQ(picture.height, 5);
    EXPECT_EQ(picture.hot_x, 3);
    ASSERT_EQ(picture.argb.size(), 66u * 5);
    for (int y = 0; y < 5; y++)
        for (int x = 0; x < 66; x++)
            ASSERT_EQ(picture.argb[y * 66 + x], expected_colour((x + 4 * y) % 256))
                << x << "," << y;
}

TEST(ResourceBitmap, TopDownFilesAreReadTheOtherWayRound) {
    std::vector<std::uint8_t> d = make_bitmap(4, 2);
    put32(d, 22, static_cast<std::uint32_t>(-2));
    HICON__ picture = {};
    ASSERT_EQ(read_bytes(d, &picture), 1);
    // The file's first row is now the top one: what was row 1 (values 4..7) comes first.
    EXPECT_EQ(picture.argb[0], expected_colour(4));
    EXPECT_EQ(picture.argb[4], expected_colour(0));
}

TEST(ResourceBitmap, MalformedFilesAreRefusedAndLeaveThePictureAlone) {
    struct Case {
        const char* what;
        std::size_t at;
        std::uint32_t value;
    };
    const Case cases[] = {
        {"not BM", 0, 'X'},
        {"24 bits per pixel", 28, 24},
        {"compressed", 30, BI_RLE8},
        {"zero width", 18, 0},
        {"negative width", 18, static_cast<std::uint32_t>(-8)},
        {"absurd width", 18, 1u << 30},
        {"absurd height", 22, 1u << 30},
        {"most negative height", 22, 0x80000000u},
        {"zero height", 22, 0},
        {"more colours than 256", 46, 300},
        {"pixels past the end", 10, 0xFFFFFFF0u},
        {"header past the end", 14, 0x7FFFFFFFu},
        {"short info header", 14, 12},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> d = make_bitmap(8, 8);
        if (c.at == 0)
            d[0] = static_cast<std::uint8_t>(c.value);
        else
            put32(d, c.at, c.value);
        HICON__ picture = {};
        picture.width = 99;
        EXPECT_EQ(read_bytes(d, &picture), 0) << c.what;
        EXPECT_EQ(picture.width, 99) << c.what;
        EXPECT_TRUE(picture.argb.empty()) << c.what;
    }
}

TEST(ResourceBitmap, TruncatedFilesAreRefusedAtEveryLength) {
    std::vector<std::uint8_t> whole = make_bitmap(5, 3);
    for (std::size_t length = 0; length < whole.size(); length += 7) {
        std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + length);
        HICON__ picture = {};
        EXPECT_EQ(read_bytes(cut, &picture), 0) << length;
    }
}

TEST(ResourceBitmap, MissingFilesAndNullArgumentsAreRefused) {
    HICON__ picture = {};
    EXPECT_EQ(read_resource_bitmap("/nonexistent/icon.bmp", &picture), 0);
    EXPECT_EQ(read_resource_bitmap(nullptr, &picture), 0);
    EXPECT_EQ(read_resource_bitmap("/dev/null", nullptr), 0);
    EXPECT_EQ(read_resource_bitmap("/dev/null", &picture), 0);
}

TEST(Resources, IconAndCursorExistWithOrWithoutTheirFiles) {
    HICON icon = LoadIconA(nullptr, MAKEINTRESOURCE(101));
    ASSERT_NE(icon, nullptr);
    EXPECT_GT(icon->width, 0);
    EXPECT_EQ(icon->argb.size(), static_cast<std::size_t>(icon->width) * icon->height);
    EXPECT_EQ(LoadIconA(nullptr, MAKEINTRESOURCE(101)), icon) << "loaded once";

    HCURSOR cursor = LoadCursorA(nullptr, MAKEINTRESOURCE(9));
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(cursor->hot_x, 0);
    EXPECT_EQ(cursor->hot_y, 0);
    EXPECT_EQ(cursor->argb.size(), static_cast<std::size_t>(cursor->width) * cursor->height);
    // Something of the cursor is see-through, something is not.
    int clear = 0, solid = 0;
    for (std::uint32_t p : cursor->argb)
        (p >> 24 ? solid : clear)++;
    EXPECT_GT(clear, 0);
    EXPECT_GT(solid, 0);

    EXPECT_EQ(LoadIconA(nullptr, MAKEINTRESOURCE(102)), nullptr);
    EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCE(101)), nullptr);
    EXPECT_EQ(LoadIconA(nullptr, "named"), nullptr);
}

TEST(Resources, TheExecutableFolderEndsWithASlash) {
    std::string folder = executable_folder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_EQ(folder.front(), '/');
}

TEST(Resources, TheArtworkFilesBesideTheProgramAreUsedWhenPresent) {
    HICON__ file_icon = {}, file_cursor = {};
    int have_icon =
        read_resource_bitmap((executable_folder() + "icon101_32.bmp").c_str(), &file_icon);
    int have_cursor =
        read_resource_bitmap((executable_folder() + "cursor9.bmp").c_str(), &file_cursor);
    if (!have_icon && !have_cursor) {
        GTEST_SKIP() << "the artwork was not built beside the tests";
    }
    if (have_icon) {
        EXPECT_EQ(LoadIconA(nullptr, MAKEINTRESOURCE(101))->argb, file_icon.argb);
    }
    if (have_cursor) {
        HCURSOR cursor = LoadCursorA(nullptr, MAKEINTRESOURCE(9));
        EXPECT_EQ(cursor->argb, file_cursor.argb);
        EXPECT_EQ(cursor->width, 32);
        EXPECT_EQ(cursor->height, 32);
    }
}
