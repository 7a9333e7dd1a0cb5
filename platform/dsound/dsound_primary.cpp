// The primary buffer: made to set the output's format and the whole mix's volume and pan, and
// played looping to keep the stream going. Its samples are the mixer's; no program writes them.
#include "platform/dsound/dsound_state.h"

#include "platform/dsound/dsound_faults.h"

#include <new>

namespace {

// What the primary buffer reports before the program sets a format: the stream itself.
WAVEFORMATEX output_format() {
    WAVEFORMATEX f{};
    f.wFormatTag = WAVE_FORMAT_PCM;
    f.nChannels = 2;
    f.wBitsPerSample = 16;
    f.nSamplesPerSec = AUDIO_OUTPUT_RATE;
    f.nBlockAlign = 4;
    f.nAvgBytesPerSec = f.nSamplesPerSec * f.nBlockAlign;
    return f;
}

// Whether any secondary buffer plays, which keeps the primary playing too.
bool mixing(const DsDevice& device) {
    std::lock_guard<std::mutex> hold(dsound_lock);
    for (const DsBuffer* b = device.buffers; b; b = b->next)
        if (b->voice.playing) return true;
    return false;
}

} // namespace

HRESULT dsound_create_primary(DsDevice* device, DWORD flags, LPDIRECTSOUNDBUFFER* buffer) {
    // There is one primary buffer; asking again gives the same one.
    if (device->primary) {
        device->primary->AddRef();
        *buffer = device->primary;
        return DS_OK;
    }
    DsPrimary* created = new (std::nothrow) DsPrimary;
    if (!created) return DSERR_OUTOFMEMORY;
    created->device = device;
    created->flags = flags;
    created->bytes = DS_PRIMARY_BYTES;
    created->format = output_format();
    device->primary = created;
    dsound_set_master(0, 0);
    dsound_count_object(1);
    *buffer = created;
    return DS_OK;
}

HRESULT DsPrimary::QueryInterface(REFIID iid, LPVOID* object) {
    if (!object) return DSERR_INVALIDPARAM;
    *object = nullptr;
    if (dsound_call_fails()) return DSERR_GENERIC;
    // The primary buffer has no IDirectSoundBuffer8.
    if (!dsound_same_id(iid, IID_IUnknown)) return DSERR_NOINTERFACE;
    ++refs;
    *object = static_cast<IUnknown*>(this);
    return DS_OK;
}

DWORD DsPrimary::AddRef() {
    return ++refs;
}

DWORD DsPrimary::Release() {
    if (--refs > 0) return refs;
    if (device) device->primary = nullptr;
    dsound_count_object(-1);
    delete this;
    return 0;
}

HRESULT DsPrimary::GetCaps(LPDSBCAPS caps) {
    return dsound_get_caps(*this, caps);
}

HRESULT DsPrimary::GetCurrentPosition(LPDWORD play, LPDWORD write) {
    if (dsound_call_fails()) return DSERR_GENERIC;
    // Both cursors run together through a ring of the stream's bytes.
    const DWORD at = static_cast<DWORD>(dsound_frames_mixed() % (DS_PRIMARY_BYTES / 4)) * 4;
    if (play) *play = at;
    if (write) *write = at;
    return DS_OK;
}

HRESULT DsPrimary::GetFormat(LPWAVEFORMATEX to, DWORD room, LPDWORD written) {
    return dsound_get_format(*this, to, room, written);
}

HRESULT DsPrimary::GetVolume(LPLONG to) {
    return dsound_get_volume(*this, to);
}

HRESULT DsPrimary::GetPan(LPLONG to) {
    return dsound_get_pan(*this, to);
}

HRESULT DsPrimary::GetFrequency(LPDWORD to) {
    // Never made with frequency control: its rate is the format's.
    return dsound_get_frequency(*this, to);
}

HRESULT DsPrimary::GetStatus(LPDWORD status) {
    if (!status) return DSERR_INVALIDPARAM;
    if (dsound_call_fails()) return DSERR_GENERIC;
    *status = device ? 0 : DSBSTATUS_BUFFERLOST;
    if (device && (played || mixing(*device))) *status |= DSBSTATUS_PLAYING | DSBSTATUS_LOOPING;
    return DS_OK;
}

HRESULT DsPrimary::Lock(DWORD, DWORD, LPVOID* part1, LPDWORD bytes1, LPVOID* part2, LPDWORD bytes2,
                        DWORD) {
    if (!part1 || !bytes1) return DSERR_INVALIDPARAM;
    *part1 = nullptr;
    *bytes1 = 0;
    if (part2) *part2 = nullptr;
    if (bytes2) *bytes2 = 0;
    if (dsound_call_fails()) return DSERR_GENERIC;
    if (!device) return DSERR_BUFFERLOST;
    // Only a program that writes the primary buffer itself may lock it, and this mixer keeps
    // the stream to itself.
    if (device->level != DSSCL_WRITEPRIMARY) return DSERR_PRIOLEVELNEEDED;
    return DSERR_UNSUPPORTED;
}

HRESULT DsPrimary::Play(DWORD reserved1, DWORD, DWORD play_flags) {
    if (dsound_call_fails()) return DSERR_GENERIC;
    if (reserved1 != 0 || !(play_flags & DSBPLAY_LOOPING)) return DSERR_INVALIDPARAM;
    if (!device) return DSERR_BUFFERLOST;
    if (device->level == 0) return DSERR_PRIOLEVELNEEDED;
    played = 1;
    return DS_OK;
}

HRESULT DsPrimary::SetCurrentPosition(DWORD) {
    if (dsound_call_fails()) return DSERR_GENERIC;
    return DSERR_INVALIDCALL;
}

HRESULT DsPrimary::SetFormat(LPCWAVEFORMATEX new_format) {
    if (!new_format) return DSERR_INVALIDPARAM;
    if (dsound_call_fails()) return DSERR_GENERIC;
    if (!device) return DSERR_BUFFERLOST;
    if (device->level < DSSCL_PRIORITY) return DSERR_PRIOLEVELNEEDED;
    if (!dsound_format_valid(new_format)) return DSERR_BADFORMAT;
    // The program's format is kept and reported; the stream stays as the output opened it, and
    // every buffer is resampled into it as before.
    format = *new_format;
    format.cbSize = 0;
    return DS_OK;
}

HRESULT DsPrimary::SetVolume(LONG new_volume) {
    const HRESULT checked = dsound_check_volume(*this, new_volume);
    if (checked != DS_OK) return checked;
    volume = new_volume;
    if (device) dsound_set_master(volume, pan);
    return DS_OK;
}

HRESULT DsPrimary::SetPan(LONG new_pan) {
    const HRESULT checked = dsound_check_pan(*this, new_pan);
    if (checked != DS_OK) return checked;
    pan = new_pan;
    if (device) dsound_set_master(volume, pan);
    return DS_OK;
}

HRESULT DsPrimary::SetFrequency(DWORD) {
    if (dsound_call_fails()) return DSERR_GENERIC;
    return DSERR_CONTROLUNAVAIL;
}

HRESULT DsPrimary::Stop() {
    if (dsound_call_fails()) return DSERR_GENERIC;
    // The stream goes on while secondary buffers play; only the silence between them stops.
    played = 0;
    return DS_OK;
}

HRESULT DsPrimary::Unlock(LPVOID, DWORD, LPVOID, DWORD) {
    if (dsound_call_fails()) return DSERR_GENERIC;
    return DSERR_INVALIDPARAM; // nothing was locked
}

HRESULT DsPrimary::Restore() {
    if (dsound_call_fails()) return DSERR_GENERIC;
    return device ? DS_OK : DSERR_BUFFERLOST;
}
