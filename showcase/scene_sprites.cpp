// Surfaces and sprites: the level picture as a mosaic of off-screen surfaces cut from its
// cells, characters walking with wrap-around, blocks bouncing, every pair hit-tested.
#include "showcase/caption.h"
#include "showcase/colours.h"
#include "showcase/drawing.h"
#include "showcase/scene.h"
#include "showcase/showcase.h"

#include "engine/engine.h"

#include <cstdio>
#include <initializer_list>

namespace {

constexpr std::int32_t TILE = 64, TILE_COLUMNS = 9, TILE_ROWS = 7;
constexpr std::int32_t WALKER_WIDTH = 24, WALKER_HEIGHT = 32, WALKER_FRAMES = 10;
constexpr std::int32_t BLOCK_SIZE = 32, BLOCK_FRAMES = 4;
constexpr std::int32_t WALK_Y = 404;
constexpr std::int32_t GIANT_X = 490, GIANT_Y = 110, GIANT_WIDTH = 72, GIANT_HEIGHT = 96;
constexpr ClipRect ARENA = {0, SCENE_TOP, 639, SCENE_BOTTOM};
constexpr std::int32_t CELL_MODE = 0;

const std::int32_t WALK_RIGHT[] = {1, 2, 3, 2};
const std::int32_t WALK_LEFT[] = {6, 7, 8, 7};
const std::int32_t SHINE[] = {1, 2, 3, 2};

BitmapFile Sheet;
IDirectDrawSurface7* Tiles[TILE_ROWS][TILE_COLUMNS];
// Sprites 0 and 3 own their frames; the others are copies that share them.
Sprite Actors[6];
Sprite Giant;
bool Hit[6];
std::int32_t HitPairs;
const char* Missing;

Sprite* const WALKERS[] = {&Actors[0], &Actors[1], &Actors[2]};
Sprite* const BLOCKS[] = {&Actors[3], &Actors[4], &Actors[5]};

bool read_sheet(const char* name) {
    if (read_bitmap_file(&Sheet, name)) return true;
    Missing = name;
    return false;
}

// Each 64 x 64 cell of the level picture in a surface of its own.
void cut_tiles() {
    if (!read_sheet("gamebackground1.BMP")) return;
    for (std::int32_t cy = 0; cy < TILE_ROWS; ++cy)
        for (std::int32_t cx = 0; cx < TILE_COLUMNS; ++cx) {
            IDirectDrawSurface7* tile =
                create_offscreen_surface(TILE, TILE, DDSCAPS_SYSTEMMEMORY, TRANSPARENT_INDEX);
            if (tile && !surface_cut_cell(&Sheet, tile, cx, cy)) {
                tile->Release();
                tile = nullptr;
            }
            Tiles[cy][cx] = tile;
        }
    release_bitmap_file(&Sheet);
}

void place(Sprite* sprite, std::int32_t x, std::int32_t y, float x_velocity, float y_velocity) {
    sprite_set_position(sprite, x, y);
    sprite->x_velocity = x_velocity;
    sprite->y_velocity = y_velocity;
}

// Reads the sheet into Sheet and makes the sprite that will own the frames cut from it;
// false when either fails. The caller releases the sheet.
bool sheet_and_sprite(const char* name, Sprite* sprite, std::int32_t size_x, std::int32_t size_y,
                      std::int32_t frames, std::uint32_t attributes) {
    return read_sheet(name) && sprite_create(sprite, 0, 0, size_x, size_y, frames,
                                             static_cast<std::int32_t>(attributes),
                                             DDSCAPS_SYSTEMMEMORY, TRANSPARENT_INDEX, SHOWCASE_BPP);
}

void make_walkers() {
    Sprite* first = WALKERS[0];
    if (sheet_and_sprite("pelkosprites.bmp", first, WALKER_WIDTH, WALKER_HEIGHT, WALKER_FRAMES,
                         SPRITE_SHOWN | SPRITE_SEQUENCED | SPRITE_WRAPS)) {
        // Row 0 of the sheet faces right, row 1 left.
        for (std::int32_t i = 0; i < 5; ++i) {
            sprite_cut_frame(first, &Sheet, i, i, 0, CELL_MODE);
            sprite_cut_frame(first, &Sheet, i + 5, i, 1, CELL_MODE);
        }
        sprite_add_sequence(first, 0, 4, WALK_RIGHT);
        sprite_add_sequence(first, 1, 4, WALK_LEFT);
        sprite_set_delay(first, 3);
    }
    release_bitmap_file(&Sheet);
    sprite_copy(first, WALKERS[1]);
    sprite_copy(first, WALKERS[2]);
    sprite_copy(first, &Giant);
    place(WALKERS[0], 40, WALK_Y, 2.0f, 0.0f);
    place(WALKERS[1], 262, WALK_Y, -3.0f, 0.0f);
    place(WALKERS[2], 520, WALK_Y, 1.5f, 0.0f);
    sprite_select_sequence(WALKERS[1], 1);
    sprite_set_delay(WALKERS[2], 5);
    place(&Giant, GIANT_X, GIANT_Y, 0.0f, 0.0f);
    sprite_set_delay(&Giant, 4);
}

void make_blocks() {
    Sprite* first = BLOCKS[0];
    if (sheet_and_sprite("questionblock.bmp", first, BLOCK_SIZE, BLOCK_SIZE, BLOCK_FRAMES,
                         SPRITE_SHOWN | SPRITE_SEQUENCED | SPRITE_BOUNCES)) {
        for (std::int32_t i = 0; i < BLOCK_FRAMES; ++i)
            sprite_cut_frame(first, &Sheet, i, i, 0, CELL_MODE);
        sprite_add_sequence(first, 0, 4, SHINE);
        sprite_set_delay(first, 3);
    }
    release_bitmap_file(&Sheet);
    sprite_copy(first, BLOCKS[1]);
    sprite_copy(first, BLOCKS[2]);
    // The third block runs through every frame in turn instead of the sequence.
    BLOCKS[2]->attributes = SPRITE_SHARED | SPRITE_SHOWN | SPRITE_CYCLE_FRAMES | SPRITE_BOUNCES;
    sprite_set_delay(BLOCKS[2], 2);
    place(BLOCKS[0], 100, 120, 3.0f, 2.0f);
    place(BLOCKS[1], 420, 200, -2.0f, 3.5f);
    place(BLOCKS[2], 250, 320, 4.0f, -2.5f);
}

void enter() {
    Missing = nullptr;
    cut_tiles();
    make_walkers();
    make_blocks();
    HitPairs = 0;
}

void step(std::int32_t) {
    const ClipRect saved = set_clip(ARENA);
    for (Sprite& actor : Actors) {
        sprite_animate(&actor);
        sprite_move(&actor);
    }
    sprite_animate(&Giant);
    restore_clip(saved);

    HitPairs = 0;
    for (bool& hit : Hit)
        hit = false;
    for (int a = 0; a < 6; ++a)
        for (int b = a + 1; b < 6; ++b)
            if (sprite_hit_test(&Actors[a], &Actors[b])) {
                Hit[a] = Hit[b] = true;
                ++HitPairs;
            }
}

void leave() {
    // Copies first: they release nothing, and their owners must still be whole.
    for (int i : {1, 2, 4, 5, 0, 3})
        sprite_destroy(&Actors[i]);
    sprite_destroy(&Giant);
    for (Sprite& actor : Actors)
        actor = {};
    Giant = {};
    for (auto& row : Tiles)
        for (IDirectDrawSurface7*& tile : row) {
            if (tile) tile->Release();
            tile = nullptr;
        }
}

// Boxes around the sprites that touch another, drawn over the blitted sprites.
void mark_hits() {
    std::uint8_t* buffer = lock_back();
    if (!buffer) return;
    for (int i = 0; i < 6; ++i) {
        if (!Hit[i]) continue;
        const Sprite& s = Actors[i];
        const std::int32_t x = static_cast<std::int32_t>(s.x), y = static_cast<std::int32_t>(s.y);
        draw_box8({x - 2, y - 2, x + s.width + 1, y + s.height + 1}, RED + 9, buffer, back_pitch);
    }
    unlock_back();
}

void draw_tiles(IDirectDrawSurface7* surface) {
    for (std::int32_t cy = 0; cy < TILE_ROWS; ++cy)
        for (std::int32_t cx = 0; cx < TILE_COLUMNS; ++cx) {
            if (!Tiles[cy][cx]) continue;
            // Each cell goes back where it lay in the picture, so the grid between the cells
            // shows as black lines.
            RECT place = {cx * (TILE + 1) + 1, cy * (TILE + 1) + 1, cx * (TILE + 1) + 1 + TILE,
                          cy * (TILE + 1) + 1 + TILE};
            surface->Blt(&place, Tiles[cy][cx], nullptr, DDBLT_WAIT, nullptr);
        }
}

void draw_labels(IDirectDrawSurface7* surface) {
    fill_rectangle(6, 44, 330, 80, BLUE + 1, surface);
    label(surface, 12, 46, WHITE, "surface_cut_cell: the level, 63 cells of 64 x 64");
    char hits[64];
    std::snprintf(hits, sizeof hits, "sprite_hit_test: %d pair%s touching", HitPairs,
                  HitPairs == 1 ? "" : "s");
    label(surface, 12, 62, HitPairs ? RED + 12 : WHITE, hits);
    fill_rectangle(GIANT_X - 20, GIANT_Y + GIANT_HEIGHT + 2, GIANT_X + 110,
                   GIANT_Y + GIANT_HEIGHT + 20, BLUE + 1, surface);
    label(surface, GIANT_X - 14, GIANT_Y + GIANT_HEIGHT + 4, WHITE, "sprite_draw_scaled");
    if (Missing) {
        char text[80];
        std::snprintf(text, sizeof text, "could not read %s", Missing);
        label(surface, 200, 240, RED + 12, text);
    }
}

void draw_surface(std::int32_t, IDirectDrawSurface7* surface) {
    draw_tiles(surface);
    draw_labels(surface);
    for (const Sprite& actor : Actors)
        sprite_draw(&actor, surface);
    sprite_draw_scaled(&Giant, GIANT_WIDTH, GIANT_HEIGHT, surface);
    mark_hits();
}

} // namespace

const Scene SPRITES_SCENE = {"Surfaces and sprites",
                             "cells cut into surfaces; sprites animating, wrapping, bouncing",
                             "sprites",
                             enter,
                             step,
                             nullptr,
                             draw_surface,
                             leave};
