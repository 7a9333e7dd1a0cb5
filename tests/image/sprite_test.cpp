// Sprite records: creation with their frame surfaces, frame cuts, copies and destruction,
// sequences and setters.
#include "sprite_fixture.h"

#include "platform/ddraw/ddraw_emulation.h"

#include <cstring>

namespace {

// An upright picture whose pixel (x, y) is (x + 3 * y) & 0xFF, or that as a 16-bit word.
struct Sheet {
    BitmapFile bitmap{};
    std::vector<std::uint8_t> storage;
    Sheet(std::int32_t width, std::int32_t height, std::int32_t bits) {
        const int bytes = bits / 8;
        storage.assign(static_cast<std::size_t>(width) * height * bytes, 0);
        for (std::int32_t y = 0; y < height; ++y) {
            for (std::int32_t x = 0; x < width; ++x) {
                const auto value =
                    static_cast<std::uint16_t>(bits == 8 ? (x + 3 * y) & 0xFF : x + 1000 * y);
                std::memcpy(&storage[(y * width + x) * bytes], &value, bytes);
            }
        }
        bitmap.info_header.biWidth = width;
        bitmap.info_header.biHeight = height;
        bitmap.info_header.biBitCount = static_cast<WORD>(bits);
        bitmap.pixels = storage.data();
    }
};

constexpr std::int32_t SHOWN_SEQUENCED = 0x14;

} // namespace

TEST_F(SpriteTest, CreateFillsTheRecordAndMakesKeyedFrames) {
    const int before = ddraw_live_objects();
    ASSERT_EQ(1, sprite_create(&sprite, 20, 400, 24, 32, 3, SHOWN_SEQUENCED, DDSCAPS_SYSTEMMEMORY,
                               253, 8));
    EXPECT_EQ(before + 3, ddraw_live_objects());
    EXPECT_EQ(1, sprite.active);
    EXPECT_EQ(0x14u, sprite.attributes);
    EXPECT_EQ(20.0f, sprite.x);
    EXPECT_EQ(400.0f, sprite.y);
    EXPECT_EQ(24, sprite.width);
    EXPECT_EQ(32, sprite.height);
    EXPECT_EQ(3, sprite.frame_count);
    EXPECT_EQ(0, sprite.frame_delay);
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(nullptr, sprite.frames[i]);
        DDCOLORKEY key{};
        ASSERT_EQ(DD_OK, sprite.frames[i]->GetColorKey(DDCKEY_SRCBLT, &key));
        EXPECT_EQ(253u, key.dwColorSpaceLowValue);
        EXPECT_EQ(253u, key.dwColorSpaceHighValue);
    }
    EXPECT_EQ(nullptr, sprite.frames[3]);
}

TEST_F(SpriteTest, SixteenBitKeysKeepTheLowSixteenBitsOfTheArgument) {
    take_display(16);
    ASSERT_EQ(1, sprite_create(&sprite, 0, 0, 4, 4, 1, SHOWN_SEQUENCED, 0, 0x1F81F, 16));
    DDCOLORKEY key{};
    ASSERT_EQ(DD_OK, sprite.frames[0]->GetColorKey(DDCKEY_SRCBLT, &key));
    EXPECT_EQ(0xF81Fu, key.dwColorSpaceLowValue);
}

TEST_F(SpriteTest, CreateWithNoFramesMakesNoSurfacesAndOutOfRangeCountsAreRefused) {
    const int before = ddraw_live_objects();
    EXPECT_EQ(1, sprite_create(&sprite, 0, 0, 32, 32, 0, SHOWN_SEQUENCED, 0, 253, 8));
    EXPECT_EQ(before, ddraw_live_objects());
    Sprite other{};
    EXPECT_EQ(0, sprite_create(&other, 0, 0, 32, 32, 65, 0, 0, 253, 8));
    EXPECT_EQ(0, sprite_create(&other, 0, 0, 32, 32, -1, 0, 0, 253, 8));
    EXPECT_EQ(0, other.active);
    EXPECT_EQ(0, sprite_create(nullptr, 0, 0, 32, 32, 1, 0, 0, 253, 8));
    EXPECT_EQ(before, ddraw_live_objects());
}

TEST_F(SpriteTest, CreateStopsAtTheFirstSurfaceThatCannotBeMade) {
    ddraw_fail_calls(DDFAIL_CREATE_SURFACE, 1);
    EXPECT_EQ(0, sprite_create(&sprite, 5, 6, 24, 32, 4, SHOWN_SEQUENCED, 0, 253, 8));
    ddraw_reset_failures();
    EXPECT_EQ(5.0f, sprite.x);
    EXPECT_EQ(4, sprite.frame_count);
    EXPECT_EQ(nullptr, sprite.frames[0]);
    // Without a DirectDraw object there is nothing to create surfaces with.
    IDirectDraw7* saved = directdraw;
    directdraw = nullptr;
    Sprite other{};
    EXPECT_EQ(0, sprite_create(&other, 0, 0, 24, 32, 1, 0, 0, 253, 8));
    directdraw = saved;
}

TEST_F(SpriteTest, CutsCopyCellsIntoFrames) {
    Sheet sheet(130, 100, 8);
    ASSERT_EQ(1, sprite_create(&sprite, 0, 0, 24, 32, 3, SHOWN_SEQUENCED, 0, 253, 8));
    // Cell (1, 2) starts at (26, 67), cell (4, 0) at (101, 1); absolute (3, 4) at (3, 4).
    const struct {
        int cx, cy, mode, x, y;
    } cuts[] = {{1, 2, 0, 26, 67}, {4, 0, 0, 101, 1}, {3, 4, 1, 3, 4}};
    for (int frame = 0; frame < 3; ++frame) {
        const auto& cut = cuts[frame];
        ASSERT_EQ(1, sprite_cut_frame(&sprite, &sheet.bitmap, frame, cut.cx, cut.cy, cut.mode));
        const std::vector<std::uint8_t> pixels = read_surface_pixels(sprite.frames[frame]);
        ASSERT_EQ(24u * 32u, pixels.size());
        int mismatches = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 24; ++x)
                mismatches += pixels[y * 24 + x] != ((cut.x + x + 3 * (cut.y + y)) & 0xFF);
        EXPECT_EQ(0, mismatches) << frame;
    }
    EXPECT_NE(0u, sprite.attributes & SPRITE_HAS_FRAMES);
}

TEST_F(SpriteTest, CutsRefuseBadFramesRectanglesAndLocks) {
    Sheet sheet(130, 100, 8);
    ASSERT_EQ(1, sprite_create(&sprite, 0, 0, 24, 32, 2, SHOWN_SEQUENCED, 0, 253, 8));
    write_surface_pixels(sprite.frames[0], std::vector<std::uint8_t>(24 * 32, 0xEE));
    EXPECT_EQ(0, sprite_cut_frame(&sprite, &sheet.bitmap, 2, 0, 0, 0)); // beyond frame_count
    EXPECT_EQ(0, sprite_cut_frame(&sprite, &sheet.bitmap, -1, 0, 0, 0));
    EXPECT_EQ(0, sprite_cut_frame(&sprite, &sheet.bitmap, 64, 0, 0, 0));
    EXPECT_EQ(0, sprite_cut_frame(&sprite, &sheet.bitmap, 0, 5, 0, 0));   // ends at column 150
    EXPECT_EQ(0, sprite_cut_frame(&sprite, &sheet.bitmap, 0, 0, 3, 0));   // ends at row 131
    EXPECT_EQ(0, sprite_cut_frame(&sprite, &sheet.bitmap, 0, 107, 0, 1)); // one column over
    EXPECT_EQ(0, sprite_cut_frame16(&sprite, &sheet.bitmap, 0, 0, 0, 0)); // 8-bit picture
    BitmapFile released = sheet.bitmap;
    released.pixels = nullptr;
    EXPECT_EQ(0, sprite_cut_frame(&sprite, &released, 0, 0, 0, 0));
    EXPECT_EQ(0, sprite_cut_frame(&sprite, nullptr, 0, 0, 0, 0));
    EXPECT_EQ(0, sprite_cut_frame(nullptr, &sheet.bitmap, 0, 0, 0, 0));
    ddraw_fail_calls(DDFAIL_LOCK, 1);
    EXPECT_EQ(0, sprite_cut_frame(&sprite, &sheet.bitmap, 0, 0, 0, 0));
    ddraw_reset_failures();
    EXPECT_EQ(0u, sprite.attributes & SPRITE_HAS_FRAMES);
    EXPECT_EQ(std::vector<std::uint8_t>(24 * 32, 0xEE), read_surface_pixels(sprite.frames[0]));
    EXPECT_EQ(1, sprite_cut_frame(&sprite, &sheet.bitmap, 0, 106, 68, 1)); // the last that fits
}

TEST_F(SpriteTest, SixteenBitCutsFillSixteenBitFrames) {
    take_display(16);
    Sheet sheet(60, 60, 16);
    ASSERT_EQ(1, sprite_create(&sprite, 0, 0, 8, 8, 1, SHOWN_SEQUENCED, 0, 0, 16));
    ASSERT_EQ(1, sprite_cut_frame16(&sprite, &sheet.bitmap, 0, 2, 1, 0)); // starts at (19, 10)
    const std::vector<std::uint8_t> bytes = read_surface_pixels(sprite.frames[0]);
    ASSERT_EQ(8u * 8u * 2u, bytes.size());
    std::uint16_t first, last;
    std::memcpy(&first, bytes.data(), 2);
    std::memcpy(&last, bytes.data() + bytes.size() - 2, 2);
    EXPECT_EQ(19 + 1000 * 10, first);
    EXPECT_EQ(26 + 1000 * 17, last);
    // An 8-bit cut does not fit a 16-bit frame.
    Sheet sheet8(60, 60, 8);
    EXPECT_EQ(0, sprite_cut_frame(&sprite, &sheet8.bitmap, 0, 0, 0, 0));
}

TEST_F(SpriteTest, CopiesShareFramesAndOnlyTheOriginalReleasesThem) {
    ASSERT_EQ(1, sprite_create(&sprite, 0, 0, 8, 8, 2, SHOWN_SEQUENCED, 0, 253, 8));
    const std::int32_t entries[] = {0, 1};
    ASSERT_EQ(1, sprite_add_sequence(&sprite, 0, 2, entries));
    const int with_frames = ddraw_live_objects();
    Sprite copy{};
    ASSERT_EQ(1, sprite_copy(&sprite, &copy));
    EXPECT_EQ(0x14u | SPRITE_SHARED, copy.attributes);
    EXPECT_EQ(sprite.frames[1], copy.frames[1]);
    EXPECT_EQ(sprite.sequences[0], copy.sequences[0]);
    EXPECT_EQ(0, sprite_copy(&sprite, &sprite));
    EXPECT_EQ(0, sprite_copy(nullptr, &copy));
    EXPECT_EQ(0, sprite_copy(&sprite, nullptr));
    // Destroying the copy empties its slots and releases nothing.
    EXPECT_EQ(1, sprite_destroy(&copy));
    EXPECT_EQ(with_frames, ddraw_live_objects());
    EXPECT_EQ(nullptr, copy.frames[0]);
    EXPECT_EQ(nullptr, copy.sequences[0]);
    EXPECT_EQ(DD_OK, sprite.frames[0]->IsLost());
    // The original releases its frames once; a second destroy has nothing left to release.
    EXPECT_EQ(1, sprite_destroy(&sprite));
    EXPECT_EQ(with_frames - 2, ddraw_live_objects());
    EXPECT_EQ(nullptr, sprite.frames[0]);
    EXPECT_EQ(nullptr, sprite.sequences[0]);
    EXPECT_EQ(1, sprite_destroy(&sprite));
    EXPECT_EQ(with_frames - 2, ddraw_live_objects());
    EXPECT_EQ(0, sprite_destroy(nullptr));
}

TEST_F(SpriteTest, SequencesAreStoredWithTheirEndMarkAndReplacedCleanly) {
    const std::int32_t walk[] = {1, 2, 3, 2};
    ASSERT_EQ(1, sprite_add_sequence(&sprite, 15, 4, walk));
    const std::int32_t stored[] = {1, 2, 3, 2, SEQUENCE_END};
    EXPECT_EQ(0, std::memcmp(stored, sprite.sequences[15], sizeof stored));
    // A second sequence in the same slot frees the first (the leak check would see it).
    const std::int32_t one[] = {7};
    ASSERT_EQ(1, sprite_add_sequence(&sprite, 15, 1, one));
    EXPECT_EQ(7, sprite.sequences[15][0]);
    EXPECT_EQ(SEQUENCE_END, sprite.sequences[15][1]);
    EXPECT_EQ(0, sprite_add_sequence(&sprite, 16, 1, one));
    EXPECT_EQ(0, sprite_add_sequence(&sprite, -1, 1, one));
    EXPECT_EQ(0, sprite_add_sequence(&sprite, 0, 0, one));
    EXPECT_EQ(0, sprite_add_sequence(&sprite, 0, 1, nullptr));
    EXPECT_EQ(0, sprite_add_sequence(nullptr, 0, 1, one));
    EXPECT_EQ(nullptr, sprite.sequences[0]);
    // A copy borrows its sequences and cannot take ownership of a new one.
    Sprite copy{};
    ASSERT_EQ(1, sprite_copy(&sprite, &copy));
    EXPECT_EQ(0, sprite_add_sequence(&copy, 15, 4, walk));
    EXPECT_EQ(sprite.sequences[15], copy.sequences[15]);
}

TEST_F(SpriteTest, SettersChangeOnlyTheirOwnFields) {
    ASSERT_EQ(1,
              sprite_create(&sprite, 1, 2, 24, 32, 0, SHOWN_SEQUENCED | SPRITE_WRAPS, 0, 253, 8));
    sprite.current_frame = 3;
    sprite.frame_timer = 1;
    sprite.animation_done = 1;
    sprite.sequence_position = 2;
    EXPECT_EQ(1, sprite_set_position(&sprite, 20, 400));
    EXPECT_EQ(20.0f, sprite.x);
    EXPECT_EQ(400.0f, sprite.y);
    EXPECT_EQ(1, sprite_set_velocity(&sprite, -3, 5));
    EXPECT_EQ(-3.0f, sprite.x_velocity);
    EXPECT_EQ(5.0f, sprite.y_velocity);
    EXPECT_EQ(1, sprite_set_delay(&sprite, 2));
    EXPECT_EQ(2, sprite.frame_delay);
    // Selecting restarts the position only: frame, timer and the done flag stay.
    EXPECT_EQ(1, sprite_select_sequence(&sprite, 1));
    EXPECT_EQ(1, sprite.current_sequence);
    EXPECT_EQ(0, sprite.sequence_position);
    EXPECT_EQ(3, sprite.current_frame);
    EXPECT_EQ(1, sprite.frame_timer);
    EXPECT_EQ(1, sprite.animation_done);
    EXPECT_EQ(0, sprite_select_sequence(&sprite, 16));
    EXPECT_EQ(0, sprite_select_sequence(&sprite, -1));
    EXPECT_EQ(1, sprite.current_sequence);
    EXPECT_EQ(1, sprite_hide(&sprite));
    EXPECT_EQ(SPRITE_SEQUENCED | SPRITE_WRAPS, sprite.attributes);
    EXPECT_EQ(1, sprite_show(&sprite));
    EXPECT_EQ(SHOWN_SEQUENCED | SPRITE_WRAPS, sprite.attributes);
    EXPECT_EQ(0, sprite_set_position(nullptr, 0, 0));
    EXPECT_EQ(0, sprite_set_velocity(nullptr, 0, 0));
    EXPECT_EQ(0, sprite_set_delay(nullptr, 0));
    EXPECT_EQ(0, sprite_select_sequence(nullptr, 0));
    EXPECT_EQ(0, sprite_hide(nullptr));
    EXPECT_EQ(0, sprite_show(nullptr));
}
