// Shared set-up of the transition and surface-cell tests: a fresh headless platform and
// display context, with a DirectDraw object holding the display at 640 x 480 x 8.
#pragma once

#include "engine/engine.h"
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"

#include <gtest/gtest.h>

struct TransitionTest : ::testing::Test {
    void SetUp() override {
        platform_reset();
        display_context_reset();
        ASSERT_EQ(DD_OK, DirectDrawCreateEx(nullptr, reinterpret_cast<void**>(&directdraw),
                                            IID_IDirectDraw7, nullptr));
        ASSERT_EQ(DD_OK,
                  directdraw->SetCooperativeLevel(nullptr, DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE));
        ASSERT_EQ(DD_OK, directdraw->SetDisplayMode(640, 480, 8, 0, 0));
    }

    void TearDown() override {
        if (display_palette != nullptr) display_palette->Release();
        if (directdraw != nullptr) directdraw->Release();
        display_context_forget_objects();
        EXPECT_EQ(0, ddraw_live_objects());
    }

    // Virtual milliseconds that the call took on the headless clock.
    template <typename Call> DWORD elapsed(Call call) {
        const DWORD start = headless_clock();
        call();
        return headless_clock() - start;
    }
};
