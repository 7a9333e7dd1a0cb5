// One run of the sweep, in a process of its own: the real game on the headless backend,
// from set-up through about 20 played frames to tear-down, with one call made to fail.
#pragma once

enum class SweepKind { DirectDraw, Allocation };

// The line a run prints last, on standard output, however the game ended: how many calls
// of the swept kind it made, how many DirectDraw objects were still alive, and how many
// frames were presented on the playing screen.
constexpr const char* SWEEP_REPORT = "sweep-report counted=%d live=%d played=%d";

// Runs WinMain with the call of that kind numbered `failing_number` failing, then ends the
// process with WinMain's exit code.
[[noreturn]] void run_sweep_child(SweepKind kind, int failing_number);
