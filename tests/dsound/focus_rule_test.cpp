// DirectSound's focus rule: without the window's focus only buffers made with
// DSBCAPS_GLOBALFOCUS are heard; the others play on in silence and are heard again, in
// their place, when the focus comes back.
#include "platform/dsound.h"
#include "platform/dsound/dsound_state.h"
#include "platform/host/audio/headless_audio.h"

#include "support/sound_buffers.h"
#include "support/sound_device.h"

#include <gtest/gtest.h>

namespace {

// Frame i holds seed + i.
std::int16_t counting(DWORD frame, int seed) {
    return static_cast<std::int16_t>(seed + static_cast<int>(frame));
}

} // namespace

using FocusRule = SoundDeviceTest;

TEST_F(FocusRule, OnlyGlobalFocusBuffersAreHeardWithoutTheFocus) {
    ASSERT_EQ(ds->SetCooperativeLevel(WINDOW, DSSCL_PRIORITY), DS_OK);
    LPDIRECTSOUNDBUFFER global =
        hold(make_mono16_buffer(ds, 44100, 2000, DSBCAPS_GLOBALFOCUS, counting, 10000));
    LPDIRECTSOUNDBUFFER own = hold(make_mono16_buffer(ds, 44100, 2000, 0, counting, 100));
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
}

// What a backend that rests while nothing would be heard asks: whether any playing buffer is
// heard now, and to move what plays on in silence on by the time it rested.
TEST_F(FocusRule, HeardFollowsFocusAndSkipMovesPlayingBuffersOn) {
    ASSERT_EQ(ds->SetCooperativeLevel(WINDOW, DSSCL_PRIORITY), DS_OK);
    LPDIRECTSOUNDBUFFER own = hold(make_mono16_buffer(ds, 44100, 2000, 0, counting, 0));
    LPDIRECTSOUNDBUFFER global =
        hold(make_mono16_buffer(ds, 44100, 2000, DSBCAPS_GLOBALFOCUS, counting, 0));
    ASSERT_NE(own, nullptr);
    ASSERT_NE(global, nullptr);
    EXPECT_EQ(audio_output_heard(), 0); // nothing plays
    own->Play(0, 0, DSBPLAY_LOOPING);
    EXPECT_EQ(audio_output_heard(), 1);
    dsound_set_focus(0);
    EXPECT_EQ(audio_output_heard(), 0);
    global->Play(0, 0, 0);
    EXPECT_EQ(audio_output_heard(), 1);
    global->Stop();

    DWORD before = 0, after = 0;
    ASSERT_EQ(own->GetCurrentPosition(&before, nullptr), DS_OK);
    audio_output_skip(1500 + 2000); // past the end of the loop and round again
    ASSERT_EQ(own->GetCurrentPosition(&after, nullptr), DS_OK);
    EXPECT_EQ(after, (before + 1500 * 2) % 4000);
    dsound_set_focus(1);
}
