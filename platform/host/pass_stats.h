// How long the game's passes last, seen from the screen: the time between one presented
// frame and the next, kept apart for the screens with a cursor (menus) and without (play).
// Written to a file named by BRAMBLELEAP_PASS_STATS at close, for the end-to-end test.
#pragma once

#include <cstdint>

// Notes a frame presented at `now_us` (microseconds on a steady clock).
void pass_stats_frame(std::int64_t now_us, int cursor_visible);
// The window went out of sight: the pass under way spans the time away and does not count,
// and the stretches out of sight are counted, so the test knows the host reported them.
void pass_stats_out_of_sight();
// Writes the summary when the variable names a file, then forgets everything.
void pass_stats_finish();
