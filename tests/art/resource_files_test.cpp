// The Windows program's icon and cursor files hold the same pictures as the bitmaps the
// Linux platform reads, clear where those are transparent, the cursor pointing with its tip.
#include "art/tool/palette_design.h"
#include "bitmap_probe.h"
#include "formats/file_bytes.h"
#include "support/icon_probe.h"

#include <gtest/gtest.h>

TEST(ResourceFiles, IconAndCursorFilesMatchTheirBitmaps) {
    struct Resource {
        const char* file;
        int type;
        std::vector<const char*> bitmaps;
    };
    const Resource resources[] = {
        {"icon101.ico", 1, {"icon101_16.bmp", "icon101_32.bmp"}},
        {"cursor9.cur", 2, {"cursor9.bmp"}},
    };
    for (const Resource& r : resources) {
        SCOPED_TRACE(r.file);
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(read_file_bytes(r.file, 1 << 20, &bytes));
        const ProbedIcon icon = probe_icon(bytes);
        ASSERT_TRUE(icon.ok) << icon.error;
        EXPECT_EQ(icon.type, r.type);
        ASSERT_EQ(icon.images.size(), r.bitmaps.size());
        for (std::size_t i = 0; i < r.bitmaps.size(); ++i) {
            const ProbedBitmap bmp = probe_bitmap(r.bitmaps[i]);
            ASSERT_TRUE(bmp.ok) << bmp.error;
            const ProbedIconImage& image = icon.images[i];
            ASSERT_EQ(image.width, bmp.width);
            ASSERT_EQ(image.height, bmp.height);
            EXPECT_EQ(image.indices, bmp.pixels);
            int clear = 0;
            for (std::size_t p = 0; p < bmp.pixels.size(); ++p) {
                EXPECT_EQ(image.clear[p], bmp.pixels[p] == COLOUR_TRANSPARENT) << p;
                clear += image.clear[p];
            }
            EXPECT_GT(clear, 0) << "a resource with no clear pixel is a square";
            for (int c = 0; c < 256; ++c) {
                if (c == COLOUR_TRANSPARENT) continue;
                EXPECT_EQ(image.table[c][0], bmp.palette[c].red) << c;
                EXPECT_EQ(image.table[c][1], bmp.palette[c].green) << c;
                EXPECT_EQ(image.table[c][2], bmp.palette[c].blue) << c;
            }
        }
    }
    // The arrow's tip is its top-left pixel, and it is drawn.
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(read_file_bytes("cursor9.cur", 1 << 20, &bytes));
    const ProbedIcon cursor = probe_icon(bytes);
    ASSERT_TRUE(cursor.ok);
    EXPECT_EQ(cursor.images[0].field4, 0);
    EXPECT_EQ(cursor.images[0].field6, 0);
    EXPECT_FALSE(cursor.images[0].clear[0]);
}
