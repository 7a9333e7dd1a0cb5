// The program's thread changing sounds while SDL's audio thread mixes them: SDL's dummy
// driver pulls the stream on a thread of its own, as a real device does, while buffers and the
// device are made, played, stopped, changed and let go. Run under ThreadSanitizer these show
// any unguarded state shared with the mixer.
#include "engine/sound/sound.h"
#include "formats/wave_format.h"
#include "platform/dsound.h"
#include "platform/dsound/audio_output.h"
#include "platform/dsound/dsound_state.h"
#include "platform/host/audio/sdl_audio.h"
#include "platform/platform_reset.h"

#include "support/sound_buffers.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

namespace {

HWND const WINDOW = reinterpret_cast<HWND>(1);

struct OnSdlDummyDriver {
    OnSdlDummyDriver() {
        platform_reset();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        audio_use_output(sdl_audio_output());
    }
    ~OnSdlDummyDriver() { audio_use_output(nullptr); }
};

std::int16_t filled(DWORD, int seed) {
    return static_cast<std::int16_t>(seed * 17 * 257 + 1);
}

LPDIRECTSOUNDBUFFER make_buffer(LPDIRECTSOUND8 device, DWORD rate, DWORD frames, int seed) {
    return make_mono16_buffer(device, rate, frames,
                              DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLPAN | DSBCAPS_CTRLFREQUENCY, filled,
                              seed);
}

// Waits up to two seconds of real time for a buffer played once to end by itself, which
// only the audio thread's mixing can make happen.
bool ends_by_itself(LPDIRECTSOUNDBUFFER buffer) {
    for (int waited = 0; waited < 2000; waited += 5) {
        DWORD status = DSBSTATUS_PLAYING;
        buffer->GetStatus(&status);
        if (!(status & DSBSTATUS_PLAYING)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

} // namespace

TEST(AudioThread, BuffersAndTheDeviceChangeWhileSdlMixes) {
    OnSdlDummyDriver sdl;
    for (int round = 0; round < 3; ++round) {
        LPDIRECTSOUND8 device = nullptr;
        ASSERT_EQ(DirectSoundCreate8(nullptr, &device, nullptr), DS_OK);
        ASSERT_EQ(device->SetCooperativeLevel(WINDOW, DSSCL_PRIORITY), DS_OK);
        std::vector<LPDIRECTSOUNDBUFFER> buffers;
        for (int i = 0; i < 6; ++i)
            buffers.push_back(make_buffer(device, 22050, 2205, i));
        for (LPDIRECTSOUNDBUFFER b : buffers)
            ASSERT_NE(b, nullptr);
        // The primary buffer's volume and pan shape the mix the thread is making.
        DSBUFFERDESC primary_desc{};
        primary_desc.dwSize = sizeof primary_desc;
        primary_desc.dwFlags = DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLPAN;
        LPDIRECTSOUNDBUFFER primary = nullptr;
        ASSERT_EQ(device->CreateSoundBuffer(&primary_desc, &primary, nullptr), DS_OK);
        for (int step = 0; step < 300; ++step) {
            LPDIRECTSOUNDBUFFER b = buffers[step % buffers.size()];
            switch (step % 7) {
            case 0:
                b->Play(0, 0, step % 2 ? DSBPLAY_LOOPING : 0);
                break;
            case 1:
                b->SetVolume(-(step * 13 % 3000));
                primary->SetVolume(-(step * 7 % 1000));
                break;
            case 2:
                b->SetPan(step * 31 % 2000 - 1000);
                primary->SetPan(step * 11 % 2000 - 1000);
                break;
            case 3:
                b->SetFrequency(11025 + step * 97 % 30000);
                break;
            case 4:
                b->SetCurrentPosition(step * 2 % 4410);
                break;
            case 5:
                b->Stop();
                break;
            default: {
                // One buffer is let go and another made while the mixer walks the list: every
                // other time a duplicate of a neighbour, whose samples outlive whichever of the
                // two goes first.
                b->Release();
                b = nullptr;
                if (step % 2)
                    device->DuplicateSoundBuffer(buffers[(step + 1) % buffers.size()], &b);
                else
                    b = make_buffer(device, 44100, 1000 + step, step);
                ASSERT_NE(b, nullptr);
                buffers[step % buffers.size()] = b;
                b->Play(0, 0, DSBPLAY_LOOPING);
            }
            }
            DWORD play = 0;
            DWORD write = 0;
            b->GetCurrentPosition(&play, &write);
            primary->GetStatus(&play);
            if (step % 50 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(3));
        }
        // A tenth of a second played once must end within a couple of the thread's blocks.
        LPDIRECTSOUNDBUFFER once = buffers[0];
        once->SetFrequency(22050);
        once->SetCurrentPosition(0);
        ASSERT_EQ(once->Play(0, 0, 0), DS_OK);
        EXPECT_TRUE(ends_by_itself(once)) << "round " << round;
        // Half the rounds let the device go while its buffers still play.
        if (round % 2 == 1) {
            EXPECT_EQ(device->Release(), 0u);
            for (LPDIRECTSOUNDBUFFER b : buffers)
                b->Release();
            primary->Release();
        } else {
            primary->Release();
            for (LPDIRECTSOUNDBUFFER b : buffers)
                b->Release();
            EXPECT_EQ(device->Release(), 0u);
        }
        EXPECT_EQ(dsound_objects_alive(), 0);
    }
}

TEST(AudioThread, TheSoundModuleOnARealAudioThread) {
    OnSdlDummyDriver sdl;
    std::vector<std::uint8_t> samples(8820);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::uint8_t>(i * 7);
    const std::vector<std::uint8_t> file =
        wave_encode(1, 16, 44100, samples.data(), static_cast<std::uint32_t>(samples.size()));
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(sound_init(WINDOW), 1);
        WaveData wave{};
        ASSERT_EQ(read_wave_memory(&wave, file.data(), file.size()), 1);
        Sound sound{};
        ASSERT_EQ(sound_create(&sound, &wave, SOUND_MAX_COPIES), 1);
        release_wave(&wave);
        for (int i = 0; i < 200; ++i) {
            EXPECT_EQ(sound_play(&sound, i % 5 == 0), 1);
            sound_set_volume(&sound, -(i * 37 % 2000));
            sound_set_pan(&sound, i * 53 % 2000 - 1000);
            if (i % 9 == 0) sound_stop(&sound);
            // However often it is started, no more copies than the cap ever play.
            EXPECT_LE(dsound_voices_playing(), SOUND_MAX_COPIES);
            if (i % 40 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        EXPECT_EQ(sound_playing(&sound), 1);
        // The last round shuts the device down with the sound still made, as a program may.
        if (round == 0) {
            sound_destroy(&sound);
            sound_shutdown();
        } else {
            sound_shutdown();
            EXPECT_EQ(sound_play(&sound, 0), 0) << "a buffer whose device is gone refuses to play";
            sound_destroy(&sound);
        }
        EXPECT_EQ(dsound_objects_alive(), 0);
    }
}

// SDL's own device events, queued as SDL queues them: the dummy device is closed on removal,
// while its thread was mixing, and another is opened when one is added.
TEST(AudioThread, SdlDeviceEventsCloseAndReopenTheOutput) {
    OnSdlDummyDriver sdl;
    LPDIRECTSOUND8 device = nullptr;
    ASSERT_EQ(DirectSoundCreate8(nullptr, &device, nullptr), DS_OK);
    ASSERT_EQ(device->SetCooperativeLevel(WINDOW, DSSCL_PRIORITY), DS_OK);
    LPDIRECTSOUNDBUFFER loop = make_buffer(device, 44100, 4410, 1);
    ASSERT_NE(loop, nullptr);
    ASSERT_EQ(loop->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));

    // The first device SDL opens after its legacy one has the id 2.
    SDL_Event removed{};
    removed.type = SDL_AUDIODEVICEREMOVED;
    removed.adevice.which = 2;
    testing::internal::CaptureStderr();
    SDL_PushEvent(&removed);
    dsound_service();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Sound: the audio device went away; playing silently.\n");
    EXPECT_EQ(SDL_GetAudioDeviceStatus(2), SDL_AUDIO_STOPPED);

    SDL_Event added{};
    added.type = SDL_AUDIODEVICEADDED;
    SDL_PushEvent(&added);
    dsound_service();
    EXPECT_EQ(SDL_GetAudioDeviceStatus(2), SDL_AUDIO_PLAYING);
    // Mixing again: a sound played once ends by itself.
    LPDIRECTSOUNDBUFFER once = make_buffer(device, 44100, 2205, 2);
    ASSERT_EQ(once->Play(0, 0, 0), DS_OK);
    EXPECT_TRUE(ends_by_itself(once));
    once->Release();
    loop->Release();
    device->Release();
    EXPECT_EQ(dsound_objects_alive(), 0);
}
