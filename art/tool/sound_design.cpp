// The sounds, written as notes: short blips and sweeps for the effects, and a tune of four
// bars over a walking bass that ends where it starts so it can loop.
#include "art/tool/sound_design.h"

#include "art/tool/sound_synth.h"

namespace {

constexpr double EIGHTH = 0.2; // seconds, 150 beats a minute

// Levels leave room for a jump, a bump and the tune at once without clipping.
std::vector<std::int16_t> menu_move() {
    return render_notes({{Voice::Square, 0, 0.05, 880, 880, 0.25, 0.002, 0.02, 0.01, 0.25}}, 0.05,
                        SOUND_RATE);
}

std::vector<std::int16_t> menu_choose() {
    return render_notes(
        {{Voice::Square, 0, 0.07, key_hz(76), key_hz(76), 0.25, 0.002, 0, 0.01},
         {Voice::Square, 0.07, 0.11, key_hz(83), key_hz(83), 0.25, 0.002, 0.05, 0.03}},
        0.18, SOUND_RATE);
}

std::vector<std::int16_t> jump() {
    return render_notes({{Voice::Square, 0, 0.18, 300, 760, 0.22, 0.005, 0.12, 0.04, 0.25}}, 0.18,
                        SOUND_RATE);
}

std::vector<std::int16_t> bump() {
    return render_notes({{Voice::Triangle, 0, 0.12, 180, 110, 0.3, 0.001, 0.04, 0.02},
                         {Voice::Noise, 0, 0.06, 3000, 3000, 0.1, 0.001, 0.015, 0.01}},
                        0.12, SOUND_RATE);
}

std::vector<std::int16_t> land() {
    return render_notes({{Voice::Noise, 0, 0.08, 1200, 600, 0.18, 0.001, 0.02, 0.02},
                         {Voice::Triangle, 0, 0.06, 90, 60, 0.18, 0.001, 0.03, 0.02}},
                        0.08, SOUND_RATE);
}

std::vector<std::int16_t> tune() {
    // Four bars of eighths in the lead (0 is a rest), a bass note on every beat, and a tick
    // of noise on the off-beats.
    const int lead[32] = {72, 76, 79, 76, 72, 76, 79, 84, 69, 72, 77, 72, 69, 72, 77, 81,
                          67, 71, 74, 71, 67, 71, 74, 79, 72, 76, 79, 84, 79, 76, 72, 0};
    const int bass[16] = {48, 48, 43, 48, 41, 41, 48, 41, 43, 43, 50, 43, 48, 43, 48, 48};
    std::vector<Note> notes;
    for (int i = 0; i < 32; ++i)
        if (lead[i])
            notes.push_back({Voice::Square, i * EIGHTH, EIGHTH * 0.9, key_hz(lead[i]),
                             key_hz(lead[i]), 0.16, 0.005, 0.25, 0.03, 0.25});
    for (int i = 0; i < 16; ++i)
        notes.push_back({Voice::Triangle, i * 2 * EIGHTH, 2 * EIGHTH * 0.95, key_hz(bass[i]),
                         key_hz(bass[i]), 0.3, 0.005, 0, 0.04});
    for (int i = 0; i < 16; ++i)
        notes.push_back(
            {Voice::Noise, (2 * i + 1) * EIGHTH, 0.03, 6000, 6000, 0.06, 0.001, 0.01, 0.01});
    return render_notes(notes, 32 * EIGHTH, SOUND_RATE);
}

} // namespace

std::vector<GameSound> design_game_sounds() {
    return {{"menumove.wav", menu_move()}, {"menuchoose.wav", menu_choose()},
            {"jump.wav", jump()},          {"bump.wav", bump()},
            {"land.wav", land()},          {"tune.wav", tune()}};
}
