// The game with one injected failure: scripted keys start a game, walk, jump, go back to the
// menu and quit by a click, while the counter fails the chosen call.
#include "sweep_child.h"

#include "failing_allocations.h"

#include "engine/display/error_log.h"
#include "game/screens.h"
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/dsound/dsound_faults.h"
#include "platform/dsound/dsound_state.h"
#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"
#include "platform/win32.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

SweepKind Kind = SweepKind::DirectDraw;
int PlayedFrames = 0;
// The error log, kept in a file of the C library's own so that it can be read back at exit.
std::FILE* Log = nullptr;

void count_played(const HeadlessFrame&) {
    if (GameState == STATE_PLAYING) ++PlayedFrames;
}

int counted_calls() {
    switch (Kind) {
    case SweepKind::Allocation:
        return failing_allocations_disarm();
    case SweepKind::DirectSound:
        return dsound_failable_calls();
    default:
        return ddraw_failable_calls();
    }
}

int logged_sound_failures() {
    if (!Log) return -1;
    std::fflush(Log);
    std::rewind(Log);
    int lines = 0;
    char line[512];
    while (std::fgets(line, sizeof line, Log))
        if (std::strstr(line, SWEEP_SOUND_FAILURE_CODE)) ++lines;
    return lines;
}

// Runs at exit, also when the game ends the process itself for want of artwork.
void report() {
    const int counted = counted_calls();
    std::printf(SWEEP_REPORT, counted, ddraw_live_objects(), PlayedFrames, dsound_objects_alive(),
                logged_sound_failures());
    std::printf("\n");
    std::fflush(stdout);
}

// A pass of the main loop takes a little over 30 ms of the virtual clock, so the game is
// played for about 20 frames between Enter and the first Escape.
void script_play() {
    headless_script_key(1, VK_RETURN, 1);
    headless_script_key(40, VK_RETURN, 0);
    headless_script_key(70, VK_RIGHT, 1);
    headless_script_key(130, 'C', 1);
    headless_script_key(250, 'C', 0);
    headless_script_key(400, VK_RIGHT, 0);
    headless_script_key(450, VK_LEFT, 1);
    headless_script_key(560, VK_LEFT, 0);
    headless_script_key(660, VK_ESCAPE, 1);
    headless_script_key(700, VK_ESCAPE, 0);
    // The menu's quit entry.
    headless_script_click(760, 270, 355);
    // Should a failure have spoiled the click, closing the window still ends the loop.
    headless_script_close(2000);
}

} // namespace

void run_sweep_child(SweepKind kind, int failing_number) {
    platform_reset();
    script_play();
    headless_keep_frames(1);
    headless_on_present(count_played);
    Kind = kind;
    Log = std::tmpfile();
    if (Log) open_error_log(nullptr, Log);
    std::atexit(report);
    // Nothing before set-up makes a DirectDraw call or a counted allocation, so arming here
    // sweeps set-up, the frames and tear-down.
    if (kind == SweepKind::DirectDraw)
        ddraw_fail_call_number(failing_number);
    else if (kind == SweepKind::DirectSound)
        dsound_fail_call_number(failing_number);
    else
        failing_allocations_arm(failing_number);
    char command_line[] = "";
    const int code = WinMain(nullptr, nullptr, command_line, SW_SHOWNORMAL);
    std::exit(code);
}
