// One run of the sweep, in a process of its own: the real game with its sounds on the headless
// backend, from set-up through about 20 played frames to tear-down, with one call made to fail.
#pragma once

enum class SweepKind { DirectDraw, Allocation, DirectSound };

// The line a run prints last, on standard output, however the game ended: how many calls
// of the swept kind it made, how many DirectDraw objects were still alive, how many frames
// were presented on the playing screen, how many DirectSound objects were still alive, and
// how many lines of the error log carry the code of an injected DirectSound failure.
constexpr const char* SWEEP_REPORT =
    "sweep-report counted=%d live=%d played=%d sound-live=%d logged=%d";
// The code every injected DirectSound failure returns, as the error log shows it.
constexpr const char* SWEEP_SOUND_FAILURE_CODE = "0x80004005";

// Runs WinMain with the call of that kind numbered `failing_number` failing, then ends the
// process with WinMain's exit code.
[[noreturn]] void run_sweep_child(SweepKind kind, int failing_number);
