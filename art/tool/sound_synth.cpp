// The synthesiser: each note's oscillator advanced by its own phase, so a glide never jumps,
// shaped by its envelope and added into one buffer.
#include "art/tool/sound_synth.h"

#include <algorithm>
#include <cmath>

namespace {

double envelope(const Note& note, double t) {
    double level = note.level;
    if (note.attack > 0 && t < note.attack) level *= t / note.attack;
    const double held = t - note.attack;
    if (note.half_life > 0 && held > 0) level *= std::exp2(-held / note.half_life);
    const double left = note.length - t;
    if (note.release > 0 && left < note.release) level *= std::max(0.0, left / note.release);
    return level;
}

void render_note(const Note& note, int rate, std::vector<double>& mix) {
    const long first = std::lround(note.start * rate);
    const long count = std::lround(note.length * rate);
    double phase = 0;
    // A 15-bit shift register, as the noise of the sound chips of old: the same hiss on
    // every build.
    std::uint32_t noise = 1;
    double noise_value = 1;
    for (long i = 0; i < count; ++i) {
        const long at = first + i;
        if (at < 0 || at >= static_cast<long>(mix.size())) continue;
        const double t = static_cast<double>(i) / rate;
        const double hz = note.hz + (note.end_hz - note.hz) * t / note.length;
        double value = 0;
        switch (note.voice) {
        case Voice::Square:
            value = phase < note.duty ? 1.0 : -1.0;
            break;
        case Voice::Triangle:
            value = phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase;
            break;
        case Voice::Noise:
            value = noise_value;
            break;
        }
        mix[at] += value * envelope(note, t);
        phase += hz / rate;
        if (phase >= 1) {
            phase -= std::floor(phase);
            const std::uint32_t bit = (noise ^ (noise >> 1)) & 1;
            noise = (noise >> 1) | (bit << 14);
            noise_value = (noise & 1) ? 1.0 : -1.0;
        }
    }
}

} // namespace

std::vector<std::int16_t> render_notes(const std::vector<Note>& notes, double seconds, int rate) {
    std::vector<double> mix(static_cast<std::size_t>(std::lround(seconds * rate)), 0.0);
    for (const Note& note : notes)
        if (note.length > 0) render_note(note, rate, mix);
    std::vector<std::int16_t> samples(mix.size());
    for (std::size_t i = 0; i < mix.size(); ++i)
        samples[i] =
            static_cast<std::int16_t>(std::clamp(std::lround(mix[i] * 32767), -32768L, 32767L));
    return samples;
}

double key_hz(int key) {
    return 440.0 * std::exp2((key - 69) / 12.0);
}
