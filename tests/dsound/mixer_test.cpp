// The mixer's properties over random buffers: exact at unity, the decibel curves within one
// step of 16 bits, looping and stopping at the exact frame, clipping without wrap-around.
#include "platform/dsound/dsound_mixer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace {

struct TestVoice {
    std::vector<std::uint8_t> bytes;
    MixVoice voice{};
};

TestVoice random_voice(std::mt19937& rng, int frames, int channels, int bits) {
    TestVoice t;
    t.bytes.resize(static_cast<std::size_t>(frames) * channels * bits / 8);
    for (std::uint8_t& b : t.bytes)
        b = static_cast<std::uint8_t>(rng());
    t.voice.data = t.bytes.data();
    t.voice.frames = static_cast<std::uint32_t>(frames);
    t.voice.channels = channels;
    t.voice.bits = bits;
    t.voice.step = mix_step(44100, 44100);
    t.voice.left_gain = t.voice.right_gain = MIX_UNITY_GAIN;
    t.voice.playing = 1;
    return t;
}

std::int32_t sample_of(const TestVoice& t, int frame, int channel) {
    const int c = t.voice.channels == 2 ? channel : 0;
    if (t.voice.bits == 8) return (t.bytes[frame * t.voice.channels + c] - 128) * 256;
    const std::size_t at = (static_cast<std::size_t>(frame) * t.voice.channels + c) * 2;
    return static_cast<std::int16_t>(t.bytes[at] | (t.bytes[at + 1] << 8));
}

// Mixes the voices over `frames` frames in chunks of random length, as a device would ask.
std::vector<std::int16_t> mix(std::mt19937& rng, std::vector<MixVoice*> voices, int frames) {
    std::vector<std::int16_t> out(static_cast<std::size_t>(frames) * 2);
    int done = 0;
    while (done < frames) {
        const int n = std::min(frames - done, 1 + static_cast<int>(rng() % 700));
        std::vector<std::int32_t> sum(static_cast<std::size_t>(n) * 2, 0);
        for (MixVoice* v : voices)
            mix_voice_add(v, sum.data(), n);
        mix_clip(sum.data(), out.data() + 2 * done, 2 * n);
        done += n;
    }
    return out;
}

const int FORMATS[][2] = {{1, 8}, {2, 8}, {1, 16}, {2, 16}};

} // namespace

TEST(Mixer, OneBufferAtUnityComesOutSampleExactThenStops) {
    std::mt19937 rng(1);
    for (const auto& format : FORMATS) {
        TestVoice t = random_voice(rng, 3000, format[0], format[1]);
        const auto out = mix(rng, {&t.voice}, 3500);
        for (int f = 0; f < 3000; ++f)
            for (int c = 0; c < 2; ++c)
                ASSERT_EQ(out[2 * f + c], sample_of(t, f, c)) << format[0] << "x" << format[1];
        for (int f = 3000; f < 3500; ++f)
            ASSERT_EQ(out[2 * f] | out[2 * f + 1], 0);
        EXPECT_EQ(t.voice.playing, 0);
        EXPECT_EQ(t.voice.position, 0u);
    }
}

TEST(Mixer, VolumeAndPanFollowTheDecibelCurvesWithinOneStep) {
    std::mt19937 rng(2);
    for (int trial = 0; trial < 200; ++trial) {
        const LONG volume = -static_cast<LONG>(rng() % 10001);
        const LONG pan = static_cast<LONG>(rng() % 20001) - 10000;
        TestVoice t = random_voice(rng, 400, 2, 16);
        mix_pan_gains(volume, pan, &t.voice.left_gain, &t.voice.right_gain);
        const auto out = mix(rng, {&t.voice}, 400);
        const double left_db = (volume - std::max<LONG>(pan, 0)) / 2000.0;
        const double right_db = (volume - std::max<LONG>(-pan, 0)) / 2000.0;
        for (int f = 0; f < 400; ++f) {
            const double l = sample_of(t, f, 0) * std::pow(10.0, left_db);
            const double r = sample_of(t, f, 1) * std::pow(10.0, right_db);
            ASSERT_LE(std::fabs(out[2 * f] - l), 1.0) << volume << " " << pan;
            ASSERT_LE(std::fabs(out[2 * f + 1] - r), 1.0) << volume << " " << pan;
        }
    }
    std::int32_t left = 1, right = 1;
    mix_pan_gains(-10000, 0, &left, &right);
    EXPECT_EQ(left | right, 0) << "the lowest volume is silence";
    mix_pan_gains(0, 10000, &left, &right);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(right, MIX_UNITY_GAIN);
}

TEST(Mixer, LoopingWrapsExactlyAtAnyChunking) {
    std::mt19937 rng(3);
    for (int frames : {1, 7, 1000}) {
        TestVoice t = random_voice(rng, frames, 1, 16);
        t.voice.looping = 1;
        t.voice.position = static_cast<std::uint64_t>(frames / 2) << 32;
        const auto out = mix(rng, {&t.voice}, 5000);
        for (int f = 0; f < 5000; ++f)
            ASSERT_EQ(out[2 * f], sample_of(t, (f + frames / 2) % frames, 0)) << frames;
        EXPECT_EQ(t.voice.playing, 1);
        EXPECT_EQ(t.voice.position >> 32, static_cast<std::uint64_t>((5000 + frames / 2) % frames));
    }
}

TEST(Mixer, ResamplingInterpolatesAndLastsAsLongAsTheRateSays) {
    std::mt19937 rng(4);
    for (DWORD rate : {8000u, 11025u, 22050u, 48000u}) {
        TestVoice t = random_voice(rng, 800, 1, 16);
        t.voice.step = mix_step(rate, 44100);
        TestVoice timed = t;
        timed.voice.data = timed.bytes.data();
        const auto out = mix(rng, {&t.voice}, 8000);
        // Output frame f sits at source position f * rate / 44100.
        const int expected = static_cast<int>(std::ceil(800.0 * 44100 / rate));
        int calls = 0;
        while (timed.voice.playing && calls < 100000) {
            std::int32_t sum[2] = {0, 0};
            mix_voice_add(&timed.voice, sum, 1);
            ++calls;
        }
        EXPECT_NEAR(calls - 1, expected, 1) << rate;
        for (int f = 0; f + 1 < expected && f < 4000; f += 37) {
            const double at = static_cast<double>(f) * rate / 44100;
            const int i = static_cast<int>(at);
            const double a = sample_of(t, i, 0);
            const double b = sample_of(t, std::min(i + 1, 799), 0);
            ASSERT_NEAR(out[2 * f], a + (b - a) * (at - i), 2.0) << rate << " frame " << f;
        }
    }
}

TEST(Mixer, ClippingSaturatesAndNeverWraps) {
    std::mt19937 rng(5);
    std::vector<TestVoice> voices;
    std::vector<MixVoice*> pointers;
    for (int i = 0; i < 16; ++i)
        voices.push_back(random_voice(rng, 2000, 2, 16));
    for (TestVoice& t : voices)
        pointers.push_back(&t.voice);
    const auto out = mix(rng, pointers, 2000);
    for (int s = 0; s < 4000; ++s) {
        std::int64_t exact = 0;
        for (const TestVoice& t : voices)
            exact += sample_of(t, s / 2, s % 2);
        ASSERT_EQ(out[s], std::clamp<std::int64_t>(exact, -32768, 32767)) << s;
    }
}
