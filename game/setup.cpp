// Reads the game's nine artwork files into its images and sprites once at start, and frees
// them at the end.
#include "game/setup.h"

#include "game/artwork_failure.h"

#include <cstdio>

BitmapImage MenuImages[4];
BitmapImage InfoImages[2];
BitmapImage LevelImages[1];
Sprite PlayerSprite;
Sprite BlockSprite;
BitmapFile SharedBitmapFile;

static constexpr std::int32_t SCREEN_WIDTH = 640;
static constexpr std::int32_t SCREEN_HEIGHT = 480;
static constexpr std::int32_t SCREEN_BPP = 8;
static constexpr std::int32_t SPRITE_FLAGS = SPRITE_SHOWN | SPRITE_SEQUENCED;
static constexpr std::int32_t TRANSPARENT_INDEX = 253;
static constexpr std::int32_t CELL_MODE = 0;
static constexpr std::int32_t ABSOLUTE_MODE = 1;

static constexpr std::int32_t PLAYER_START_X = 20;
static constexpr std::int32_t PLAYER_START_Y = 400;
static constexpr std::int32_t PLAYER_WIDTH = 24;
static constexpr std::int32_t PLAYER_HEIGHT = 32;
static constexpr std::int32_t PLAYER_FRAMES = 12;
static constexpr std::int32_t PLAYER_DELAY = 2;
static constexpr std::int32_t BLOCK_SIZE = 32;
static constexpr std::int32_t BLOCK_FRAMES = 4;
static constexpr std::int32_t BLOCK_DELAY = 3;

// The smallest sheets that hold every cell the sprites cut, grid lines included.
static constexpr std::int32_t PLAYER_SHEET_WIDTH = 5 * (PLAYER_WIDTH + 1);
static constexpr std::int32_t PLAYER_SHEET_HEIGHT = 3 * (PLAYER_HEIGHT + 1);
static constexpr std::int32_t BLOCK_SHEET_WIDTH = 4 * (BLOCK_SIZE + 1);
static constexpr std::int32_t BLOCK_SHEET_HEIGHT = BLOCK_SIZE + 1;

static const std::int32_t WALK_RIGHT[] = {1, 2, 3, 2};
static const std::int32_t WALK_LEFT[] = {6, 7, 8, 7};
static const std::int32_t BLOCK_SHINE[] = {1, 2, 3, 2};

// One full-screen picture: read, cut whole into its image, pixels released again so the
// shared record is ready for the next file.
static void load_screen_picture(BitmapImage* image, const char* pattern, int number) {
    char filename[80];
    std::snprintf(filename, sizeof filename, pattern, number);
    load_artwork_file(&SharedBitmapFile, filename, SCREEN_WIDTH, SCREEN_HEIGHT);
    image_create(image, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT, SCREEN_BPP);
    image_cut(image, &SharedBitmapFile, 0, 0, ABSOLUTE_MODE);
    release_bitmap_file(&SharedBitmapFile);
}

std::int32_t load_screen_images() {
    for (int i = 0; i < 4; ++i)
        load_screen_picture(&MenuImages[i], "menubackground%d.bmp", i + 1);
    for (int j = 0; j < 2; ++j)
        load_screen_picture(&InfoImages[j], "option%d.bmp", j + 2);
    // The pixels are gone, but the record still holds the colours of the last file read.
    return set_palette(SharedBitmapFile.palette);
}

std::int32_t load_level_images() {
    for (int k = 0; k < 1; ++k)
        load_screen_picture(&LevelImages[k], "gamebackground%d.BMP", k + 1);
    // Every screen of the game is shown through the level's palette from here on.
    return set_palette(SharedBitmapFile.palette);
}

std::int32_t create_player_sprite() {
    if (!sprite_create(&PlayerSprite, PLAYER_START_X, PLAYER_START_Y, PLAYER_WIDTH, PLAYER_HEIGHT,
                       PLAYER_FRAMES, SPRITE_FLAGS, DDSCAPS_SYSTEMMEMORY, TRANSPARENT_INDEX,
                       SCREEN_BPP))
        return 0;
    load_artwork_file(&SharedBitmapFile, "pelkosprites.bmp", PLAYER_SHEET_WIDTH,
                      PLAYER_SHEET_HEIGHT);
    for (int i = 0; i < 5; ++i)
        sprite_cut_frame(&PlayerSprite, &SharedBitmapFile, i, i, 0, CELL_MODE);
    sprite_add_sequence(&PlayerSprite, 0, 4, WALK_RIGHT);
    for (int i = 0; i < 5; ++i)
        sprite_cut_frame(&PlayerSprite, &SharedBitmapFile, i + 5, i, 1, CELL_MODE);
    sprite_add_sequence(&PlayerSprite, 1, 4, WALK_LEFT);
    // Frame 10 stays uncut and frame 11 is never shown; the sheet's extra cell goes there.
    sprite_cut_frame(&PlayerSprite, &SharedBitmapFile, 11, 1, 2, CELL_MODE);
    release_bitmap_file(&SharedBitmapFile);

    sprite_set_position(&PlayerSprite, PLAYER_START_X, PLAYER_START_Y);
    sprite_select_sequence(&PlayerSprite, 0);
    sprite_set_velocity(&PlayerSprite, 0, 0);
    sprite_set_delay(&PlayerSprite, PLAYER_DELAY);
    return 1;
}

std::int32_t create_block_sprite() {
    if (!sprite_create(&BlockSprite, 0, 0, BLOCK_SIZE, BLOCK_SIZE, BLOCK_FRAMES, SPRITE_FLAGS,
                       DDSCAPS_SYSTEMMEMORY, TRANSPARENT_INDEX, SCREEN_BPP))
        return 0;
    load_artwork_file(&SharedBitmapFile, "questionblock.bmp", BLOCK_SHEET_WIDTH,
                      BLOCK_SHEET_HEIGHT);
    for (int i = 0; i < BLOCK_FRAMES; ++i)
        sprite_cut_frame(&BlockSprite, &SharedBitmapFile, i, i, 0, CELL_MODE);
    sprite_add_sequence(&BlockSprite, 0, 4, BLOCK_SHINE);
    release_bitmap_file(&SharedBitmapFile);

    sprite_set_position(&BlockSprite, 0, 0);
    sprite_select_sequence(&BlockSprite, 0);
    sprite_set_velocity(&BlockSprite, 0, 0);
    sprite_set_delay(&BlockSprite, BLOCK_DELAY);
    return 1;
}

std::int32_t game_set_up() {
    display_init(SCREEN_WIDTH, SCREEN_HEIGHT, SCREEN_BPP, 0);
    load_screen_images();
    load_level_images();
    if (!create_player_sprite()) return 0;
    if (!create_block_sprite()) return 0;
    return 1;
}

std::int32_t game_tear_down() {
    for (BitmapImage& image : MenuImages)
        image_destroy(&image);
    for (BitmapImage& image : InfoImages)
        image_destroy(&image);
    for (BitmapImage& image : LevelImages)
        image_destroy(&image);
    sprite_destroy(&PlayerSprite);
    sprite_destroy(&BlockSprite);
    display_shutdown();
    return 1;
}
