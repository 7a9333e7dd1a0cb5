// Reads the game's nine artwork files into its images and sprites at start (the two sheets
// again whenever the frames' surfaces lose their pixels), and frees them at the end.
#include "game/setup.h"

#include "game/artwork_file.h"
#include "game/game_sounds.h"

#include <cstdio>

BitmapImage MenuImages[4];
BitmapImage InfoImages[2];
BitmapImage LevelImages[1];
Sprite PlayerSprite;
Sprite BlockSprite;
BitmapFile SharedBitmapFile;

namespace {

constexpr std::int32_t SCREEN_WIDTH = 640;
constexpr std::int32_t SCREEN_HEIGHT = 480;
constexpr std::int32_t SCREEN_BPP = 8;
constexpr std::int32_t SPRITE_FLAGS = SPRITE_SHOWN | SPRITE_SEQUENCED;
constexpr std::int32_t TRANSPARENT_INDEX = 253;
constexpr std::int32_t CELL_MODE = 0;
constexpr std::int32_t ABSOLUTE_MODE = 1;

constexpr std::int32_t PLAYER_START_X = 20;
constexpr std::int32_t PLAYER_START_Y = 400;
constexpr std::int32_t PLAYER_WIDTH = 24;
constexpr std::int32_t PLAYER_HEIGHT = 32;
constexpr std::int32_t PLAYER_FRAMES = 12;
constexpr std::int32_t PLAYER_DELAY = 2;
constexpr std::int32_t BLOCK_SIZE = 32;
constexpr std::int32_t BLOCK_FRAMES = 4;
constexpr std::int32_t BLOCK_DELAY = 3;

// The smallest sheets that hold every cell the sprites cut, grid lines included.
constexpr std::int32_t PLAYER_SHEET_WIDTH = 5 * (PLAYER_WIDTH + 1);
constexpr std::int32_t PLAYER_SHEET_HEIGHT = 3 * (PLAYER_HEIGHT + 1);
constexpr std::int32_t BLOCK_SHEET_WIDTH = 4 * (BLOCK_SIZE + 1);
constexpr std::int32_t BLOCK_SHEET_HEIGHT = BLOCK_SIZE + 1;

const std::int32_t WALK_RIGHT[] = {1, 2, 3, 2};
const std::int32_t WALK_LEFT[] = {6, 7, 8, 7};
const std::int32_t BLOCK_SHINE[] = {1, 2, 3, 2};

// One full-screen picture: read, cut whole into its image, pixels released again so the
// shared record is ready for the next file. 1, or ARTWORK_UNUSABLE with nothing made.
std::int32_t load_screen_picture(BitmapImage* image, const char* pattern, int number) {
    char filename[80];
    std::snprintf(filename, sizeof filename, pattern, number);
    if (load_artwork_file(&SharedBitmapFile, filename, SCREEN_WIDTH, SCREEN_HEIGHT) != 1)
        return ARTWORK_UNUSABLE;
    image_create(image, 0, 0, SCREEN_WIDTH, SCREEN_HEIGHT, SCREEN_BPP);
    image_cut(image, &SharedBitmapFile, 0, 0, ABSOLUTE_MODE);
    release_bitmap_file(&SharedBitmapFile);
    return 1;
}

} // namespace

std::int32_t load_screen_images() {
    for (int i = 0; i < 4; ++i)
        if (load_screen_picture(&MenuImages[i], "menubackground%d.bmp", i + 1) != 1)
            return ARTWORK_UNUSABLE;
    for (int j = 0; j < 2; ++j)
        if (load_screen_picture(&InfoImages[j], "option%d.bmp", j + 2) != 1)
            return ARTWORK_UNUSABLE;
    // The pixels are gone, but the record still holds the colours of the last file read.
    return set_palette(SharedBitmapFile.palette);
}

std::int32_t load_level_images() {
    for (int k = 0; k < 1; ++k)
        if (load_screen_picture(&LevelImages[k], "gamebackground%d.BMP", k + 1) != 1)
            return ARTWORK_UNUSABLE;
    // Every screen of the game is shown through the level's palette from here on.
    return set_palette(SharedBitmapFile.palette);
}

std::int32_t cut_player_frames() {
    if (load_artwork_file(&SharedBitmapFile, "pelkosprites.bmp", PLAYER_SHEET_WIDTH,
                          PLAYER_SHEET_HEIGHT) != 1)
        return ARTWORK_UNUSABLE;
    for (int i = 0; i < 5; ++i)
        sprite_cut_frame(&PlayerSprite, &SharedBitmapFile, i, i, 0, CELL_MODE);
    for (int i = 0; i < 5; ++i)
        sprite_cut_frame(&PlayerSprite, &SharedBitmapFile, i + 5, i, 1, CELL_MODE);
    // Frame 10 stays uncut and frame 11 is never shown; the sheet's extra cell goes there.
    sprite_cut_frame(&PlayerSprite, &SharedBitmapFile, 11, 1, 2, CELL_MODE);
    release_bitmap_file(&SharedBitmapFile);
    return 1;
}

std::int32_t cut_block_frames() {
    if (load_artwork_file(&SharedBitmapFile, "questionblock.bmp", BLOCK_SHEET_WIDTH,
                          BLOCK_SHEET_HEIGHT) != 1)
        return ARTWORK_UNUSABLE;
    for (int i = 0; i < BLOCK_FRAMES; ++i)
        sprite_cut_frame(&BlockSprite, &SharedBitmapFile, i, i, 0, CELL_MODE);
    release_bitmap_file(&SharedBitmapFile);
    return 1;
}

std::int32_t create_player_sprite() {
    if (!sprite_create(&PlayerSprite, PLAYER_START_X, PLAYER_START_Y, PLAYER_WIDTH, PLAYER_HEIGHT,
                       PLAYER_FRAMES, SPRITE_FLAGS, DDSCAPS_SYSTEMMEMORY, TRANSPARENT_INDEX,
                       SCREEN_BPP))
        return 0;
    if (cut_player_frames() != 1) return ARTWORK_UNUSABLE;
    sprite_add_sequence(&PlayerSprite, 0, 4, WALK_RIGHT);
    sprite_add_sequence(&PlayerSprite, 1, 4, WALK_LEFT);
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
    if (cut_block_frames() != 1) return ARTWORK_UNUSABLE;
    sprite_add_sequence(&BlockSprite, 0, 4, BLOCK_SHINE);
    sprite_set_position(&BlockSprite, 0, 0);
    sprite_select_sequence(&BlockSprite, 0);
    sprite_set_velocity(&BlockSprite, 0, 0);
    sprite_set_delay(&BlockSprite, BLOCK_DELAY);
    return 1;
}

std::int32_t game_set_up() {
    display_init(SCREEN_WIDTH, SCREEN_HEIGHT, SCREEN_BPP, 0);
    load_game_sounds();
    if (load_screen_images() == ARTWORK_UNUSABLE) return ARTWORK_UNUSABLE;
    if (load_level_images() == ARTWORK_UNUSABLE) return ARTWORK_UNUSABLE;
    // A sprite that cannot be made leaves the game running without it (0); a sheet that
    // cannot be read stops the start.
    const std::int32_t player = create_player_sprite();
    if (player != 1) return player;
    const std::int32_t block = create_block_sprite();
    if (block != 1) return block;
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
    release_game_sounds();
    display_shutdown();
    return 1;
}
