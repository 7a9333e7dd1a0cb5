// What a DirectSound program relies on, as one script of calls with the codes and states each
// must give: buffers made before the cooperative level, the primary buffer, the read-back
// calls, duplicates sharing memory, lost buffers once the device is gone, and the layout of
// WAVEFORMATEX.
#include "platform/dsound.h"
#include "platform/host/audio/headless_audio.h"

#include "support/sound_buffers.h"
#include "support/sound_device.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>

namespace {

// The objects the script makes, and what its read-back calls wrote.
struct World {
    LPDIRECTSOUND8& ds; // the fixture's, which the script lets go of
    LPDIRECTSOUNDBUFFER primary = nullptr;
    LPDIRECTSOUNDBUFFER music = nullptr; // 96 kHz 16-bit mono, every control
    LPDIRECTSOUNDBUFFER click = nullptr; // 5 kHz 8-bit mono, no control
    LPDIRECTSOUNDBUFFER copy = nullptr;  // the music's duplicate
    WAVEFORMATEX format{};
    DSBCAPS caps{};
    DWORD dword = 0;
    LONG value = 0;
    LPVOID part = nullptr;
    LPVOID part_of_copy = nullptr;
};

HRESULT create(World& w, DWORD flags, DWORD bytes, WAVEFORMATEX* format,
               LPDIRECTSOUNDBUFFER* into) {
    LPDIRECTSOUNDBUFFER made = nullptr;
    const HRESULT result = create_buffer(w.ds, flags, bytes, format, &made);
    if (made && into) *into = made;
    if (made && !into) made->Release();
    return result;
}

HRESULT create_primary(World& w, DWORD flags, DWORD bytes, bool with_format) {
    WAVEFORMATEX f = pcm_format(2, 16, 44100);
    return create(w, DSBCAPS_PRIMARYBUFFER | flags, bytes, with_format ? &f : nullptr, nullptr);
}

// SetFormat with a PCM format, its block alignment replaced when `block` is set.
HRESULT set_format(LPDIRECTSOUNDBUFFER b, WORD channels, WORD bits, DWORD rate, WORD block = 0) {
    WAVEFORMATEX f = pcm_format(channels, bits, rate);
    if (block) f.nBlockAlign = block;
    return b->SetFormat(&f);
}

long read_dword(World& w) {
    return static_cast<long>(w.dword);
}

HRESULT status(LPDIRECTSOUNDBUFFER b, World& w) {
    return b->GetStatus(&w.dword);
}

HRESULT lock_all(LPDIRECTSOUNDBUFFER b, LPVOID* part) {
    DWORD bytes = 0;
    const HRESULT result = b->Lock(0, 0, part, &bytes, nullptr, nullptr, DSBLOCK_ENTIREBUFFER);
    if (SUCCEEDED(result)) b->Unlock(*part, bytes, nullptr, 0);
    return result;
}

HRESULT query(IUnknown* object, REFIID iid) {
    LPVOID got = nullptr;
    const HRESULT result = object->QueryInterface(iid, &got);
    if (got) static_cast<IUnknown*>(got)->Release();
    return result;
}

std::int16_t constant(DWORD, int seed) {
    return static_cast<std::int16_t>(seed);
}

constexpr DWORD MUSIC_FLAGS = DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLPAN | DSBCAPS_CTRLFREQUENCY;
constexpr long ANY = -1; // the step reads nothing back

// One call, the code it returns, and what a read-back then holds (when `read` is set).
struct Step {
    const char* what;
    std::function<HRESULT(World&)> call;
    HRESULT code;
    std::function<long(World&)> read;
    long value;
};

const Step SCRIPT[] = {
    // Sounds are loaded before the window exists; they need a level only to play.
    {"a 96 kHz buffer before the cooperative level",
     [](World& w) {
         WAVEFORMATEX f = pcm_format(1, 16, 96000);
         return create(w, MUSIC_FLAGS, 9600, &f, &w.music);
     },
     DS_OK, nullptr, ANY},
    {"a 5 kHz 8-bit buffer without controls",
     [](World& w) {
         WAVEFORMATEX f = pcm_format(1, 8, 5000);
         return create(w, 0, 500, &f, &w.click);
     },
     DS_OK, nullptr, ANY},
    {"playing before the level", [](World& w) { return w.music->Play(0, 0, 0); },
     DSERR_PRIOLEVELNEEDED, nullptr, ANY},
    // The primary buffer: no size and no format of the program's, one per device.
    {"a primary buffer with a size", [](World& w) { return create_primary(w, 0, 4, false); },
     DSERR_INVALIDPARAM, nullptr, ANY},
    {"a primary buffer with a format", [](World& w) { return create_primary(w, 0, 0, true); },
     DSERR_INVALIDPARAM, nullptr, ANY},
    {"a primary buffer with frequency control",
     [](World& w) { return create_primary(w, DSBCAPS_CTRLFREQUENCY, 0, false); },
     DSERR_INVALIDPARAM, nullptr, ANY},
    {"the primary buffer",
     [](World& w) {
         return create(w, DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRLVOLUME, 0, nullptr, &w.primary);
     },
     DS_OK, nullptr, ANY},
    {"asking again gives the same one",
     [](World& w) {
         LPDIRECTSOUNDBUFFER again = nullptr;
         const HRESULT result = create(w, DSBCAPS_PRIMARYBUFFER, 0, nullptr, &again);
         w.dword = again == w.primary ? 1 : 0;
         if (again) again->Release();
         return result;
     },
     DS_OK, read_dword, 1},
    {"its format before any level", [](World& w) { return set_format(w.primary, 2, 16, 22050); },
     DSERR_PRIOLEVELNEEDED, nullptr, ANY},
    {"the normal level", [](World& w) { return w.ds->SetCooperativeLevel(WINDOW, DSSCL_NORMAL); },
     DS_OK, nullptr, ANY},
    {"its format at the normal level", [](World& w) { return set_format(w.primary, 2, 16, 22050); },
     DSERR_PRIOLEVELNEEDED, nullptr, ANY},
    {"the priority level",
     [](World& w) { return w.ds->SetCooperativeLevel(WINDOW, DSSCL_PRIORITY); }, DS_OK, nullptr,
     ANY},
    {"its format at the priority level",
     [](World& w) { return set_format(w.primary, 1, 8, 22050); }, DS_OK, nullptr, ANY},
    {"the format read back",
     [](World& w) { return w.primary->GetFormat(&w.format, sizeof w.format, &w.dword); }, DS_OK,
     [](World& w) { return static_cast<long>(w.format.nSamplesPerSec * 100 + w.dword); },
     22050 * 100 + 18},
    {"the room a format needs", [](World& w) { return w.primary->GetFormat(nullptr, 0, &w.dword); },
     DS_OK, read_dword, 18},
    {"too little room for the format",
     [](World& w) { return w.primary->GetFormat(&w.format, 17, nullptr); }, DSERR_INVALIDPARAM,
     nullptr, ANY},
    {"a format with the wrong block",
     [](World& w) { return set_format(w.primary, 2, 16, 22050, 3); }, DSERR_BADFORMAT, nullptr,
     ANY},
    {"no format", [](World& w) { return w.primary->SetFormat(nullptr); }, DSERR_INVALIDPARAM,
     nullptr, ANY},
    {"caps with a wrong size", [](World& w) { return w.primary->GetCaps(&w.caps); },
     DSERR_INVALIDPARAM, nullptr, ANY},
    {"the primary buffer's caps",
     [](World& w) {
         w.caps.dwSize = sizeof w.caps;
         return w.primary->GetCaps(&w.caps);
     },
     DS_OK,
     [](World& w) {
         return static_cast<long>(w.caps.dwFlags & (DSBCAPS_PRIMARYBUFFER | DSBCAPS_LOCSOFTWARE)) *
                    100000 +
                (w.caps.dwBufferBytes > 0 ? 1 : 0);
     },
     (DSBCAPS_PRIMARYBUFFER | DSBCAPS_LOCSOFTWARE) * 100000L + 1},
    {"playing it once", [](World& w) { return w.primary->Play(0, 0, 0); }, DSERR_INVALIDPARAM,
     nullptr, ANY},
    {"playing it looping", [](World& w) { return w.primary->Play(0, 0, DSBPLAY_LOOPING); }, DS_OK,
     nullptr, ANY},
    {"its status while it plays", [](World& w) { return status(w.primary, w); }, DS_OK, read_dword,
     DSBSTATUS_PLAYING | DSBSTATUS_LOOPING},
    {"stopping it", [](World& w) { return w.primary->Stop(); }, DS_OK, nullptr, ANY},
    {"its status stopped, nothing else playing", [](World& w) { return status(w.primary, w); },
     DS_OK, read_dword, 0},
    {"the primary buffer has no IDirectSoundBuffer8",
     [](World& w) { return query(w.primary, IID_IDirectSoundBuffer8); }, DSERR_NOINTERFACE, nullptr,
     ANY},
    {"every object has IUnknown", [](World& w) { return query(w.primary, IID_IUnknown); }, DS_OK,
     nullptr, ANY},
    {"the device too", [](World& w) { return query(w.ds, IID_IUnknown); }, DS_OK, nullptr, ANY},
    {"a secondary buffer too", [](World& w) { return query(w.music, IID_IUnknown); }, DS_OK,
     nullptr, ANY},
    {"the device has no buffer interface",
     [](World& w) { return query(w.ds, IID_IDirectSoundBuffer8); }, DSERR_NOINTERFACE, nullptr,
     ANY},
    {"the primary volume", [](World& w) { return w.primary->SetVolume(-600); }, DS_OK,
     [](World& w) { return w.primary->GetVolume(&w.value) == DS_OK ? w.value : 1; }, -600},
    {"the primary pan without its cap", [](World& w) { return w.primary->GetPan(&w.value); },
     DSERR_CONTROLUNAVAIL, nullptr, ANY},
    {"the primary frequency", [](World& w) { return w.primary->GetFrequency(&w.dword); },
     DSERR_CONTROLUNAVAIL, nullptr, ANY},
    {"the primary position", [](World& w) { return w.primary->SetCurrentPosition(0); },
     DSERR_INVALIDCALL, nullptr, ANY},
    {"locking the primary below write-primary",
     [](World& w) { return lock_all(w.primary, &w.part); }, DSERR_PRIOLEVELNEEDED, nullptr, ANY},
    // Secondary buffers: a fixed format, and every setting read back.
    {"a secondary buffer's format", [](World& w) { return set_format(w.music, 1, 16, 96000); },
     DSERR_INVALIDCALL, nullptr, ANY},
    {"its frequency as made", [](World& w) { return w.music->GetFrequency(&w.dword); }, DS_OK,
     read_dword, 96000},
    {"the highest frequency", [](World& w) { return w.music->SetFrequency(DSBFREQUENCY_MAX); },
     DS_OK, [](World& w) { return w.music->GetFrequency(&w.dword) == DS_OK ? w.dword : 0L; },
     DSBFREQUENCY_MAX},
    {"above the highest", [](World& w) { return w.music->SetFrequency(DSBFREQUENCY_MAX + 1); },
     DSERR_INVALIDPARAM, nullptr, ANY},
    {"back to the original", [](World& w) { return w.music->SetFrequency(DSBFREQUENCY_ORIGINAL); },
     DS_OK, [](World& w) { return w.music->GetFrequency(&w.dword) == DS_OK ? w.dword : 0L; },
     96000},
    {"its volume", [](World& w) { return w.music->SetVolume(-1200); }, DS_OK,
     [](World& w) { return w.music->GetVolume(&w.value) == DS_OK ? w.value : 1; }, -1200},
    {"its pan", [](World& w) { return w.music->SetPan(300); }, DS_OK,
     [](World& w) { return w.music->GetPan(&w.value) == DS_OK ? w.value : 1; }, 300},
    {"the volume of a buffer without the cap",
     [](World& w) { return w.click->GetVolume(&w.value); }, DSERR_CONTROLUNAVAIL, nullptr, ANY},
    {"the frequency of a buffer without the cap",
     [](World& w) { return w.click->GetFrequency(&w.dword); }, DSERR_CONTROLUNAVAIL, nullptr, ANY},
    {"the volume into nowhere", [](World& w) { return w.music->GetVolume(nullptr); },
     DSERR_INVALIDPARAM, nullptr, ANY},
    {"a secondary buffer's caps",
     [](World& w) {
         w.caps = DSBCAPS{};
         w.caps.dwSize = sizeof w.caps;
         return w.music->GetCaps(&w.caps);
     },
     DS_OK,
     [](World& w) {
         return static_cast<long>((w.caps.dwFlags & MUSIC_FLAGS) + w.caps.dwBufferBytes);
     },
     static_cast<long>(MUSIC_FLAGS) + 9600},
    {"the write cursor alone",
     [](World& w) { return w.music->GetCurrentPosition(nullptr, &w.dword); }, DS_OK, nullptr, ANY},
    {"the play cursor alone",
     [](World& w) { return w.music->GetCurrentPosition(&w.dword, nullptr); }, DS_OK, nullptr, ANY},
    {"neither cursor", [](World& w) { return w.music->GetCurrentPosition(nullptr, nullptr); },
     DS_OK, nullptr, ANY},
    // Duplicates: the same memory and settings, played on their own.
    {"a duplicate into nowhere",
     [](World& w) { return w.ds->DuplicateSoundBuffer(w.music, nullptr); }, DSERR_INVALIDPARAM,
     nullptr, ANY},
    {"a duplicate of nothing",
     [](World& w) { return w.ds->DuplicateSoundBuffer(nullptr, &w.copy); }, DSERR_INVALIDPARAM,
     nullptr, ANY},
    {"a duplicate of the primary buffer",
     [](World& w) { return w.ds->DuplicateSoundBuffer(w.primary, &w.copy); }, DSERR_INVALIDCALL,
     nullptr, ANY},
    {"a duplicate of the music",
     [](World& w) { return w.ds->DuplicateSoundBuffer(w.music, &w.copy); }, DS_OK,
     [](World& w) { return w.copy->GetVolume(&w.value) == DS_OK ? w.value : 1; }, -1200},
    {"the duplicate's frequency", [](World& w) { return w.copy->GetFrequency(&w.dword); }, DS_OK,
     read_dword, 96000},
    {"it shares the memory",
     [](World& w) {
         const HRESULT first = lock_all(w.music, &w.part);
         return FAILED(first) ? first : lock_all(w.copy, &w.part_of_copy);
     },
     DS_OK, [](World& w) { return w.part == w.part_of_copy ? 1L : 0L; }, 1},
    {"the music plays looping", [](World& w) { return w.music->Play(0, 0, DSBPLAY_LOOPING); },
     DS_OK, nullptr, ANY},
    {"the duplicate stays stopped", [](World& w) { return status(w.copy, w); }, DS_OK, read_dword,
     0},
    {"the primary plays while a secondary buffer does",
     [](World& w) { return status(w.primary, w); }, DS_OK, read_dword,
     DSBSTATUS_PLAYING | DSBSTATUS_LOOPING},
    {"restoring a buffer that is not lost", [](World& w) { return w.music->Restore(); }, DS_OK,
     nullptr, ANY},
    // The device let go: what outlives it is lost, and stays so.
    {"the device let go",
     [](World& w) {
         w.ds->Release();
         w.ds = nullptr;
         return DS_OK;
     },
     DS_OK, [](World& w) { return status(w.music, w) == DS_OK ? static_cast<long>(w.dword) : 0L; },
     DSBSTATUS_BUFFERLOST},
    {"playing a lost buffer", [](World& w) { return w.music->Play(0, 0, 0); }, DSERR_BUFFERLOST,
     nullptr, ANY},
    {"locking a lost buffer", [](World& w) { return lock_all(w.copy, &w.part); }, DSERR_BUFFERLOST,
     nullptr, ANY},
    {"restoring a lost buffer", [](World& w) { return w.click->Restore(); }, DSERR_BUFFERLOST,
     nullptr, ANY},
    {"the primary is lost too", [](World& w) { return w.primary->Play(0, 0, DSBPLAY_LOOPING); },
     DSERR_BUFFERLOST,
     [](World& w) { return status(w.primary, w) == DS_OK ? static_cast<long>(w.dword) : 0L; },
     DSBSTATUS_BUFFERLOST},
    // The published values and layout that programs compile against.
    {"DSERR_BUFFERLOST", [](World&) { return DSERR_BUFFERLOST; }, static_cast<HRESULT>(0x88780096u),
     nullptr, ANY},
    {"DSERR_UNINITIALIZED", [](World&) { return DSERR_UNINITIALIZED; },
     static_cast<HRESULT>(0x887800AAu), nullptr, ANY},
    {"WAVEFORMATEX's byte rate and size fields", [](World&) { return DS_OK; }, DS_OK,
     [](World&) {
         return static_cast<long>(offsetof(WAVEFORMATEX, nAvgBytesPerSec) * 100 +
                                  offsetof(WAVEFORMATEX, cbSize));
     },
     8 * 100 + 16},
};

} // namespace

using DsoundContract = SoundDeviceTest;

TEST_F(DsoundContract, EachCallGivesThePublishedCodeAndState) {
    World w{ds};
    for (const Step& step : SCRIPT) {
        EXPECT_EQ(step.call(w), step.code) << step.what;
        if (step.read) {
            EXPECT_EQ(step.read(w), step.value) << step.what;
        }
    }
    for (LPDIRECTSOUNDBUFFER b : {w.primary, w.music, w.click, w.copy})
        hold(b);
}

TEST_F(DsoundContract, ThePrimaryVolumeAndPanShapeTheWholeMix) {
    ASSERT_EQ(ds->SetCooperativeLevel(WINDOW, DSSCL_PRIORITY), DS_OK);
    World w{ds};
    const DWORD primary_flags = DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLPAN;
    ASSERT_EQ(create(w, primary_flags, 0, nullptr, &w.primary), DS_OK);
    LPDIRECTSOUNDBUFFER primary = hold(w.primary);
    // A looping constant at full scale; -2000 hundredths of a decibel is a tenth of it, and a
    // pan fully right silences the left.
    LPDIRECTSOUNDBUFFER tone = hold(make_mono16_buffer(ds, 44100, 441, 0, constant, 20000));
    ASSERT_NE(tone, nullptr);
    const DWORD start = headless_audio_start_ms();
    ASSERT_EQ(primary->SetVolume(-2000), DS_OK);
    ASSERT_EQ(tone->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    advance_to(start + 100);
    ASSERT_EQ(primary->SetPan(DSBPAN_RIGHT), DS_OK);
    advance_to(start + 200);
    int frames = 0;
    const std::int16_t* s = headless_audio_samples(&frames);
    ASSERT_GE(frames, 44100 / 5 - 50);
    const int mid_first = 44100 / 20;
    const int mid_second = 44100 * 3 / 20;
    EXPECT_NEAR(s[2 * mid_first], 2000, 2);
    EXPECT_NEAR(s[2 * mid_first + 1], 2000, 2);
    EXPECT_EQ(s[2 * mid_second], 0);
    EXPECT_NEAR(s[2 * mid_second + 1], 2000, 2);
}
