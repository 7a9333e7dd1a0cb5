// The tests' DirectSound device on the recorder, and what it lets go at the end.
#include "support/sound_device.h"

#include "platform/dsound/dsound_state.h"
#include "platform/host/headless/headless.h"
#include "platform/host/audio/headless_audio.h"
#include "platform/host/screen.h"
#include "platform/platform_reset.h"

void SoundDeviceTest::SetUp() {
    platform_reset();
    ASSERT_EQ(headless_audio_keep(44100 * 4), 1);
    ASSERT_EQ(DirectSoundCreate8(nullptr, &ds, nullptr), DS_OK);
}

void SoundDeviceTest::TearDown() {
    for (LPDIRECTSOUNDBUFFER buffer : held)
        buffer->Release();
    if (ds) ds->Release();
    EXPECT_EQ(dsound_objects_alive(), 0);
}

LPDIRECTSOUNDBUFFER SoundDeviceTest::hold(LPDIRECTSOUNDBUFFER buffer) {
    if (buffer) held.push_back(buffer);
    return buffer;
}

void SoundDeviceTest::advance_to(DWORD ms) {
    headless_set_clock(ms);
    video_read_clock();
}
