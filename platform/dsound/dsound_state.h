// The DirectSound emulation's shared state: the one device, the list of its buffers that the
// mixer walks, the lock between the program's thread and the audio thread, and the counts and
// controls tests use.
#pragma once

#include "platform/dsound.h"
#include "platform/dsound/dsound_mixer.h"

#include <cstdint>
#include <mutex>

struct DsDevice;

struct DsBuffer final : IDirectSoundBuffer8 {
    DWORD refs = 1;
    DsDevice* device = nullptr; // null once the device is gone
    DWORD flags = 0;
    DWORD bytes = 0;
    WAVEFORMATEX format{};
    std::uint8_t* memory = nullptr;
    LONG volume = 0;
    LONG pan = 0;
    DWORD frequency = 0;
    MixVoice voice{};
    DsBuffer* next = nullptr;
    DsBuffer* previous = nullptr;

    HRESULT QueryInterface(REFIID iid, LPVOID* object) override;
    DWORD AddRef() override;
    DWORD Release() override;
    HRESULT GetCurrentPosition(LPDWORD play_cursor, LPDWORD write_cursor) override;
    HRESULT GetStatus(LPDWORD status) override;
    HRESULT Lock(DWORD offset, DWORD bytes, LPVOID* part1, LPDWORD bytes1, LPVOID* part2,
                 LPDWORD bytes2, DWORD flags) override;
    HRESULT Play(DWORD reserved1, DWORD priority, DWORD flags) override;
    HRESULT SetCurrentPosition(DWORD position) override;
    HRESULT SetVolume(LONG volume) override;
    HRESULT SetPan(LONG pan) override;
    HRESULT SetFrequency(DWORD frequency) override;
    HRESULT Stop() override;
    HRESULT Unlock(LPVOID part1, DWORD bytes1, LPVOID part2, DWORD bytes2) override;
};

struct DsDevice final : IDirectSound8 {
    DWORD refs = 1;
    DWORD level = 0; // 0 until SetCooperativeLevel
    DsBuffer* buffers = nullptr;

    HRESULT QueryInterface(REFIID iid, LPVOID* object) override;
    DWORD AddRef() override;
    DWORD Release() override;
    HRESULT CreateSoundBuffer(LPCDSBUFFERDESC desc, LPDIRECTSOUNDBUFFER* buffer,
                              IUnknown* outer) override;
    HRESULT SetCooperativeLevel(HWND window, DWORD level) override;
};

// Held by the mixer while it walks the buffers, and by a buffer's call while it changes what
// the mixer reads; never while the program draws.
extern std::mutex dsound_lock;

// Brings a recorder's stream up to now before a buffer changes (nothing on a real device).
void dsound_catch_up();
// Lets the backend act on device changes; the message pump calls it once a pass.
void dsound_service();
// Mixes every playing buffer of the device into the stream; the backends' callback.
void dsound_mix(std::int16_t* out, int frames);

// Whether the program's window has the focus (1 at start); without it only buffers made with
// DSBCAPS_GLOBALFOCUS are heard, the others play on in silence.
void dsound_set_focus(int focused);
// How many buffers the mixer is playing now.
int dsound_voices_playing();

// How many DirectSound objects (the device and buffers) are alive.
int dsound_objects_alive();
void dsound_count_object(int change);
