// The DirectSound emulation's shared state: the one device, the list of its buffers that the
// mixer walks, the lock between the program's thread and the audio thread, and the counts and
// controls tests use.
#pragma once

#include "platform/dsound.h"
#include "platform/dsound/dsound_faults.h"
#include "platform/dsound/dsound_mixer.h"
#include "platform/host/host_audio.h"

#include <cstdint>
#include <mutex>

struct DsDevice;

// Sample memory, shared by a buffer and its duplicates and freed with the last of them.
struct DsSamples {
    std::uint8_t* bytes;
    DWORD users;
};

// What every buffer, primary or secondary, was made with and reads back through GetCaps,
// GetFormat, GetVolume, GetPan and GetFrequency. Both buffers hold it as a base after their
// interface, which keeps the interface's table at the object's start.
struct DsSettings {
    DWORD flags = 0;
    DWORD bytes = 0;
    WAVEFORMATEX format{};
    LONG volume = 0;
    LONG pan = 0;
    DWORD frequency = 0; // the primary buffer has none: its rate is its format's
};

// A secondary buffer. One whose device was let go is lost: it keeps its memory but can no
// longer play or be restored.
struct DsBuffer final : IDirectSoundBuffer8, DsSettings {
    DWORD refs = 1;
    DsDevice* device = nullptr; // null once the device is gone
    DsSamples* samples = nullptr;
    std::uint8_t* memory = nullptr; // samples->bytes
    MixVoice voice{};
    DsBuffer* next = nullptr;
    DsBuffer* previous = nullptr;

    HRESULT QueryInterface(REFIID iid, LPVOID* object) override;
    DWORD AddRef() override;
    DWORD Release() override;
    HRESULT GetCaps(LPDSBCAPS caps) override;
    HRESULT GetCurrentPosition(LPDWORD play_cursor, LPDWORD write_cursor) override;
    HRESULT GetFormat(LPWAVEFORMATEX format, DWORD bytes_allocated, LPDWORD bytes_written) override;
    HRESULT GetVolume(LPLONG volume) override;
    HRESULT GetPan(LPLONG pan) override;
    HRESULT GetFrequency(LPDWORD frequency) override;
    HRESULT GetStatus(LPDWORD status) override;
    HRESULT Lock(DWORD offset, DWORD bytes, LPVOID* part1, LPDWORD bytes1, LPVOID* part2,
                 LPDWORD bytes2, DWORD flags) override;
    HRESULT Play(DWORD reserved1, DWORD priority, DWORD flags) override;
    HRESULT SetCurrentPosition(DWORD position) override;
    HRESULT SetFormat(LPCWAVEFORMATEX format) override;
    HRESULT SetVolume(LONG volume) override;
    HRESULT SetPan(LONG pan) override;
    HRESULT SetFrequency(DWORD frequency) override;
    HRESULT Stop() override;
    HRESULT Unlock(LPVOID part1, DWORD bytes1, LPVOID part2, DWORD bytes2) override;
    HRESULT Restore() override;
};

// The primary buffer: the device's output as the program sees it. It holds no samples of its
// own; its format is what the program asked for, its volume and pan shape the whole mix.
struct DsPrimary final : IDirectSoundBuffer, DsSettings {
    DWORD refs = 1;
    DsDevice* device = nullptr; // null once the device is gone
    int played = 0;             // Play was called and Stop was not since

    HRESULT QueryInterface(REFIID iid, LPVOID* object) override;
    DWORD AddRef() override;
    DWORD Release() override;
    HRESULT GetCaps(LPDSBCAPS caps) override;
    HRESULT GetCurrentPosition(LPDWORD play_cursor, LPDWORD write_cursor) override;
    HRESULT GetFormat(LPWAVEFORMATEX format, DWORD bytes_allocated, LPDWORD bytes_written) override;
    HRESULT GetVolume(LPLONG volume) override;
    HRESULT GetPan(LPLONG pan) override;
    HRESULT GetFrequency(LPDWORD frequency) override;
    HRESULT GetStatus(LPDWORD status) override;
    HRESULT Lock(DWORD offset, DWORD bytes, LPVOID* part1, LPDWORD bytes1, LPVOID* part2,
                 LPDWORD bytes2, DWORD flags) override;
    HRESULT Play(DWORD reserved1, DWORD priority, DWORD flags) override;
    HRESULT SetCurrentPosition(DWORD position) override;
    HRESULT SetFormat(LPCWAVEFORMATEX format) override;
    HRESULT SetVolume(LONG volume) override;
    HRESULT SetPan(LONG pan) override;
    HRESULT SetFrequency(DWORD frequency) override;
    HRESULT Stop() override;
    HRESULT Unlock(LPVOID part1, DWORD bytes1, LPVOID part2, DWORD bytes2) override;
    HRESULT Restore() override;
};

struct DsDevice final : IDirectSound8 {
    DWORD refs = 1;
    DWORD level = 0; // 0 until SetCooperativeLevel; buffers need one only to play
    DsBuffer* buffers = nullptr;
    DsPrimary* primary = nullptr; // while the program holds it

    HRESULT QueryInterface(REFIID iid, LPVOID* object) override;
    DWORD AddRef() override;
    DWORD Release() override;
    HRESULT CreateSoundBuffer(LPCDSBUFFERDESC desc, LPDIRECTSOUNDBUFFER* buffer,
                              IUnknown* outer) override;
    HRESULT DuplicateSoundBuffer(LPDIRECTSOUNDBUFFER original,
                                 LPDIRECTSOUNDBUFFER* duplicate) override;
    HRESULT SetCooperativeLevel(HWND window, DWORD level) override;
};

// The bytes of the primary buffer's ring: a tenth of a second of the output stream.
constexpr DWORD DS_PRIMARY_BYTES = AUDIO_OUTPUT_RATE / 10 * 4;

// Whether buffers may hold this format: PCM, 8 or 16 bits, mono or stereo, any rate from
// DSBFREQUENCY_MIN to DSBFREQUENCY_MAX, the block and byte rate agreeing.
bool dsound_format_valid(const WAVEFORMATEX* format);
// Whether two interface identifiers are the same.
bool dsound_same_id(REFIID a, REFIID b);
// The read-back calls as every buffer answers them: GetVolume, GetPan and GetFrequency give
// the value only when the buffer was made with its control.
HRESULT dsound_get_caps(const DsSettings& settings, LPDSBCAPS caps);
HRESULT dsound_get_format(const DsSettings& settings, LPWAVEFORMATEX to, DWORD room,
                          LPDWORD written);
HRESULT dsound_get_volume(const DsSettings& settings, LPLONG to);
HRESULT dsound_get_pan(const DsSettings& settings, LPLONG to);
HRESULT dsound_get_frequency(const DsSettings& settings, LPDWORD to);
// Whether SetVolume or SetPan may set this value: DS_OK, or the code the call returns.
HRESULT dsound_check_volume(const DsSettings& settings, LONG volume);
HRESULT dsound_check_pan(const DsSettings& settings, LONG pan);
// Makes the primary buffer for a device that has none.
HRESULT dsound_create_primary(DsDevice* device, DWORD flags, LPDIRECTSOUNDBUFFER* buffer);
// The whole mix's volume and pan, as the primary buffer sets them.
void dsound_set_master(LONG volume, LONG pan);
// Frames mixed into the stream since the device was made.
std::uint64_t dsound_frames_mixed();

// Held by the mixer while it walks the buffers, and by a buffer's call while it changes what
// the mixer reads; never while the program draws.
extern std::mutex dsound_lock;

// Brings a recorder's stream up to now before a buffer changes (nothing on a real device).
void dsound_catch_up();
// Lets the output act on device changes; the message pump calls it once a pass.
void dsound_service();
// Mixes every playing buffer of the device into the stream; the outputs' callback.
void dsound_mix(std::int16_t* out, int frames);

// Whether the program's window has the focus (1 at start); without it only buffers made with
// DSBCAPS_GLOBALFOCUS are heard, the others play on in silence.
void dsound_set_focus(int focused);
// How many buffers the mixer is playing now.
int dsound_voices_playing();

// How many DirectSound objects (the device and buffers) are alive.
int dsound_objects_alive();
void dsound_count_object(int change);
