// Streamed music on the recorder: a looped tune runs on across its loop point without a gap
// or a click, a long run holds no more memory than a short one, Ogg Vorbis files play as
// music and as sounds, and a missing or damaged file plays nothing.
#include "engine/sound/music.h"
#include "engine/sound/sound.h"
#include "formats/file_bytes.h"
#include "formats/wave_format.h"
#include "platform/dsound/dsound_state.h"
#include "platform/host/headless/headless.h"
#include "platform/host/audio/headless_audio.h"
#include "platform/host/screen.h"
#include "platform/platform_reset.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer's own count: its allocator is not the C library's.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace {

HWND const WINDOW = reinterpret_cast<HWND>(1);
constexpr int RATE = 44100;
constexpr double AMPLITUDE = 8000;
constexpr int PERIOD = 100; // 441 Hz: the tune holds whole periods, so its end meets its start

std::size_t allocated_bytes() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

// A fifth of a second of a mono sine, as a WAVE file.
std::string write_tune(const std::string& folder) {
    std::vector<std::uint8_t> samples;
    for (int i = 0; i < 88 * PERIOD; ++i) {
        const auto s =
            static_cast<std::int16_t>(std::lround(AMPLITUDE * std::sin(2 * M_PI * i / PERIOD)));
        samples.push_back(static_cast<std::uint8_t>(s & 0xFF));
        samples.push_back(static_cast<std::uint8_t>((s >> 8) & 0xFF));
    }
    const std::string name = folder + "/tune.wav";
    EXPECT_TRUE(
        write_file_bytes(name.c_str(), wave_encode(1, 16, RATE, samples.data(),
                                                   static_cast<std::uint32_t>(samples.size()))));
    return name;
}

// A file that claims to be Ogg and is not.
std::string tune_garbage_name(const std::string& folder) {
    const std::string name = folder + "/garbage.ogg";
    const std::vector<std::uint8_t> bytes = {'O', 'g', 'g', 'S', 0, 2, 9, 9, 9, 9};
    EXPECT_TRUE(write_file_bytes(name.c_str(), bytes));
    return name;
}

// Plays on for `ms` of the virtual clock, refilling as a game's frames would.
void play_for(DWORD& now, DWORD ms) {
    for (const DWORD end = now + ms; now < end;) {
        now += 30;
        headless_set_clock(now);
        video_read_clock();
        music_update();
    }
}

} // namespace

TEST(Music, ALoopedTuneRunsOnWithoutAJumpAndALongRunHoldsNoMoreMemory) {
    platform_reset();
    const auto folder = make_temp_folder("music").string();
    const std::string tune = write_tune(folder);
    ASSERT_EQ(headless_audio_keep(RATE * 2), 1);
    ASSERT_EQ(sound_init(WINDOW), 1);
    DWORD now = headless_audio_start_ms();
    ASSERT_EQ(music_play(tune.c_str(), 1), 1);
    play_for(now, 2500); // the tune goes round twelve times
    const std::size_t early = allocated_bytes();
    play_for(now, 60000);
    EXPECT_LE(allocated_bytes(), early + 4096) << "a long run holds more memory";
    EXPECT_EQ(music_playing(), 1);

    int frames = 0;
    const std::int16_t* s = headless_audio_samples(&frames);
    ASSERT_GE(frames, RATE);
    int first = 0;
    while (first < frames && s[2 * first] == 0)
        ++first;
    // A sine of this pitch and height moves at most ~503 a sample; a gap or a seam jumps.
    const double step = AMPLITUDE * 2 * M_PI / PERIOD * 1.05;
    int jumps = 0, loud = 0;
    for (int f = first + 1; f < frames; ++f) {
        jumps += std::abs(s[2 * f] - s[2 * f - 2]) > step;
        loud += std::abs(s[2 * f]) > AMPLITUDE * 0.9;
    }
    EXPECT_LT(first, RATE / 10);
    EXPECT_EQ(jumps, 0);
    EXPECT_GT(loud, (frames - first) / 10) << "the tune is heard throughout";

    // The device going and coming back: the tune plays on through it.
    headless_audio_unplug();
    play_for(now, 500);
    headless_audio_plug();
    play_for(now, 500);
    EXPECT_EQ(music_playing(), 1);

    // Played once, it ends by itself.
    ASSERT_EQ(music_play(tune.c_str(), 0), 1);
    play_for(now, 1000);
    EXPECT_EQ(music_playing(), 0);
    EXPECT_EQ(music_stop(), 0);
    EXPECT_EQ(sound_shutdown(), 1);
    EXPECT_EQ(dsound_objects_alive(), 0);
}

TEST(Music, OggVorbisPlaysAsMusicAndAsASoundAndBadFilesPlayNothing) {
    platform_reset();
    const auto folder = make_temp_folder("ogg").string();
    const std::string wave = write_tune(folder);
    const std::string ogg = folder + "/tune.ogg";
    ASSERT_EQ(headless_audio_keep(RATE), 1);
    ASSERT_EQ(sound_init(WINDOW), 1);
    EXPECT_EQ(music_play((folder + "/absent.ogg").c_str(), 1), 0);
    EXPECT_EQ(music_play(tune_garbage_name(folder).c_str(), 1), 0);
    EXPECT_EQ(music_playing(), 0);
    if (std::system(("oggenc -Q -o " + ogg + " " + wave).c_str()) != 0) {
        sound_shutdown();
        GTEST_SKIP() << "no oggenc (vorbis-tools) to make an Ogg Vorbis file";
    }
    Sound sound{};
    ASSERT_EQ(sound_load(&sound, ogg.c_str(), 1), 1);
    EXPECT_EQ(sound_destroy(&sound), 1);
    WaveData decoded{};
    ASSERT_EQ(read_wave_file(&decoded, ogg.c_str()), 1);
    EXPECT_EQ(decoded.bits, 16);
    EXPECT_EQ(decoded.channels, 1);
    EXPECT_NEAR(decoded.bytes / 2.0, 88 * PERIOD, PERIOD);
    release_wave(&decoded);

    DWORD now = headless_audio_start_ms();
    ASSERT_EQ(music_play(ogg.c_str(), 1), 1);
    play_for(now, 900);
    int frames = 0;
    const std::int16_t* s = headless_audio_samples(&frames);
    int loud = 0;
    for (int f = 0; f < frames; ++f)
        loud += std::abs(s[2 * f]) > AMPLITUDE / 2;
    EXPECT_GT(loud, frames / 4);
    EXPECT_EQ(sound_shutdown(), 1);
    EXPECT_EQ(music_playing(), 0) << "the device's end stops the music";
    EXPECT_EQ(dsound_objects_alive(), 0);
}
