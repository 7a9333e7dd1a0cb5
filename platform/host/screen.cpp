// The host's clock as the screen reads it, the program's rests, and when the screen's changes
// reach the host.
#include "platform/host/screen.h"
#include "platform/host/pass_stats.h"

namespace {

// A display refreshes about every 16 ms; changes that do not flip show at that pace.
constexpr std::uint32_t REFRESH_INTERVAL_MS = 16;

VideoScreenSource ScreenSource = nullptr;
int ChangePending = 0;
// Nothing is presented while the window is out of sight; the change waits for its return.
int Hidden = 0;
int EverPresented = 0;
std::uint32_t LastPresent = 0;
std::uint32_t LastTicks = 0;

void present_now(std::uint32_t now) {
    if (Hidden) {
        ChangePending = 1;
        return;
    }
    ChangePending = 0;
    EverPresented = 1;
    LastPresent = now;
    VideoPicture picture = {};
    if (!ScreenSource || !ScreenSource(&picture)) return;
    host()->present(&picture);
    // Writes through a lock that stays open keep reaching the screen at the refresh pace,
    // as on a real display, so a wipe into the locked primary is seen step by step.
    if (picture.being_written) ChangePending = 1;
}

std::uint32_t take_reading() {
    LastTicks = host()->ticks();
    return LastTicks;
}

void refresh_at(std::uint32_t now) {
    // The difference is taken unsigned so the clock's wrap does not stall presenting.
    if (ChangePending && (!EverPresented || now - LastPresent >= REFRESH_INTERVAL_MS))
        present_now(now);
}

} // namespace

void video_set_screen_source(VideoScreenSource source) {
    ScreenSource = source;
}

void video_screen_changed(int now) {
    if (!now) {
        ChangePending = 1;
        return;
    }
    present_now(take_reading());
}

std::uint32_t video_read_clock() {
    return take_reading();
}

void video_rest_until(std::uint32_t deadline) {
    // The program rests when its pass is drawn: what it changed without a flip shows now, at
    // most once a pass, so the refresh's pace is not needed.
    if (ChangePending) present_now(take_reading());
    if (host()->rest_until) host()->rest_until(deadline);
}

std::uint32_t video_last_ticks() {
    return LastTicks;
}

void video_refresh() {
    if (ChangePending) refresh_at(take_reading());
}

void video_set_hidden(int hidden) {
    if (hidden && !Hidden) pass_stats_out_of_sight();
    Hidden = hidden != 0;
    // Back in sight, the picture is put right at once, whatever was missed.
    if (!Hidden) present_now(take_reading());
}

int video_hidden() {
    return Hidden;
}

void video_reset() {
    Hidden = 0;
    ChangePending = 0;
    EverPresented = 0;
    LastPresent = 0;
    LastTicks = 0;
}
