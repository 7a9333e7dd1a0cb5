// Our DirectSound on the recorder: the published result codes (volume and pan among them;
// what they sound like is the mixer's), the two-part lock of a ring, play once and looping
// against the virtual clock, and silence with one line when no output opens.
#include "platform/dsound.h"
#include "platform/dsound/dsound_state.h"
#include "platform/host/audio/headless_audio.h"
#include "platform/platform_reset.h"

#include "support/sound_buffers.h"
#include "support/sound_device.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// Works on IDirectSoundBuffer8, as a DirectX 8 program does.
struct DsoundTest : SoundDeviceTest {
    LPDIRECTSOUNDBUFFER8 make(WAVEFORMATEX format, DWORD bytes, DWORD flags) {
        LPDIRECTSOUNDBUFFER plain = nullptr;
        if (create_buffer(ds, flags, bytes, &format, &plain) != DS_OK) return nullptr;
        LPDIRECTSOUNDBUFFER8 buffer = nullptr;
        EXPECT_EQ(
            plain->QueryInterface(IID_IDirectSoundBuffer8, reinterpret_cast<LPVOID*>(&buffer)),
            DS_OK);
        plain->Release();
        return buffer;
    }
};

} // namespace

TEST_F(DsoundTest, CreationChecksItsArgumentsWithThePublishedCodes) {
    WAVEFORMATEX good = pcm_format(2, 16, 22050);
    DSBUFFERDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwBufferBytes = 4000;
    desc.lpwfxFormat = &good;
    LPDIRECTSOUNDBUFFER buffer = nullptr;
    EXPECT_EQ(ds->SetCooperativeLevel(nullptr, DSSCL_PRIORITY), DSERR_INVALIDPARAM);
    ASSERT_EQ(ds->SetCooperativeLevel(WINDOW, DSSCL_PRIORITY), DS_OK);

    struct Case {
        WAVEFORMATEX format;
        DWORD bytes;
        DWORD flags;
        HRESULT expected;
    };
    WAVEFORMATEX float_format = good;
    float_format.wFormatTag = 3;
    WAVEFORMATEX bad_align = good;
    bad_align.nBlockAlign = 3;
    const Case cases[] = {
        {good, 4000, 0, DS_OK},
        {pcm_format(1, 8, 8000), 4, DSBCAPS_CTRLVOLUME, DS_OK},
        {pcm_format(2, 16, 48000), 4, 0, DS_OK},
        {pcm_format(1, 8, 5000), 4, 0, DS_OK},
        {pcm_format(2, 16, 96000), 4, 0, DS_OK},
        {pcm_format(1, 8, DSBFREQUENCY_MIN), 4, 0, DS_OK},
        {pcm_format(2, 16, DSBFREQUENCY_MAX), 4, 0, DS_OK},
        {float_format, 4000, 0, DSERR_BADFORMAT},
        {pcm_format(3, 16, 22050), 6000, 0, DSERR_BADFORMAT},
        {pcm_format(1, 24, 22050), 3000, 0, DSERR_BADFORMAT},
        {pcm_format(1, 16, DSBFREQUENCY_MIN - 1), 4000, 0, DSERR_BADFORMAT},
        {pcm_format(1, 16, DSBFREQUENCY_MAX + 1), 4000, 0, DSERR_BADFORMAT},
        {bad_align, 4000, 0, DSERR_BADFORMAT},
        {good, 0, 0, DSERR_INVALIDPARAM},
        {good, 4002, 0, DSERR_INVALIDPARAM}, // not whole frames
        {good, DSBSIZE_MAX + 1u, 0, DSERR_INVALIDPARAM},
        {good, 4000, DSBCAPS_PRIMARYBUFFER, DSERR_INVALIDPARAM}, // its size is the device's
        {good, 4000, DSBCAPS_CTRL3D, DSERR_UNSUPPORTED},
    };
    for (const Case& c : cases) {
        WAVEFORMATEX format = c.format;
        desc.lpwfxFormat = &format;
        desc.dwBufferBytes = c.bytes;
        desc.dwFlags = c.flags;
        buffer = reinterpret_cast<LPDIRECTSOUNDBUFFER>(1);
        EXPECT_EQ(ds->CreateSoundBuffer(&desc, &buffer, nullptr), c.expected) << c.bytes;
        if (c.expected == DS_OK) {
            ASSERT_NE(buffer, nullptr);
            buffer->Release();
        } else {
            EXPECT_EQ(buffer, nullptr);
        }
    }
    desc.dwSize = 20;
    EXPECT_EQ(ds->CreateSoundBuffer(&desc, &buffer, nullptr), DSERR_INVALIDPARAM);
    LPDIRECTSOUND8 second = nullptr;
    EXPECT_EQ(DirectSoundCreate8(nullptr, &second, nullptr), DSERR_ALLOCATED);
    EXPECT_EQ(second, nullptr);
}

TEST_F(DsoundTest, LockSplitsAtTheEndOfTheRingAndControlsNeedTheirCaps) {
    ASSERT_EQ(ds->SetCooperativeLevel(WINDOW, DSSCL_PRIORITY), DS_OK);
    LPDIRECTSOUNDBUFFER8 b = make(pcm_format(1, 16, 22050), 1000, DSBCAPS_CTRLVOLUME);
    ASSERT_NE(b, nullptr);
    LPVOID p1 = nullptr, p2 = nullptr;
    DWORD n1 = 0, n2 = 0;
    ASSERT_EQ(b->Lock(0, 1000, &p1, &n1, &p2, &n2, 0), DS_OK);
    EXPECT_EQ(n1, 1000u);
    EXPECT_EQ(p2, nullptr);
    std::uint8_t* start = static_cast<std::uint8_t*>(p1);
    EXPECT_EQ(b->Unlock(p1, n1, p2, n2), DS_OK);
    ASSERT_EQ(b->Lock(990, 30, &p1, &n1, &p2, &n2, 0), DS_OK);
    EXPECT_EQ(p1, start + 990);
    EXPECT_EQ(n1, 10u);
    EXPECT_EQ(p2, start);
    EXPECT_EQ(n2, 20u);
    EXPECT_EQ(b->Unlock(p1, n1, p2, n2), DS_OK);
    ASSERT_EQ(b->Lock(0, 0, &p1, &n1, &p2, &n2, DSBLOCK_ENTIREBUFFER), DS_OK);
    EXPECT_EQ(n1, 1000u);
    EXPECT_EQ(b->Lock(1000, 2, &p1, &n1, &p2, &n2, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->Lock(0, 1001, &p1, &n1, &p2, &n2, 0), DSERR_INVALIDPARAM);
    std::uint8_t elsewhere[4];
    EXPECT_EQ(b->Unlock(elsewhere, 4, nullptr, 0), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->Unlock(start + 990, 20, nullptr, 0), DSERR_INVALIDPARAM);

    EXPECT_EQ(b->SetVolume(-600), DS_OK);
    EXPECT_EQ(b->SetVolume(1), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->SetVolume(DSBVOLUME_MIN - 1), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->SetPan(0), DSERR_CONTROLUNAVAIL);
    EXPECT_EQ(b->SetFrequency(44100), DSERR_CONTROLUNAVAIL);
    EXPECT_EQ(b->SetCurrentPosition(1000), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->Play(1, 0, 0), DSERR_INVALIDPARAM);
    b->Release();
}

TEST_F(DsoundTest, PlayedBuffersAreHeardOnTheVirtualClock) {
    ASSERT_EQ(ds->SetCooperativeLevel(WINDOW, DSSCL_PRIORITY), DS_OK);
    const DWORD start = headless_audio_start_ms();
    // One second of a constant at the output's own rate: the stream holds it sample for
    // sample from the moment Play was called.
    LPDIRECTSOUNDBUFFER8 once = make(pcm_format(1, 16, 44100), 4410 * 2, DSBCAPS_CTRLFREQUENCY);
    LPDIRECTSOUNDBUFFER8 loop = make(pcm_format(2, 8, 22050), 8, DSBCAPS_CTRLPAN);
    ASSERT_NE(once, nullptr);
    ASSERT_NE(loop, nullptr);
    LPVOID p = nullptr;
    DWORD n = 0;
    ASSERT_EQ(once->Lock(0, 0, &p, &n, nullptr, nullptr, DSBLOCK_ENTIREBUFFER), DS_OK);
    for (DWORD i = 0; i < n; i += 2) {
        static_cast<std::uint8_t*>(p)[i] = 0x34;
        static_cast<std::uint8_t*>(p)[i + 1] = 0x12;
    }
    ASSERT_EQ(once->Unlock(p, n, nullptr, 0), DS_OK);

    advance_to(start + 100);
    ASSERT_EQ(once->Play(0, 0, 0), DS_OK);
    DWORD status = 0;
    ASSERT_EQ(once->GetStatus(&status), DS_OK);
    EXPECT_EQ(status, static_cast<DWORD>(DSBSTATUS_PLAYING));
    advance_to(start + 150);
    DWORD play = 0, write = 0;
    ASSERT_EQ(once->GetCurrentPosition(&play, &write), DS_OK);
    EXPECT_NEAR(static_cast<double>(play), 50 * 44.1 * 2, 100);
    EXPECT_GT(write, play);
    advance_to(start + 300);
    ASSERT_EQ(once->GetStatus(&status), DS_OK);
    EXPECT_EQ(status, 0u) << "a buffer played once stops at its end";

    EXPECT_EQ(loop->SetPan(DSBPAN_RIGHT + 1), DSERR_INVALIDPARAM);
    ASSERT_EQ(loop->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    ASSERT_EQ(loop->GetStatus(&status), DS_OK);
    EXPECT_EQ(status, static_cast<DWORD>(DSBSTATUS_PLAYING | DSBSTATUS_LOOPING));
    advance_to(start + 1000);
    ASSERT_EQ(loop->Stop(), DS_OK);

    int frames = 0;
    const std::int16_t* s = headless_audio_samples(&frames);
    ASSERT_GE(frames, 44100 - 50);
    const int begin = static_cast<int>((100 + 1) * 44.1); // the clock reading moved it 1 ms
    // A new 8-bit buffer holds silence (0x80), so the looping one adds nothing.
    for (int f = 0; f < 44100 - 50; ++f) {
        if (f < begin - 50 || f >= begin + 4410 + 50) {
            ASSERT_EQ(s[2 * f] | s[2 * f + 1], 0) << f;
        } else if (f >= begin + 50 && f < begin + 4410 - 50) {
            ASSERT_EQ(s[2 * f], 0x1234) << f;
            ASSERT_EQ(s[2 * f + 1], 0x1234) << f;
        }
    }
    once->Release();
    loop->Release();
}

TEST(DsoundOutput, NoOutputMeansOneLineAndNoObject) {
    platform_reset();
    headless_audio_fail_open("no device here");
    testing::internal::CaptureStderr();
    LPDIRECTSOUND8 ds = reinterpret_cast<LPDIRECTSOUND8>(1);
    EXPECT_EQ(DirectSoundCreate8(nullptr, &ds, nullptr), DSERR_NODRIVER);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(ds, nullptr);
    EXPECT_NE(said.find("no device here"), std::string::npos) << said;
    EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
    EXPECT_EQ(dsound_objects_alive(), 0);
    // The next try opens.
    ASSERT_EQ(DirectSoundCreate8(nullptr, &ds, nullptr), DS_OK);
    EXPECT_EQ(headless_audio_is_open(), 1);
    ds->Release();
    EXPECT_EQ(headless_audio_is_open(), 0);
}
