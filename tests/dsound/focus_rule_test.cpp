// DirectSound's focus rule: without the window's focus only buffers made with
// DSBCAPS_GLOBALFOCUS are heard; the others play on in silence and are heard again, in
// their place, when the focus comes back.
#include "platform/dsound.h"
#include "platform/dsound/dsound_state.h"
#include "platform/host/headless/headless_audio.h"
#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"
#include "platform/host/screen.h"

#include "support/sound_buffers.h"

#include <gtest/gtest.h>

namespace {

HWND const WINDOW = reinterpret_cast<HWND>(1);

// Frame i holds seed + i.
std::int16_t counting(DWORD frame, int seed) {
    return static_cast<std::int16_t>(seed + static_cast<int>(frame));
}

LPDIRECTSOUNDBUFFER counting_buffer(LPDIRECTSOUND8 device, DWORD flags, int base) {
    return make_mono16_buffer(device, 44100, 2000, flags, counting, base);
}

void advance_to(DWORD ms) {
    headless_set_clock(ms);
    video_read_clock();
}

} // namespace

TEST(FocusRule, OnlyGlobalFocusBuffersAreHeardWithoutTheFocus) {
    platform_reset();
    ASSERT_EQ(headless_audio_keep(44100), 1);
    LPDIRECTSOUND8 device = nullptr;
    ASSERT_EQ(DirectSoundCreate8(nullptr, &device, nullptr), DS_OK);
    ASSERT_EQ(device->SetCooperativeLevel(WINDOW, DSSCL_PRIORITY), DS_OK);
    LPDIRECTSOUNDBUFFER global = counting_buffer(device, DSBCAPS_GLOBALFOCUS, 10000);
    LPDIRECTSOUNDBUFFER own = counting_buffer(device, 0, 100);
    ASSERT_NE(global, nullptr);
    ASSERT_NE(own, nullptr);
    const DWORD start = headless_audio_start_ms();
    global->Play(0, 0, DSBPLAY_LOOPING);
    own->Play(0, 0, DSBPLAY_LOOPING);
    advance_to(start + 200);
    dsound_set_focus(0);
    advance_to(start + 500);
    dsound_set_focus(1);
    advance_to(start + 800);

    int frames = 0;
    const std::int16_t* s = headless_audio_samples(&frames);
    ASSERT_EQ(frames, 44100 * 8 / 10);
    int wrong = 0;
    for (int f = 0; f < frames; ++f) {
        const int at = f % 2000;
        const bool focused = f < 8820 || f >= 22050;
        const int want = 10000 + at + (focused ? 100 + at : 0);
        if (s[2 * f] != want || s[2 * f + 1] != want) ++wrong;
    }
    EXPECT_EQ(wrong, 0);
    global->Release();
    own->Release();
    device->Release();
}
