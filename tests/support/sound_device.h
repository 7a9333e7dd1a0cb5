// A DirectSound device on the recorder for one test: the platform reset, four seconds of the
// stream kept, and at the end the test's buffers and the device let go and checked gone.
#pragma once

#include "platform/dsound.h"

#include <gtest/gtest.h>

#include <vector>

HWND const WINDOW = reinterpret_cast<HWND>(1);

struct SoundDeviceTest : testing::Test {
    LPDIRECTSOUND8 ds = nullptr; // a test that lets it go itself sets it null
    std::vector<LPDIRECTSOUNDBUFFER> held;

    void SetUp() override;
    void TearDown() override;
    // Lets `buffer` go (when not null) before the device at the end; returns it.
    LPDIRECTSOUNDBUFFER hold(LPDIRECTSOUNDBUFFER buffer);
    // Moves the virtual clock to `ms` and reads it, which mixes the stream up to then.
    static void advance_to(DWORD ms);
};
