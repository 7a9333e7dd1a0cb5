// The sound module on the recorder: copies sounding over each other, volume and pan through
// to the stream, stop and shutdown, and every call a harmless 0 without a device.
#include "engine/sound/sound.h"
#include "formats/wave_format.h"
#include "platform/dsound/dsound_state.h"
#include "platform/host/audio/headless_audio.h"
#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"
#include "platform/host/screen.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

HWND const WINDOW = reinterpret_cast<HWND>(1);

// A tenth of a second of a 16-bit mono constant at the stream's own rate.
WaveData constant_wave(std::int16_t value) {
    std::vector<std::uint8_t> samples(4410 * 2);
    for (std::size_t i = 0; i < samples.size(); i += 2) {
        samples[i] = static_cast<std::uint8_t>(value & 0xFF);
        samples[i + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    }
    const std::vector<std::uint8_t> file =
        wave_encode(1, 16, 44100, samples.data(), static_cast<std::uint32_t>(samples.size()));
    WaveData wave{};
    EXPECT_EQ(read_wave_memory(&wave, file.data(), file.size()), 1);
    return wave;
}

void advance_to(DWORD ms) {
    headless_set_clock(ms);
    video_read_clock();
}

// The stream's frame at a clock time, well inside whatever started just before it.
std::pair<int, int> heard_at(DWORD ms) {
    int frames = 0;
    const std::int16_t* s = headless_audio_samples(&frames);
    const int f = static_cast<int>((ms - headless_audio_start_ms()) * 44.1);
    if (!s || f >= frames) return {-99999, -99999};
    return {s[2 * f], s[2 * f + 1]};
}

} // namespace

TEST(SoundModule, CopiesSoundTogetherAndVolumeAndPanReachTheStream) {
    platform_reset();
    ASSERT_EQ(headless_audio_keep(44100 * 3), 1);
    ASSERT_EQ(sound_init(WINDOW), 1);
    WaveData wave = constant_wave(1000);
    Sound sound{};
    ASSERT_EQ(sound_create(&sound, &wave, 2), 1);
    EXPECT_EQ(sound.count, 2);
    release_wave(&wave);

    const DWORD t0 = headless_audio_start_ms();
    advance_to(t0 + 100);
    ASSERT_EQ(sound_play(&sound, 0), 1);
    advance_to(t0 + 150);
    ASSERT_EQ(sound_play(&sound, 0), 1); // the second copy over the first
    EXPECT_EQ(sound_playing(&sound), 1);
    advance_to(t0 + 170);
    ASSERT_EQ(sound_play(&sound, 0), 1); // both busy: the older one starts over
    advance_to(t0 + 400);
    EXPECT_EQ(sound_playing(&sound), 0);

    ASSERT_EQ(sound_set_volume(&sound, -2000), 1); // a tenth of the amplitude
    ASSERT_EQ(sound_set_pan(&sound, DSBPAN_LEFT), 1);
    ASSERT_EQ(sound_play(&sound, 1), 1);
    advance_to(t0 + 800);
    EXPECT_EQ(sound_playing(&sound), 1) << "a looping sound goes on";
    ASSERT_EQ(sound_stop(&sound), 1);
    advance_to(t0 + 900);

    EXPECT_EQ(heard_at(t0 + 90), std::make_pair(0, 0));
    EXPECT_EQ(heard_at(t0 + 130), std::make_pair(1000, 1000));
    EXPECT_EQ(heard_at(t0 + 160), std::make_pair(2000, 2000));
    EXPECT_EQ(heard_at(t0 + 190), std::make_pair(2000, 2000)); // restarted at 170
    EXPECT_EQ(heard_at(t0 + 260), std::make_pair(1000, 1000)); // the 150 one ended at 250
    EXPECT_EQ(heard_at(t0 + 300), std::make_pair(0, 0));
    EXPECT_EQ(heard_at(t0 + 700), std::make_pair(100, 0));
    EXPECT_EQ(heard_at(t0 + 850), std::make_pair(0, 0));

    EXPECT_EQ(sound_destroy(&sound), 1);
    EXPECT_EQ(sound_play(&sound, 0), 0);
    EXPECT_EQ(sound_shutdown(), 1);
    EXPECT_EQ(sound_shutdown(), 0);
    EXPECT_EQ(dsound_objects_alive(), 0);
}

TEST(SoundModule, WithoutADeviceEveryCallIsAHarmlessZero) {
    platform_reset();
    headless_audio_fail_open("unplugged");
    testing::internal::CaptureStderr();
    EXPECT_EQ(sound_init(WINDOW), 0);
    testing::internal::GetCapturedStderr();
    WaveData wave = constant_wave(5);
    Sound sound{};
    EXPECT_EQ(sound_create(&sound, &wave, 1), 0);
    EXPECT_EQ(sound_load(&sound, "menumove.wav", 1), 0);
    EXPECT_EQ(sound_play(&sound, 0), 0);
    EXPECT_EQ(sound_stop(&sound), 0);
    EXPECT_EQ(sound_playing(&sound), 0);
    EXPECT_EQ(sound_set_volume(&sound, 0), 0);
    EXPECT_EQ(sound_destroy(&sound), 1);
    EXPECT_EQ(sound_shutdown(), 0);
    release_wave(&wave);

    // A device, but a sound of absurd copies or nothing to play is refused.
    ASSERT_EQ(sound_init(WINDOW), 1);
    EXPECT_EQ(sound_create(&sound, &wave, 1), 0) << "released samples";
    wave = constant_wave(5);
    EXPECT_EQ(sound_create(&sound, &wave, 0), 0);
    EXPECT_EQ(sound_create(&sound, &wave, SOUND_MAX_COPIES + 1), 0);
    EXPECT_EQ(sound_load(&sound, "no such file.wav", 1), 0);
    // Shut down with a sound still made: it falls silent and is still let go cleanly.
    ASSERT_EQ(sound_create(&sound, &wave, 1), 1);
    ASSERT_EQ(sound_play(&sound, 1), 1);
    EXPECT_EQ(sound_shutdown(), 1);
    EXPECT_EQ(sound_playing(&sound), 0);
    EXPECT_EQ(sound_destroy(&sound), 1);
    release_wave(&wave);
    EXPECT_EQ(dsound_objects_alive(), 0);
}
