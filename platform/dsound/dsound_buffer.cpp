// A secondary sound buffer: its memory (shared with its duplicates), locked in up to two parts
// as a ring, and the play state, volume, pan and frequency that the mixer reads under the
// shared lock.
#include "platform/dsound/dsound_state.h"

#include "platform/dsound/dsound_faults.h"
#include "platform/host/host_audio.h"

#include <cstdlib>

namespace {

// How far ahead of the play cursor the write cursor runs while playing: about 15 ms.
DWORD write_lead(const DsBuffer& b) {
    const DWORD frames = b.frequency * 15 / 1000 + 1;
    return frames * b.format.nBlockAlign;
}

DWORD play_cursor(const DsBuffer& b) {
    return static_cast<DWORD>(b.voice.position >> 32) * b.format.nBlockAlign;
}

bool inside(const DsBuffer& b, const void* p, DWORD bytes) {
    const std::uint8_t* q = static_cast<const std::uint8_t*>(p);
    if (q < b.memory || q > b.memory + b.bytes) return false;
    return bytes <= static_cast<DWORD>(b.memory + b.bytes - q);
}

// A lock's parts start out empty, so that a refused lock hands out nothing; the second part is
// optional.
void clear_parts(LPVOID* part1, LPDWORD bytes1, LPVOID* part2, LPDWORD bytes2) {
    *part1 = nullptr;
    *bytes1 = 0;
    if (part2) *part2 = nullptr;
    if (bytes2) *bytes2 = 0;
}

} // namespace

HRESULT DsBuffer::QueryInterface(REFIID iid, LPVOID* object) {
    if (!object) return DSERR_INVALIDPARAM;
    *object = nullptr;
    if (dsound_call_fails()) return DSERR_GENERIC;
    if (dsound_same_id(iid, IID_IDirectSoundBuffer8))
        *object = static_cast<IDirectSoundBuffer8*>(this);
    else if (dsound_same_id(iid, IID_IUnknown))
        *object = static_cast<IUnknown*>(this);
    else
        return DSERR_NOINTERFACE;
    ++refs;
    return DS_OK;
}

DWORD DsBuffer::AddRef() {
    return ++refs;
}

DWORD DsBuffer::Release() {
    if (--refs > 0) return refs;
    dsound_catch_up();
    {
        std::lock_guard<std::mutex> hold(dsound_lock);
        if (device) {
            if (previous)
                previous->next = next;
            else
                device->buffers = next;
            if (next) next->previous = previous;
        }
    }
    if (--samples->users == 0) std::free(samples);
    dsound_count_object(-1);
    delete this;
    return 0;
}

HRESULT DsBuffer::GetCaps(LPDSBCAPS caps) {
    return dsound_get_caps(*this, caps);
}

HRESULT DsBuffer::GetFormat(LPWAVEFORMATEX to, DWORD room, LPDWORD written) {
    return dsound_get_format(*this, to, room, written);
}

HRESULT DsBuffer::GetVolume(LPLONG to) {
    return dsound_get_volume(*this, to);
}

HRESULT DsBuffer::GetPan(LPLONG to) {
    return dsound_get_pan(*this, to);
}

HRESULT DsBuffer::GetFrequency(LPDWORD to) {
    return dsound_get_frequency(*this, to);
}

HRESULT DsBuffer::GetCurrentPosition(LPDWORD play, LPDWORD write) {
    if (dsound_call_fails()) return DSERR_GENERIC;
    // Either cursor may be left out; leaving out both asks for nothing.
    if (!play && !write) return DS_OK;
    dsound_catch_up();
    std::lock_guard<std::mutex> hold(dsound_lock);
    const DWORD at = play_cursor(*this);
    if (play) *play = at;
    if (write) *write = voice.playing ? (at + write_lead(*this)) % bytes : at;
    return DS_OK;
}

HRESULT DsBuffer::GetStatus(LPDWORD status) {
    if (!status) return DSERR_INVALIDPARAM;
    if (dsound_call_fails()) return DSERR_GENERIC;
    dsound_catch_up();
    std::lock_guard<std::mutex> hold(dsound_lock);
    *status = device ? 0 : DSBSTATUS_BUFFERLOST;
    if (voice.playing) *status |= DSBSTATUS_PLAYING | (voice.looping ? DSBSTATUS_LOOPING : 0);
    return DS_OK;
}

HRESULT DsBuffer::Lock(DWORD offset, DWORD count, LPVOID* part1, LPDWORD bytes1, LPVOID* part2,
                       LPDWORD bytes2, DWORD lock_flags) {
    if (!part1 || !bytes1) return DSERR_INVALIDPARAM;
    clear_parts(part1, bytes1, part2, bytes2);
    if (dsound_call_fails()) return DSERR_GENERIC;
    if (!device) return DSERR_BUFFERLOST;
    if (lock_flags & DSBLOCK_FROMWRITECURSOR) {
        DWORD write = 0;
        GetCurrentPosition(nullptr, &write);
        offset = write;
    }
    if (lock_flags & DSBLOCK_ENTIREBUFFER) count = bytes;
    if (offset >= bytes || count == 0 || count > bytes) return DSERR_INVALIDPARAM;
    // A lock running past the end goes on from the start, in the second part.
    const DWORD first = count < bytes - offset ? count : bytes - offset;
    *part1 = memory + offset;
    *bytes1 = first;
    if (count > first && part2 && bytes2) {
        *part2 = memory;
        *bytes2 = count - first;
    }
    return DS_OK;
}

HRESULT DsBuffer::Unlock(LPVOID part1, DWORD bytes1, LPVOID part2, DWORD bytes2) {
    if (dsound_call_fails()) return DSERR_GENERIC;
    if (!part1 || !inside(*this, part1, bytes1)) return DSERR_INVALIDPARAM;
    if (part2 && !inside(*this, part2, bytes2)) return DSERR_INVALIDPARAM;
    return DS_OK;
}

HRESULT DsBuffer::Play(DWORD reserved1, DWORD, DWORD play_flags) {
    if (dsound_call_fails()) return DSERR_GENERIC;
    if (reserved1 != 0) return DSERR_INVALIDPARAM;
    if (!device) return DSERR_BUFFERLOST;
    // Buffers are made at any time, but play only once the program has a cooperative level.
    if (device->level == 0) return DSERR_PRIOLEVELNEEDED;
    dsound_catch_up();
    std::lock_guard<std::mutex> hold(dsound_lock);
    voice.looping = (play_flags & DSBPLAY_LOOPING) ? 1 : 0;
    voice.playing = 1;
    return DS_OK;
}

HRESULT DsBuffer::Stop() {
    if (dsound_call_fails()) return DSERR_GENERIC;
    dsound_catch_up();
    std::lock_guard<std::mutex> hold(dsound_lock);
    voice.playing = 0;
    return DS_OK;
}

HRESULT DsBuffer::SetCurrentPosition(DWORD position) {
    if (dsound_call_fails()) return DSERR_GENERIC;
    if (position >= bytes) return DSERR_INVALIDPARAM;
    dsound_catch_up();
    std::lock_guard<std::mutex> hold(dsound_lock);
    voice.position = static_cast<std::uint64_t>(position / format.nBlockAlign) << 32;
    return DS_OK;
}

HRESULT DsBuffer::SetFormat(LPCWAVEFORMATEX) {
    if (dsound_call_fails()) return DSERR_GENERIC;
    // A secondary buffer keeps the format it was made with.
    return DSERR_INVALIDCALL;
}

HRESULT DsBuffer::Restore() {
    if (dsound_call_fails()) return DSERR_GENERIC;
    // Memory is lost only with the device, and nothing brings that back.
    return device ? DS_OK : DSERR_BUFFERLOST;
}

HRESULT DsBuffer::SetVolume(LONG new_volume) {
    const HRESULT checked = dsound_check_volume(*this, new_volume);
    if (checked != DS_OK) return checked;
    dsound_catch_up();
    std::lock_guard<std::mutex> hold(dsound_lock);
    volume = new_volume;
    mix_pan_gains(volume, pan, &voice.left_gain, &voice.right_gain);
    return DS_OK;
}

HRESULT DsBuffer::SetPan(LONG new_pan) {
    const HRESULT checked = dsound_check_pan(*this, new_pan);
    if (checked != DS_OK) return checked;
    dsound_catch_up();
    std::lock_guard<std::mutex> hold(dsound_lock);
    pan = new_pan;
    mix_pan_gains(volume, pan, &voice.left_gain, &voice.right_gain);
    return DS_OK;
}

HRESULT DsBuffer::SetFrequency(DWORD new_frequency) {
    if (dsound_call_fails()) return DSERR_GENERIC;
    if (!(flags & DSBCAPS_CTRLFREQUENCY)) return DSERR_CONTROLUNAVAIL;
    if (new_frequency == DSBFREQUENCY_ORIGINAL) new_frequency = format.nSamplesPerSec;
    if (new_frequency < DSBFREQUENCY_MIN || new_frequency > DSBFREQUENCY_MAX)
        return DSERR_INVALIDPARAM;
    dsound_catch_up();
    std::lock_guard<std::mutex> hold(dsound_lock);
    frequency = new_frequency;
    voice.step = mix_step(frequency, AUDIO_OUTPUT_RATE);
    return DS_OK;
}
