// The synthesiser's voices and the sound files the tool writes: pitch and level as asked,
// every file readable, audible and with room left below full scale, the tune seamless.
#include "art/tool/sound_synth.h"
#include "engine/sound/wave_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

int sign_changes(const std::vector<std::int16_t>& s) {
    int changes = 0;
    for (std::size_t i = 1; i < s.size(); ++i)
        if ((s[i - 1] < 0) != (s[i] < 0)) ++changes;
    return changes;
}

int peak(const std::int16_t* s, std::size_t n) {
    int p = 0;
    for (std::size_t i = 0; i < n; ++i)
        p = std::max(p, std::abs(static_cast<int>(s[i])));
    return p;
}

} // namespace

TEST(SoundSynth, VoicesHaveThePitchAndLevelAsked) {
    for (Voice voice : {Voice::Square, Voice::Triangle}) {
        const auto s = render_notes({{voice, 0, 1, 441, 441, 0.5, 0, 0, 0}}, 1, 22050);
        ASSERT_EQ(s.size(), 22050u);
        EXPECT_NEAR(sign_changes(s), 882, 3);
        EXPECT_NEAR(peak(s.data(), s.size()), 16384, 200);
    }
    // A glide doubles the rate of crossings from start to end; the release ends in silence.
    const auto glide = render_notes({{Voice::Square, 0, 1, 200, 400, 0.5, 0, 0, 0.1}}, 1, 22050);
    EXPECT_NEAR(sign_changes(glide), 600, 4);
    EXPECT_LT(std::abs(glide.back()), 200);
    // Noise is the same on every run, and it halves after each half-life.
    const Note hiss = {Voice::Noise, 0, 0.4, 4000, 4000, 0.5, 0, 0.1, 0};
    const auto a = render_notes({hiss}, 0.4, 22050);
    EXPECT_EQ(a, render_notes({hiss}, 0.4, 22050));
    EXPECT_NEAR(peak(a.data() + 2205, 100) * 2.0, peak(a.data(), 100), 400.0);
    EXPECT_GT(sign_changes(a), 400);
}

TEST(SoundFiles, EveryFileIsAudibleWithHeadroomAndTheTuneLoopsSeamlessly) {
    const struct {
        const char* name;
        double min_seconds, max_seconds;
    } files[] = {{"menumove.wav", 0.02, 0.2}, {"menuchoose.wav", 0.05, 0.3},
                 {"jump.wav", 0.05, 0.4},     {"bump.wav", 0.05, 0.3},
                 {"land.wav", 0.03, 0.3},     {"tune.wav", 4, 12}};
    for (const auto& f : files) {
        WaveData wave{};
        ASSERT_EQ(read_wave_file(&wave, f.name), 1) << f.name;
        EXPECT_EQ(wave.channels, 1);
        EXPECT_EQ(wave.bits, 16);
        const std::size_t n = wave.bytes / 2;
        const double seconds = static_cast<double>(n) / wave.rate;
        EXPECT_GE(seconds, f.min_seconds) << f.name;
        EXPECT_LE(seconds, f.max_seconds) << f.name;
        std::vector<std::int16_t> s(n);
        for (std::size_t i = 0; i < n; ++i)
            s[i] = static_cast<std::int16_t>(wave.samples[2 * i] | (wave.samples[2 * i + 1] << 8));
        const int loudest = peak(s.data(), n);
        EXPECT_GT(loudest, 3000) << f.name;
        EXPECT_LT(loudest, 20000) << f.name << " leaves no room to sound with the others";
        // Each ends faded out, so stopping or looping makes no click.
        EXPECT_LT(std::abs(s.back()), 400) << f.name;
        EXPECT_LT(std::abs(s.front()), 400) << f.name;
        release_wave(&wave);
    }
}
