// A small chip synthesiser: square, triangle and noise voices with attack, decay and release,
// rendered as 16-bit mono samples.
#pragma once

#include <cstdint>
#include <vector>

enum class Voice { Square, Triangle, Noise };

// One sounding note. The pitch glides from `hz` to `end_hz` over the note; for noise it is how
// often the noise changes. After the attack the level falls by half every `half_life` seconds
// (0: it holds), and the last `release` seconds fade it to nothing.
struct Note {
    Voice voice;
    double start;  // seconds
    double length; // seconds
    double hz;
    double end_hz;
    double level; // 0 to 1 of full scale
    double attack;
    double half_life;
    double release;
    double duty = 0.5; // square: the share of each period spent high
};

// The notes summed over `seconds` at `rate`, clipped to 16 bits.
std::vector<std::int16_t> render_notes(const std::vector<Note>& notes, double seconds, int rate);

// The frequency of a note on the piano-key scale: 69 is A at 440 Hz.
double key_hz(int key);
