// Which copy of a sound sound_play takes: a free one first, else the one started longest
// ago, so that a sound played again and again never cuts off the copy it has only just started.
#include "engine/sound/sound.h"
#include "formats/wave_format.h"
#include "platform/dsound/dsound_state.h"
#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"
#include "platform/host/screen.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

HWND const WINDOW = reinterpret_cast<HWND>(1);

void advance_to(DWORD ms) {
    headless_set_clock(ms);
    video_read_clock();
}

// Where each copy is, in frames; -1 for a copy that is not playing.
std::vector<long> copy_frames(const Sound& sound) {
    std::vector<long> at;
    for (int i = 0; i < sound.count; ++i) {
        DWORD status = 0;
        DWORD play = 0;
        sound.copies[i]->GetStatus(&status);
        sound.copies[i]->GetCurrentPosition(&play, nullptr);
        at.push_back(status & DSBSTATUS_PLAYING ? static_cast<long>(play / 2) : -1);
    }
    return at;
}

} // namespace

TEST(SoundCopies, AFreeCopyFirstThenTheOneStartedLongestAgo) {
    platform_reset();
    ASSERT_EQ(sound_init(WINDOW), 1);
    // Two seconds of 16-bit mono at the stream's rate: no copy ends during the script.
    std::vector<std::uint8_t> samples(44100 * 2 * 2, 1);
    const std::vector<std::uint8_t> file =
        wave_encode(1, 16, 44100, samples.data(), static_cast<std::uint32_t>(samples.size()));
    WaveData wave{};
    ASSERT_EQ(read_wave_memory(&wave, file.data(), file.size()), 1);
    Sound sound{};
    ASSERT_EQ(sound_create(&sound, &wave, 3), 1);
    release_wave(&wave);
    const DWORD start = video_last_ticks();

    // Each step: at this many ms, play (or stop the copy named), and the copy that must have
    // started over (it alone is at frame 0).
    struct Step {
        DWORD ms;
        int stop_copy; // -1: play
        int started;
    };
    const Step script[] = {
        {0, -1, 0},   {100, -1, 1}, {200, -1, 2}, // free copies, in order
        {300, -1, 0},                             // all busy: the oldest, copy 0
        {400, 2, -1},                             // copy 2 stopped: it is free again
        {500, -1, 2},                             // free beats oldest
        {600, -1, 1},                             // copy 1 (100 ms) is now the oldest
        {700, -1, 0},                             // then copy 0 (300 ms), not copy 2 (500)
        {800, -1, 2},
    };
    for (const Step& step : script) {
        advance_to(start + step.ms);
        if (step.stop_copy >= 0) {
            sound.copies[step.stop_copy]->Stop();
            continue;
        }
        ASSERT_EQ(sound_play(&sound, 0), 1);
        const std::vector<long> at = copy_frames(sound);
        for (int i = 0; i < sound.count; ++i) {
            if (i == step.started)
                EXPECT_EQ(at[i], 0) << "at " << step.ms << " ms copy " << i << " starts over";
            else
                EXPECT_NE(at[i], 0) << "at " << step.ms << " ms copy " << i << " goes on";
        }
        // However often it is played, the sound never has more voices than copies.
        EXPECT_LE(dsound_voices_playing(), sound.count);
    }
    sound_destroy(&sound);
    sound_shutdown();
    EXPECT_EQ(dsound_objects_alive(), 0);
}
