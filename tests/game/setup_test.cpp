// Set-up and tear-down with the real data files: the palette that ends up on the display,
// the cells the frames come from, what tear-down leaves, and the character's first rest.
#include "data_folder.h"
#include "game_window.h"
#include "motion_world.h"

#include "platform/ddraw/ddraw_emulation.h"
#include "support/surface_pixels.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

namespace {

BitmapFile read_file(const char* name) {
    BitmapFile file{};
    EXPECT_EQ(read_bitmap_file(&file, name), 1) << name;
    return file;
}

// The cell (column, row) of a sheet, rows top first, as the frame's bytes.
std::vector<std::uint8_t> cell(const BitmapFile& sheet, int column, int row, int width,
                               int height) {
    std::vector<std::uint8_t> bytes;
    const int x0 = column * (width + 1) + 1;
    const int y0 = row * (height + 1) + 1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bytes.push_back(sheet.pixels[(y0 + y) * sheet.info_header.biWidth + x0 + x]);
    return bytes;
}

} // namespace

TEST(SetUp, TheDisplayShowsTheLevelsPaletteWhateverTheOtherFilesHold) {
    // Spoil the palettes of the palette file and of the last screen file read before the
    // level, so that only the level's colours can pass.
    const std::filesystem::path folder = copy_data_folder();
    ASSERT_FALSE(folder.empty());
    {
        std::fstream option(folder / "option3.bmp",
                            std::ios::in | std::ios::out | std::ios::binary);
        option.seekp(54);
        for (int i = 0; i < 1024; ++i)
            option.put(static_cast<char>(i * 7));
        std::ofstream palette(folder / "PALDATA2.PAL");
        for (int i = 0; i < 256; ++i)
            palette << 255 - i << ' ' << i << ' ' << 17 << ' ' << 0 << '\n';
    }
    const std::filesystem::path home = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    BitmapFile level = read_file("gamebackground1.BMP");

    open_game_window();
    ASSERT_EQ(game_set_up(), 1);
    Palette shown{};
    get_palette(shown);
    PALETTEENTRY attached[256]{};
    ASSERT_NE(display_palette, nullptr);
    display_palette->GetEntries(0, 0, 256, attached);
    for (int i = 0; i < 256; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(shown[i].red, level.palette[i].red);
        EXPECT_EQ(shown[i].green, level.palette[i].green);
        EXPECT_EQ(shown[i].blue, level.palette[i].blue);
        EXPECT_EQ(attached[i].peRed, level.palette[i].red);
        EXPECT_EQ(attached[i].peGreen, level.palette[i].green);
        EXPECT_EQ(attached[i].peBlue, level.palette[i].blue);
    }
    game_tear_down();
    release_bitmap_file(&level);
    std::filesystem::current_path(home);
    std::filesystem::remove_all(folder);
}

TEST(SetUp, FramesAreCutFromTheirCellsAndFrameTenIsLeftUncut) {
    open_game_window();
    ASSERT_EQ(game_set_up(), 1);
    EXPECT_EQ(SharedBitmapFile.pixels, nullptr);

    BitmapFile sheet = read_file("pelkosprites.bmp");
    const int cells[12][2] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0},   {0, 1},
                              {1, 1}, {2, 1}, {3, 1}, {4, 1}, {-1, -1}, {1, 2}};
    for (int i = 0; i < 12; ++i) {
        if (cells[i][0] < 0) continue;
        SCOPED_TRACE(i);
        ASSERT_NE(PlayerSprite.frames[i], nullptr);
        EXPECT_EQ(read_surface_pixels(PlayerSprite.frames[i]),
                  cell(sheet, cells[i][0], cells[i][1], 24, 32));
    }
    // Frame 10 exists but matches none of the sheet's cells.
    ASSERT_NE(PlayerSprite.frames[10], nullptr);
    const std::vector<std::uint8_t> uncut = read_surface_pixels(PlayerSprite.frames[10]);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 5; ++column)
            EXPECT_NE(uncut, cell(sheet, column, row, 24, 32)) << column << ", " << row;
    release_bitmap_file(&sheet);

    BitmapFile blocks = read_file("questionblock.bmp");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(read_surface_pixels(BlockSprite.frames[i]), cell(blocks, i, 0, 32, 32)) << i;
    release_bitmap_file(&blocks);

    const std::int32_t right[] = {1, 2, 3, 2, SEQUENCE_END};
    const std::int32_t left[] = {6, 7, 8, 7, SEQUENCE_END};
    EXPECT_EQ(std::memcmp(PlayerSprite.sequences[0], right, sizeof right), 0);
    EXPECT_EQ(std::memcmp(PlayerSprite.sequences[1], left, sizeof left), 0);
    EXPECT_EQ(std::memcmp(BlockSprite.sequences[0], right, sizeof right), 0);
    EXPECT_EQ(PlayerSprite.frame_delay, 2);
    EXPECT_EQ(BlockSprite.frame_delay, 3);
    EXPECT_EQ(PlayerSprite.x, 20.0f);
    EXPECT_EQ(PlayerSprite.y, 400.0f);
    EXPECT_EQ(PlayerSprite.attributes & (SPRITE_SHOWN | SPRITE_SEQUENCED),
              SPRITE_SHOWN | SPRITE_SEQUENCED);
    EXPECT_EQ(BlockSprite.x, 0.0f);
    game_tear_down();
}

TEST(SetUp, TearDownFreesEverythingAndLeavesNoDirectDrawObjectAlive) {
    open_game_window();
    const int before = ddraw_live_objects();
    ASSERT_EQ(game_set_up(), 1);
    EXPECT_GT(ddraw_live_objects(), before + 16); // display objects and 16 frames
    EXPECT_NE(MenuImages[3].pixels, nullptr);
    EXPECT_NE(LevelImages[0].pixels, nullptr);

    EXPECT_EQ(game_tear_down(), 1);
    EXPECT_EQ(ddraw_live_objects(), 0);
    const BitmapImage zero{};
    for (const BitmapImage* image : {&MenuImages[0], &MenuImages[1], &MenuImages[2], &MenuImages[3],
                                     &InfoImages[0], &InfoImages[1], &LevelImages[0]})
        EXPECT_EQ(std::memcmp(image, &zero, sizeof zero), 0);
    for (int i = 0; i < SPRITE_MAX_FRAMES; ++i) {
        EXPECT_EQ(PlayerSprite.frames[i], nullptr);
        EXPECT_EQ(BlockSprite.frames[i], nullptr);
    }
    EXPECT_EQ(PlayerSprite.sequences[0], nullptr);
    EXPECT_EQ(BlockSprite.sequences[0], nullptr);
}

TEST(SetUp, TheCharacterStartingAt20By400ComesToRestOnTheLevelsGround) {
    open_game_window();
    ASSERT_EQ(game_set_up(), 1);
    std::vector<std::uint8_t> level(640 * 480);
    ASSERT_EQ(image_draw(&LevelImages[0], level.data(), 640, 0), 1);
    back_buffer = level.data();
    back_pitch = 640;
    PlayerVelocityX = PlayerVelocityY = JumpRising = 0;
    for (int i = 0; i < 60; ++i) {
        apply_vertical_velocity();
        rise_out_of_ground();
        update_player();
    }
    const int x = static_cast<int>(PlayerSprite.x);
    const int y = static_cast<int>(PlayerSprite.y);
    EXPECT_EQ(x, 20);
    EXPECT_EQ(PlayerVelocityY, 0);
    ASSERT_GE(y, 0);
    ASSERT_LE(y + 33, 479);
    EXPECT_EQ(color_scan(x, y, x + 24, y + 32, 170, 170, level.data(), 640), 0);
    EXPECT_EQ(color_scan(x, y + 33, x + 24, y + 33, 170, 170, level.data(), 640), 1);
    back_buffer = nullptr;
    back_pitch = 0;
    game_tear_down();
}

TEST(SetUp, AFailedSpriteCreationReadsNoSheetAndTearDownStillFreesEverything) {
    open_game_window();
    ASSERT_EQ(display_init(640, 480, 8, 0), 1);
    SharedBitmapFile = BitmapFile{};            // holds no pixels between reads
    ddraw_fail_calls(DDFAIL_CREATE_SURFACE, 1); // the character's first frame
    EXPECT_EQ(create_player_sprite(), 0);
    ddraw_reset_failures();
    EXPECT_EQ(SharedBitmapFile.file_header.bfType, 0) << "the sheet was read after all";
    EXPECT_EQ(PlayerSprite.frames[0], nullptr);
    game_tear_down();
    EXPECT_EQ(ddraw_live_objects(), 0);
}
