// The DirectSound object: opening the audio output, the cooperative level, making buffers,
// and mixing the device's buffers for the output.
#include "platform/dsound/dsound_state.h"

#include "platform/dsound/audio_output.h"
#include "platform/dsound/dsound_faults.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

const GUID IID_IUnknown = {0, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const GUID IID_IDirectSoundBuffer8 = {
    0x6825A449, 0x7524, 0x4D82, {0x92, 0x0F, 0x50, 0xE3, 0x6A, 0xB3, 0xAB, 0x1E}};

std::mutex dsound_lock;

namespace {

constexpr int CHUNK_FRAMES = 256;

// The one device playing into the output; a second is refused as a busy device would be.
DsDevice* Current = nullptr;
AudioOutput* OpenOutput = nullptr;
int Alive = 0;
// Written only under dsound_lock by whichever thread mixes.
std::int32_t Sum[CHUNK_FRAMES * 2];
// Read by the mixer under dsound_lock: whether the output device is away, and whether the
// program's window has the focus (buffers without DSBCAPS_GLOBALFOCUS are silent without it).
bool OutputLost = false;
bool WindowFocused = true;
// The primary buffer's volume and pan over the whole mix, and the frames mixed so far; under
// dsound_lock.
std::int32_t MasterLeft = MIX_UNITY_GAIN;
std::int32_t MasterRight = MIX_UNITY_GAIN;
std::uint64_t FramesMixed = 0;

// Whether a buffer is heard now, or only moves on in silence.
bool audible(const DsBuffer& b) {
    return !OutputLost && (WindowFocused || (b.flags & DSBCAPS_GLOBALFOCUS));
}

// Scales the summed frames by the whole mix's gains.
void apply_master(std::int32_t* sum, int frames) {
    if (MasterLeft == MIX_UNITY_GAIN && MasterRight == MIX_UNITY_GAIN) return;
    for (int i = 0; i < frames; ++i) {
        sum[2 * i] =
            static_cast<std::int32_t>((static_cast<std::int64_t>(sum[2 * i]) * MasterLeft) >> 16);
        sum[2 * i + 1] = static_cast<std::int32_t>(
            (static_cast<std::int64_t>(sum[2 * i + 1]) * MasterRight) >> 16);
    }
}

} // namespace

bool dsound_format_valid(const WAVEFORMATEX* f) {
    if (!f || f->wFormatTag != WAVE_FORMAT_PCM) return false;
    if (f->nChannels != 1 && f->nChannels != 2) return false;
    if (f->wBitsPerSample != 8 && f->wBitsPerSample != 16) return false;
    if (f->nSamplesPerSec < DSBFREQUENCY_MIN || f->nSamplesPerSec > DSBFREQUENCY_MAX) return false;
    const DWORD align = f->nChannels * f->wBitsPerSample / 8;
    return f->nBlockAlign == align && f->nAvgBytesPerSec == f->nSamplesPerSec * align;
}

bool dsound_same_id(REFIID a, REFIID b) {
    return std::memcmp(&a, &b, sizeof(GUID)) == 0;
}

void dsound_set_master(LONG volume, LONG pan) {
    dsound_catch_up();
    std::lock_guard<std::mutex> hold(dsound_lock);
    mix_pan_gains(volume, pan, &MasterLeft, &MasterRight);
}

std::uint64_t dsound_frames_mixed() {
    dsound_catch_up();
    std::lock_guard<std::mutex> hold(dsound_lock);
    return FramesMixed;
}

void dsound_catch_up() {
    if (OpenOutput && OpenOutput->catch_up) OpenOutput->catch_up();
}

void dsound_service() {
    if (OpenOutput && OpenOutput->service) OpenOutput->service();
}

void dsound_mix(std::int16_t* out, int frames) {
    std::lock_guard<std::mutex> hold(dsound_lock);
    while (frames > 0) {
        const int n = frames < CHUNK_FRAMES ? frames : CHUNK_FRAMES;
        std::memset(Sum, 0, sizeof(std::int32_t) * 2 * n);
        if (Current)
            for (DsBuffer* b = Current->buffers; b; b = b->next) {
                if (audible(*b))
                    mix_voice_add(&b->voice, Sum, n);
                else
                    mix_voice_skip(&b->voice, static_cast<std::uint64_t>(n));
            }
        apply_master(Sum, n);
        mix_clip(Sum, out, 2 * n);
        out += 2 * n;
        frames -= n;
        FramesMixed += static_cast<std::uint64_t>(n);
    }
}

namespace {

void output_lost() {
    bool first = false;
    {
        std::lock_guard<std::mutex> hold(dsound_lock);
        first = Current && !OutputLost;
        OutputLost = true;
    }
    // One line for each loss, not one for every block the device misses.
    if (first) std::fprintf(stderr, "Sound: the audio device went away; playing silently.\n");
}

// Under dsound_lock: what should still be playing picks up where it would be by now.
void skip_playing(std::uint64_t frames) {
    if (Current)
        for (DsBuffer* b = Current->buffers; b; b = b->next)
            mix_voice_skip(&b->voice, frames);
}

void output_back(std::uint64_t missed_frames) {
    std::lock_guard<std::mutex> hold(dsound_lock);
    OutputLost = false;
    skip_playing(missed_frames);
}

void output_skip(std::uint64_t frames) {
    std::lock_guard<std::mutex> hold(dsound_lock);
    skip_playing(frames);
}

int output_heard() {
    std::lock_guard<std::mutex> hold(dsound_lock);
    if (Current)
        for (const DsBuffer* b = Current->buffers; b; b = b->next)
            if (b->voice.playing && audible(*b)) return 1;
    return 0;
}

// What the host's audio output tells the sound side.
const AudioOutputEvents OUTPUT_EVENTS = {
    .lost = output_lost,
    .back = output_back,
    .skip = output_skip,
    .heard = output_heard,
};

// What the message pump tells the sound side.
const AudioWindowEvents WINDOW_EVENTS = {
    .focus = dsound_set_focus,
    .pass = dsound_service,
};

} // namespace

void dsound_set_focus(int focused) {
    // What was mixed before the change is heard as it was.
    dsound_catch_up();
    std::lock_guard<std::mutex> hold(dsound_lock);
    WindowFocused = focused != 0;
}

int dsound_voices_playing() {
    std::lock_guard<std::mutex> hold(dsound_lock);
    int playing = 0;
    if (Current)
        for (const DsBuffer* b = Current->buffers; b; b = b->next)
            playing += b->voice.playing ? 1 : 0;
    return playing;
}

int dsound_objects_alive() {
    return Alive;
}

void dsound_count_object(int change) {
    Alive += change;
}

HRESULT WINAPI DirectSoundCreate8(LPCGUID device, LPDIRECTSOUND8* object, IUnknown* outer) {
    if (!object) return DSERR_INVALIDPARAM;
    *object = nullptr;
    if (outer) return DSERR_NOAGGREGATION;
    if (dsound_call_fails()) return DSERR_GENERIC;
    if (device) return DSERR_NODRIVER; // only the default device exists
    if (Current) return DSERR_ALLOCATED;
    DsDevice* created = new (std::nothrow) DsDevice;
    if (!created) return DSERR_OUTOFMEMORY;
    AudioOutput* output = audio_output();
    char reason[160] = "the host has no audio output";
    audio_output_listen(&OUTPUT_EVENTS);
    audio_window_listen(&WINDOW_EVENTS);
    if (!output || !output->open(dsound_mix, reason, sizeof reason)) {
        // No device is no reason to stop a program: it is told, and it plays silently.
        std::fprintf(stderr, "No sound: the %s audio output cannot be opened (%s).\n",
                     output ? output->name : "host's", reason);
        delete created;
        return DSERR_NODRIVER;
    }
    OpenOutput = output;
    {
        // The output's thread may already be mixing and reading Current.
        std::lock_guard<std::mutex> hold(dsound_lock);
        Current = created;
        OutputLost = false;
        MasterLeft = MasterRight = MIX_UNITY_GAIN;
        FramesMixed = 0;
    }
    dsound_count_object(1);
    *object = created;
    return DS_OK;
}

HRESULT DsDevice::QueryInterface(REFIID iid, LPVOID* object) {
    if (!object) return DSERR_INVALIDPARAM;
    *object = nullptr;
    if (!dsound_same_id(iid, IID_IUnknown)) return DSERR_NOINTERFACE;
    ++refs;
    *object = static_cast<IUnknown*>(this);
    return DS_OK;
}

DWORD DsDevice::AddRef() {
    return ++refs;
}

DWORD DsDevice::Release() {
    if (--refs > 0) return refs;
    dsound_catch_up();
    // The stream stops before the buffers are let go, so the audio thread is done with them.
    if (OpenOutput) OpenOutput->close();
    OpenOutput = nullptr;
    {
        std::lock_guard<std::mutex> hold(dsound_lock);
        for (DsBuffer* b = buffers; b;) {
            DsBuffer* next = b->next;
            b->device = nullptr;
            b->next = b->previous = nullptr;
            b->voice.playing = 0;
            b = next;
        }
        buffers = nullptr;
        if (primary) primary->device = nullptr;
        primary = nullptr;
        Current = nullptr;
    }
    dsound_count_object(-1);
    delete this;
    return 0;
}

HRESULT DsDevice::SetCooperativeLevel(HWND window, DWORD new_level) {
    if (dsound_call_fails()) return DSERR_GENERIC;
    if (!window || new_level < DSSCL_NORMAL || new_level > DSSCL_WRITEPRIMARY)
        return DSERR_INVALIDPARAM;
    level = new_level;
    return DS_OK;
}

namespace {

// The primary buffer has its size and format from the device; only volume and pan apply to it.
HRESULT check_primary_desc(const DSBUFFERDESC& desc) {
    if (desc.dwBufferBytes != 0 || desc.lpwfxFormat ||
        (desc.dwFlags & (DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPOSITIONNOTIFY)))
        return DSERR_INVALIDPARAM;
    return DS_OK;
}

HRESULT check_secondary_desc(const DSBUFFERDESC& desc) {
    if (!desc.lpwfxFormat) return DSERR_INVALIDPARAM;
    if (!dsound_format_valid(desc.lpwfxFormat)) return DSERR_BADFORMAT;
    if (desc.dwBufferBytes < DSBSIZE_MIN || desc.dwBufferBytes > DSBSIZE_MAX ||
        desc.dwBufferBytes % desc.lpwfxFormat->nBlockAlign != 0)
        return DSERR_INVALIDPARAM;
    return DS_OK;
}

// A secondary buffer for a checked description, its samples silent; null without memory.
DsBuffer* new_secondary(DsDevice* device, const DSBUFFERDESC& desc) {
    DsBuffer* created = new (std::nothrow) DsBuffer;
    if (!created) return nullptr;
    // The share count and the samples in one block: one allocation, as before duplicates.
    void* block = std::malloc(sizeof(DsSamples) + desc.dwBufferBytes);
    if (!block) {
        delete created;
        return nullptr;
    }
    created->samples = static_cast<DsSamples*>(block);
    created->samples->bytes = reinterpret_cast<std::uint8_t*>(created->samples + 1);
    created->samples->users = 1;
    created->memory = created->samples->bytes;
    const WAVEFORMATEX& f = *desc.lpwfxFormat;
    std::memset(created->memory, f.wBitsPerSample == 8 ? 0x80 : 0, desc.dwBufferBytes);
    created->device = device;
    created->flags = desc.dwFlags;
    created->bytes = desc.dwBufferBytes;
    created->format = f;
    created->format.cbSize = 0;
    created->frequency = f.nSamplesPerSec;
    MixVoice& v = created->voice;
    v.data = created->memory;
    v.frames = desc.dwBufferBytes / f.nBlockAlign;
    v.channels = f.nChannels;
    v.bits = f.wBitsPerSample;
    v.step = mix_step(f.nSamplesPerSec, AUDIO_OUTPUT_RATE);
    v.left_gain = v.right_gain = MIX_UNITY_GAIN;
    return created;
}

} // namespace

HRESULT DsDevice::CreateSoundBuffer(LPCDSBUFFERDESC desc, LPDIRECTSOUNDBUFFER* buffer,
                                    IUnknown* outer) {
    if (!buffer) return DSERR_INVALIDPARAM;
    *buffer = nullptr;
    if (dsound_call_fails()) return DSERR_GENERIC;
    if (outer) return DSERR_NOAGGREGATION;
    if (!desc || desc->dwSize != sizeof(DSBUFFERDESC)) return DSERR_INVALIDPARAM;
    // 3D sound and effects are not part of this subset.
    if (desc->dwFlags & (DSBCAPS_CTRL3D | DSBCAPS_CTRLFX)) return DSERR_UNSUPPORTED;
    if (desc->dwFlags & DSBCAPS_PRIMARYBUFFER) {
        const HRESULT checked = check_primary_desc(*desc);
        return FAILED(checked) ? checked : dsound_create_primary(this, desc->dwFlags, buffer);
    }
    const HRESULT checked = check_secondary_desc(*desc);
    if (FAILED(checked)) return checked;
    DsBuffer* created = new_secondary(this, *desc);
    if (!created) return DSERR_OUTOFMEMORY;
    {
        std::lock_guard<std::mutex> hold(dsound_lock);
        created->next = buffers;
        if (buffers) buffers->previous = created;
        buffers = created;
    }
    dsound_count_object(1);
    *buffer = created;
    return DS_OK;
}

HRESULT DsDevice::DuplicateSoundBuffer(LPDIRECTSOUNDBUFFER original,
                                       LPDIRECTSOUNDBUFFER* duplicate) {
    if (!duplicate) return DSERR_INVALIDPARAM;
    *duplicate = nullptr;
    if (!original) return DSERR_INVALIDPARAM;
    if (dsound_call_fails()) return DSERR_GENERIC;
    // Only this device's secondary buffers are duplicated: not the primary buffer, which has no
    // samples to share, nor a lost one. Only this thread changes the list, so it reads it freely.
    DsBuffer* source = buffers;
    while (source && static_cast<LPDIRECTSOUNDBUFFER>(source) != original)
        source = source->next;
    if (!source) return DSERR_INVALIDCALL;
    DsBuffer* created = new (std::nothrow) DsBuffer;
    if (!created) return DSERR_OUTOFMEMORY;
    created->device = this;
    static_cast<DsSettings&>(*created) = *source;
    created->samples = source->samples;
    created->memory = source->memory;
    ++created->samples->users;
    {
        std::lock_guard<std::mutex> hold(dsound_lock);
        // The same parameters, stopped at the start.
        created->voice = source->voice;
        created->voice.position = 0;
        created->voice.playing = 0;
        created->voice.looping = 0;
        created->next = buffers;
        if (buffers) buffers->previous = created;
        buffers = created;
    }
    dsound_count_object(1);
    *duplicate = created;
    return DS_OK;
}
