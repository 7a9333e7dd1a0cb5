// What a buffer reads back, primary or secondary alike: its caps, its format and the volume,
// pan and frequency it was made to control, and the checks before those controls change.
#include "platform/dsound/dsound_state.h"

#include "platform/dsound/dsound_faults.h"

#include <cstring>

namespace {

template <typename T> HRESULT read_control(DWORD flags, DWORD control, T value, T* to) {
    if (!to) return DSERR_INVALIDPARAM;
    if (dsound_call_fails()) return DSERR_GENERIC;
    if (!(flags & control)) return DSERR_CONTROLUNAVAIL;
    *to = value;
    return DS_OK;
}

HRESULT check_control(DWORD flags, DWORD control, LONG value, LONG lowest, LONG highest) {
    if (dsound_call_fails()) return DSERR_GENERIC;
    if (!(flags & control)) return DSERR_CONTROLUNAVAIL;
    if (value < lowest || value > highest) return DSERR_INVALIDPARAM;
    return DS_OK;
}

} // namespace

HRESULT dsound_get_caps(const DsSettings& s, LPDSBCAPS caps) {
    if (!caps || caps->dwSize != sizeof(DSBCAPS)) return DSERR_INVALIDPARAM;
    if (dsound_call_fails()) return DSERR_GENERIC;
    // Every buffer is mixed in software.
    caps->dwFlags = s.flags | DSBCAPS_LOCSOFTWARE;
    caps->dwBufferBytes = s.bytes;
    caps->dwUnlockTransferRate = 0;
    caps->dwPlayCpuOverhead = 0;
    return DS_OK;
}

HRESULT dsound_get_format(const DsSettings& s, LPWAVEFORMATEX to, DWORD room, LPDWORD written) {
    if (!to && !written) return DSERR_INVALIDPARAM;
    if (to && room < sizeof(WAVEFORMATEX)) return DSERR_INVALIDPARAM;
    if (dsound_call_fails()) return DSERR_GENERIC;
    // Without a place for the format, the caller learns the room it needs.
    if (to) std::memcpy(to, &s.format, sizeof(WAVEFORMATEX));
    if (written) *written = sizeof(WAVEFORMATEX);
    return DS_OK;
}

HRESULT dsound_get_volume(const DsSettings& s, LPLONG to) {
    return read_control(s.flags, DSBCAPS_CTRLVOLUME, s.volume, to);
}

HRESULT dsound_get_pan(const DsSettings& s, LPLONG to) {
    return read_control(s.flags, DSBCAPS_CTRLPAN, s.pan, to);
}

HRESULT dsound_get_frequency(const DsSettings& s, LPDWORD to) {
    return read_control(s.flags, DSBCAPS_CTRLFREQUENCY, s.frequency, to);
}

HRESULT dsound_check_volume(const DsSettings& s, LONG volume) {
    return check_control(s.flags, DSBCAPS_CTRLVOLUME, volume, DSBVOLUME_MIN, DSBVOLUME_MAX);
}

HRESULT dsound_check_pan(const DsSettings& s, LONG pan) {
    return check_control(s.flags, DSBCAPS_CTRLPAN, pan, DSBPAN_LEFT, DSBPAN_RIGHT);
}
