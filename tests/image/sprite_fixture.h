// Shared set-up of the sprite tests: a fresh headless platform with a DirectDraw object in the
// display context, and helpers to write and read the pixels of a surface.
#pragma once

#include "engine/display/display_context.h"
#include "engine/image/sprite.h"
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/platform_reset.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

struct SpriteTest : ::testing::Test {
    Sprite sprite{};

    void SetUp() override {
        platform_reset();
        display_context_reset();
        ASSERT_EQ(DD_OK, DirectDrawCreateEx(nullptr, reinterpret_cast<void**>(&directdraw),
                                            IID_IDirectDraw7, nullptr));
        ASSERT_EQ(DD_OK, directdraw->SetCooperativeLevel(nullptr, DDSCL_NORMAL));
    }

    void TearDown() override {
        sprite_destroy(&sprite);
        if (directdraw != nullptr) directdraw->Release();
        directdraw = nullptr;
        EXPECT_EQ(0, ddraw_live_objects());
    }

    // Surfaces made from here on have this depth, as in the game's full-screen mode.
    void take_display(int bpp) {
        ASSERT_EQ(DD_OK,
                  directdraw->SetCooperativeLevel(nullptr, DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE));
        ASSERT_EQ(DD_OK, directdraw->SetDisplayMode(640, 480, bpp, 0, 0));
    }
};

// Packed rows of the surface's pixels (bytes), read through a lock.
std::vector<std::uint8_t> surface_bytes(IDirectDrawSurface7* surface);
// Writes packed rows of bytes into the surface through a lock.
void set_surface_bytes(IDirectDrawSurface7* surface, const std::vector<std::uint8_t>& bytes);
