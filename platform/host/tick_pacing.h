// The millisecond clock's rule for callers that poll it in a loop: the first few readings of
// one millisecond are answered at once, further ones rest until the next millisecond.
#pragma once

#include <cstdint>

// Readings within one millisecond answered at once: a pass of the game's loop takes a few
// for itself (the wait's closing reading, the next pass's start, the screen's refresh),
// and making those wait would lengthen every pass by as many milliseconds.
constexpr int QUICK_READINGS_PER_MILLISECOND = 4;

// Out of sight (minimised), a wait on the clock rests this much longer at each step: nobody
// sees the passes end a few milliseconds late, and the processor wakes a sixth as often.
constexpr int OUT_OF_SIGHT_EXTRA_REST_MS = 5;

struct TickPacing {
    std::int64_t last = -1; // the last reading handed out; -1 before the first
    int readings = 0;       // how many times it has been handed out
};

// A reading of `read_ms`. Polled over and over within one millisecond, the answer cannot
// change, so the caller (a wait on the clock) calls `rest` with the next millisecond until
// the clock reaches it, instead of spinning: the processor idles, and in a browser the page
// gets its turn. Every answer is the clock's own reading.
std::int64_t paced_reading(TickPacing* pacing, std::int64_t (*read_ms)(),
                           void (*rest)(std::int64_t next_ms));
