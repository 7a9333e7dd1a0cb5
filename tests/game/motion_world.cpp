// The motion tests' world: synthetic ground, hand-made sprites, scripted keys.
#include "motion_world.h"

#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"

#include <algorithm>

namespace {

std::int32_t walk_right[] = {1, 2, 3, 2, SEQUENCE_END};
std::int32_t walk_left[] = {6, 7, 8, 7, SEQUENCE_END};
std::int32_t block_shine[] = {1, 2, 3, 2, SEQUENCE_END};

void pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

} // namespace

void MotionWorld::SetUp() {
    platform_reset();
    std::fill(screen.begin(), screen.end(), 0);
    screen_width = 640;
    screen_height = 480;
    back_buffer = screen.data();
    back_pitch = WORLD_PITCH;

    PlayerSprite = Sprite{};
    PlayerSprite.attributes = SPRITE_SHOWN | SPRITE_SEQUENCED;
    PlayerSprite.width = 24;
    PlayerSprite.height = 32;
    PlayerSprite.frame_count = 12;
    PlayerSprite.frame_delay = 2;
    PlayerSprite.sequences[0] = walk_right;
    PlayerSprite.sequences[1] = walk_left;
    place(20, 400);

    BlockSprite = Sprite{};
    BlockSprite.attributes = SPRITE_SHOWN | SPRITE_SEQUENCED;
    BlockSprite.width = 32;
    BlockSprite.height = 32;
    BlockSprite.frame_count = 4;
    BlockSprite.frame_delay = 3;
    BlockSprite.sequences[0] = block_shine;
    BlockSprite.x = BLOCK_X;
    BlockSprite.y = BLOCK_Y;

    PlayerVelocityX = 0;
    PlayerVelocityY = 0;
    JumpRising = 0;
}

void MotionWorld::TearDown() {
    back_buffer = nullptr;
    back_pitch = 0;
    // The sequences are this file's arrays, not the sprites' own.
    PlayerSprite = Sprite{};
    BlockSprite = Sprite{};
}

void MotionWorld::ground(int x1, int y1, int x2, int y2) {
    for (int y = std::max(y1, 0); y <= std::min(y2, 479); ++y)
        for (int x = std::max(x1, 0); x <= std::min(x2, 639); ++x)
            screen[y * WORLD_PITCH + x] = GROUND_COLOUR;
}

void MotionWorld::place(float x, float y) {
    PlayerSprite.x = x;
    PlayerSprite.y = y;
}

void MotionWorld::hold(int virtual_key) {
    headless_script_key(headless_clock(), virtual_key, 1);
    pump();
}

void MotionWorld::release(int virtual_key) {
    headless_script_key(headless_clock(), virtual_key, 0);
    pump();
}

void MotionWorld::frame() {
    apply_vertical_velocity();
    rise_out_of_ground();
    update_player();
    BlockSprite.x = BLOCK_X;
    BlockSprite.y = BLOCK_Y;
}

void MotionWorld::frames(int count) {
    for (int i = 0; i < count; ++i)
        frame();
}

std::vector<int> MotionWorld::x_steps(int count) {
    std::vector<int> steps;
    for (int i = 0; i < count; ++i) {
        const float before = PlayerSprite.x;
        frame();
        steps.push_back(static_cast<int>(PlayerSprite.x - before));
    }
    return steps;
}

std::vector<int> MotionWorld::rises(int count) {
    std::vector<int> steps;
    for (int i = 0; i < count; ++i) {
        const float before = PlayerSprite.y;
        frame();
        steps.push_back(static_cast<int>(before - PlayerSprite.y));
    }
    return steps;
}
