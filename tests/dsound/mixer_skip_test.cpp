// Moving a voice on in silence (a device away, a window without the focus) must leave it
// exactly where mixing the same frames would have: same position, same end of a sound played
// once, same wrap of a loop.
#include "platform/dsound/dsound_mixer.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

TEST(MixerSkip, SkippingLandsWhereMixingWouldForAnyRateLengthAndLoop) {
    std::mt19937 random(31);
    std::vector<std::uint8_t> data(8000, 0x40);
    std::vector<std::int32_t> sum(2 * 6000);
    for (int trial = 0; trial < 500; ++trial) {
        MixVoice voice{};
        voice.data = data.data();
        voice.bits = 8;
        voice.channels = 1;
        voice.frames = 1 + random() % 4000;
        voice.step = mix_step(100 + random() % 199900, 44100);
        voice.position = (static_cast<std::uint64_t>(random() % voice.frames) << 32) | random();
        voice.looping = static_cast<int>(random() % 2);
        voice.playing = 1;
        voice.left_gain = voice.right_gain = MIX_UNITY_GAIN;
        MixVoice skipped = voice;
        const int frames = static_cast<int>(random() % 6000);
        mix_voice_add(&voice, sum.data(), frames);
        mix_voice_skip(&skipped, static_cast<std::uint64_t>(frames));
        ASSERT_EQ(skipped.playing, voice.playing) << "trial " << trial;
        ASSERT_EQ(skipped.position, voice.position) << "trial " << trial;
    }
    // An hour away at the highest rate neither overflows nor stops a loop.
    MixVoice loop{};
    loop.data = data.data();
    loop.bits = 8;
    loop.channels = 1;
    loop.frames = 4000;
    loop.step = mix_step(200000, 44100);
    loop.looping = 1;
    loop.playing = 1;
    mix_voice_skip(&loop, 44100ull * 3600);
    const std::uint64_t expected = (loop.step * 44100ull * 3600) % (4000ull << 32);
    EXPECT_EQ(loop.playing, 1);
    EXPECT_EQ(loop.position, expected);
}
