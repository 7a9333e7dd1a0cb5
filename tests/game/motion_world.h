// The motion tests' world: a synthetic background as the locked back buffer, hand-made
// sprites, keys through the headless platform, the physics steps in the frame's order.
#pragma once

#include "engine/engine.h"
#include "game/player.h"
#include "game/player_state.h"
#include "game/setup.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

// Wider than a row, so a scan that ignores the pitch reads the wrong pixels.
constexpr int WORLD_PITCH = 704;

struct MotionWorld : ::testing::Test {
    std::vector<std::uint8_t> screen = std::vector<std::uint8_t>(WORLD_PITCH * 480, 0);

    void SetUp() override;
    void TearDown() override;

    // Ground colour into columns x1..x2 and rows y1..y2, inclusive.
    void ground(int x1, int y1, int x2, int y2);
    // Flat ground whose top row is `top`, across the whole width.
    void floor_at(int top) { ground(0, top, 639, 479); }
    void place(float x, float y);
    void hold(int virtual_key);
    void release(int virtual_key);
    // One played frame's physics: vertical move, lift, update, block placed.
    void frame();
    void frames(int count);
    // Horizontal moves of the next `count` frames.
    std::vector<int> x_steps(int count);
    // Upward moves of the next `count` frames (positive up).
    std::vector<int> rises(int count);
};
