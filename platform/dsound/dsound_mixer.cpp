// The mixer's arithmetic: decibel curves, linear resampling, summing and clipping.
#include "platform/dsound/dsound_mixer.h"

#include <cmath>

namespace {

// One channel of one frame, as a signed 16-bit value.
inline std::int32_t read_sample(const MixVoice& voice, std::uint32_t frame, int channel) {
    if (voice.bits == 8) {
        const std::uint8_t* p = voice.data + static_cast<std::size_t>(frame) * voice.channels;
        return (static_cast<std::int32_t>(p[channel]) - 128) * 256;
    }
    const std::uint8_t* p =
        voice.data + static_cast<std::size_t>(frame) * voice.channels * 2 + channel * 2;
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | (p[1] << 8)));
}

// Linear interpolation between a frame and the next; the one after the last is the first
// again for a looping voice, and the last itself otherwise.
inline std::int32_t interpolate(const MixVoice& voice, std::uint32_t frame, std::int32_t frac,
                                int channel) {
    const std::int32_t a = read_sample(voice, frame, channel);
    if (frac == 0) return a;
    std::uint32_t next = frame + 1;
    if (next >= voice.frames) next = voice.looping ? 0 : frame;
    const std::int32_t b = read_sample(voice, next, channel);
    return a + static_cast<std::int32_t>((static_cast<std::int64_t>(b - a) * frac) >> 16);
}

inline std::int32_t scale(std::int32_t sample, std::int32_t gain) {
    return static_cast<std::int32_t>((static_cast<std::int64_t>(sample) * gain + 0x8000) >> 16);
}

} // namespace

std::int32_t mix_gain(LONG hundredths) {
    if (hundredths >= 0) return MIX_UNITY_GAIN;
    if (hundredths <= -10000) return 0;
    return static_cast<std::int32_t>(std::lround(std::pow(10.0, hundredths / 2000.0) * 65536.0));
}

void mix_pan_gains(LONG volume, LONG pan, std::int32_t* left, std::int32_t* right) {
    const LONG left_cut = pan > 0 ? pan : 0;
    const LONG right_cut = pan < 0 ? -pan : 0;
    *left = mix_gain(volume - left_cut);
    *right = mix_gain(volume - right_cut);
}

std::uint64_t mix_step(DWORD rate, DWORD output_rate) {
    if (output_rate == 0) return 0;
    return (static_cast<std::uint64_t>(rate) << 32) / output_rate;
}

void mix_voice_add(MixVoice* voice, std::int32_t* sum, int frames) {
    if (!voice->playing || voice->frames == 0 || !voice->data) return;
    const std::uint64_t end = static_cast<std::uint64_t>(voice->frames) << 32;
    const bool silent = voice->left_gain == 0 && voice->right_gain == 0;
    for (int i = 0; i < frames; ++i) {
        if (voice->position >= end) {
            if (!voice->looping) {
                voice->playing = 0;
                voice->position = 0;
                return;
            }
            voice->position %= end;
        }
        if (!silent) {
            const std::uint32_t frame = static_cast<std::uint32_t>(voice->position >> 32);
            const std::int32_t frac =
                static_cast<std::int32_t>((voice->position & 0xFFFFFFFFu) >> 16);
            const std::int32_t l = interpolate(*voice, frame, frac, 0);
            const std::int32_t r = voice->channels == 2 ? interpolate(*voice, frame, frac, 1) : l;
            sum[2 * i] += scale(l, voice->left_gain);
            sum[2 * i + 1] += scale(r, voice->right_gain);
        }
        voice->position += voice->step;
    }
    if (voice->position >= end) {
        if (voice->looping)
            voice->position %= end;
        else {
            voice->playing = 0;
            voice->position = 0;
        }
    }
}

void mix_voice_skip(MixVoice* voice, std::uint64_t frames) {
    if (!voice->playing || voice->frames == 0 || !voice->data) return;
    const std::uint64_t end = static_cast<std::uint64_t>(voice->frames) << 32;
    // Wide enough for an hour away at the highest rate.
    unsigned __int128 at = voice->position + static_cast<unsigned __int128>(voice->step) * frames;
    if (at >= end) {
        if (!voice->looping) {
            voice->playing = 0;
            voice->position = 0;
            return;
        }
        at %= end;
    }
    voice->position = static_cast<std::uint64_t>(at);
}

void mix_clip(const std::int32_t* sum, std::int16_t* out, int samples) {
    for (int i = 0; i < samples; ++i) {
        const std::int32_t s = sum[i];
        out[i] = static_cast<std::int16_t>(s > 32767 ? 32767 : (s < -32768 ? -32768 : s));
    }
}
