// Shared set-up of the sprite tests: a fresh headless platform with a DirectDraw object in the
// display context; the pixels of surfaces are read and written through the shared support.
#pragma once

#include "engine/display/display_context.h"
#include "engine/image/sprite.h"
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/platform_reset.h"
#include "support/surface_pixels.h"

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
