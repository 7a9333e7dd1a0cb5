// The audio device going away and coming back in the middle of play: on the recorder, and on
// the SDL output with a scripted device whose own thread pulls the stream. The game goes on in
// silence, the player is told once, and what should still be playing goes on in its place.
#include "platform/dsound.h"
#include "platform/dsound/audio_output.h"
#include "platform/dsound/dsound_state.h"
#include "platform/host/audio/headless_audio.h"
#include "platform/host/audio/sdl_audio.h"
#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"
#include "platform/host/screen.h"
#include "platform/win32.h"

#include "support/sound_buffers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace {

HWND const WINDOW = reinterpret_cast<HWND>(1);
const std::string LOST_LINE = "Sound: the audio device went away; playing silently.\n";

// A 16-bit mono buffer at the stream's rate whose every frame has its own value.
std::int16_t ramp(DWORD frame, int = 0) {
    return static_cast<std::int16_t>(frame * 7 % 30000 + 1);
}

LPDIRECTSOUNDBUFFER ramp_buffer(LPDIRECTSOUND8 device, DWORD frames) {
    return make_mono16_buffer(device, 44100, frames, 0, ramp, 0);
}

void advance_to(DWORD ms) {
    headless_set_clock(ms);
    video_read_clock();
}

// A device of the test's own: its thread pulls the stream while the gate is open.
struct ScriptedDevice {
    std::atomic<bool> running{false};
    std::atomic<bool> gate{true};
    std::atomic<int> pulls{0};
    std::atomic<std::uint32_t> ticks{0};
    std::thread thread;
    int opened = 0;
    int id = 40;
};
ScriptedDevice* Scripted = nullptr;

int scripted_open(int, void (*pull)(void*, std::uint8_t*, int), char*, int) {
    ScriptedDevice& d = *Scripted;
    d.running = true;
    d.thread = std::thread([pull, &d] {
        std::uint8_t block[1024 * 4];
        while (d.running) {
            if (d.gate) {
                pull(nullptr, block, sizeof block);
                ++d.pulls;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    ++d.opened;
    return ++d.id;
}

void scripted_close(int device) {
    ScriptedDevice& d = *Scripted;
    EXPECT_EQ(device, d.id);
    d.running = false;
    d.thread.join();
    --d.opened;
}

std::uint32_t scripted_ticks() {
    return Scripted->ticks;
}

const SdlAudioCalls SCRIPTED_CALLS = {scripted_open, scripted_close, scripted_ticks};

void wait_for_pulls(const ScriptedDevice& d, int more) {
    const int target = d.pulls + more;
    for (int i = 0; i < 4000 && d.pulls < target; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_GE(d.pulls, target);
}

DWORD frame_at(LPDIRECTSOUNDBUFFER buffer) {
    DWORD play = 0;
    EXPECT_EQ(buffer->GetCurrentPosition(&play, nullptr), DS_OK);
    return play / 2;
}

void pump() {
    MSG msg{};
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
}

} // namespace

TEST(DeviceChange, TheRecorderHearsSilenceWhileAwayThenTheTuneInItsPlace) {
    platform_reset();
    ASSERT_EQ(headless_audio_keep(44100 * 3), 1);
    LPDIRECTSOUND8 device = nullptr;
    ASSERT_EQ(DirectSoundCreate8(nullptr, &device, nullptr), DS_OK);
    ASSERT_EQ(device->SetCooperativeLevel(WINDOW, DSSCL_PRIORITY), DS_OK);
    const DWORD start = headless_audio_start_ms();
    LPDIRECTSOUNDBUFFER tune = ramp_buffer(device, 4410);
    ASSERT_NE(tune, nullptr);
    advance_to(start + 100);
    ASSERT_EQ(tune->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    advance_to(start + 600);
    testing::internal::CaptureStderr();
    headless_audio_unplug();
    advance_to(start + 900);
    headless_audio_unplug(); // told once, however often it is said
    advance_to(start + 1600);
    headless_audio_plug();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), LOST_LINE);
    advance_to(start + 2500);
    DWORD status = 0;
    tune->GetStatus(&status);
    EXPECT_EQ(status, static_cast<DWORD>(DSBSTATUS_PLAYING | DSBSTATUS_LOOPING));

    int frames = 0;
    const std::int16_t* s = headless_audio_samples(&frames);
    ASSERT_EQ(frames, 44100 * 25 / 10);
    const int played_from = 4410, away_from = 26460, back_from = 70560;
    int wrong = 0;
    for (int f = 0; f < frames; ++f) {
        std::int16_t want = 0;
        if (f >= played_from && (f < away_from || f >= back_from))
            want = ramp(static_cast<DWORD>(f - played_from) % 4410);
        if (s[2 * f] != want || s[2 * f + 1] != want) ++wrong;
    }
    EXPECT_EQ(wrong, 0);
    tune->Release();
    device->Release();
    EXPECT_EQ(dsound_objects_alive(), 0);
}

TEST(DeviceChange, TheSdlOutputClosesOnRemovalAndReopensWhereTheSoundsWouldBe) {
    platform_reset();
    ScriptedDevice scripted;
    Scripted = &scripted;
    sdl_audio_use_calls(&SCRIPTED_CALLS);
    audio_use_output(sdl_audio_output());

    LPDIRECTSOUND8 device = nullptr;
    ASSERT_EQ(DirectSoundCreate8(nullptr, &device, nullptr), DS_OK);
    ASSERT_EQ(device->SetCooperativeLevel(WINDOW, DSSCL_PRIORITY), DS_OK);
    LPDIRECTSOUNDBUFFER tune = ramp_buffer(device, 44100);
    LPDIRECTSOUNDBUFFER effect = ramp_buffer(device, 44100);
    ASSERT_NE(tune, nullptr);
    ASSERT_NE(effect, nullptr);
    ASSERT_EQ(tune->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    ASSERT_EQ(effect->Play(0, 0, 0), DS_OK);
    wait_for_pulls(scripted, 3);

    // Another device going away changes nothing.
    sdl_audio_device_removed(scripted.id + 100);
    pump();
    EXPECT_EQ(scripted.opened, 1);

    scripted.ticks = 5000;
    testing::internal::CaptureStderr();
    sdl_audio_device_removed(scripted.id);
    pump();
    pump();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), LOST_LINE);
    EXPECT_EQ(scripted.opened, 0);
    const DWORD away_at = frame_at(tune);
    DWORD status = 0;
    effect->GetStatus(&status);
    ASSERT_EQ(status, static_cast<DWORD>(DSBSTATUS_PLAYING)) << "the effect still plays";
    // While away the game goes on with its sounds, and nothing moves them.
    EXPECT_EQ(tune->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(frame_at(tune), away_at);

    // A device comes back 1.2 s later: the tune is 1.2 s on, the effect has ended.
    scripted.gate = false;
    scripted.ticks = 6200;
    sdl_audio_device_added();
    pump();
    EXPECT_EQ(scripted.opened, 1);
    EXPECT_EQ(frame_at(tune), (away_at + 52920) % 44100);
    effect->GetStatus(&status);
    EXPECT_EQ(status, 0u);
    tune->GetStatus(&status);
    EXPECT_EQ(status, static_cast<DWORD>(DSBSTATUS_PLAYING | DSBSTATUS_LOOPING));
    // And the loop goes on as the new device's thread pulls.
    scripted.gate = true;
    wait_for_pulls(scripted, 3);
    EXPECT_NE(frame_at(tune), (away_at + 52920) % 44100);

    tune->Release();
    effect->Release();
    device->Release();
    EXPECT_EQ(scripted.opened, 0);
    EXPECT_EQ(dsound_objects_alive(), 0);
    sdl_audio_use_calls(nullptr);
    audio_use_output(nullptr);
    Scripted = nullptr;
}
