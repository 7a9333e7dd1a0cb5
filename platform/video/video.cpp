// Which video backend shows the screen, its clock, and when the screen's changes reach it.
#include "platform/video/video.h"
#ifdef __EMSCRIPTEN__
#include "platform/video/web/web_backend.h"
#elif defined(_WIN32)
#include "platform/video/win32/win32_backend.h"
#else
#include "platform/video/sdl/sdl_backend.h"
#endif

namespace {

// A display refreshes about every 16 ms; changes that do not flip show at that pace.
constexpr DWORD REFRESH_INTERVAL_MS = 16;

VideoBackend* Backend = nullptr;
VideoScreenSource ScreenSource = nullptr;
int ChangePending = 0;
// Nothing is presented while the window is out of sight; the change waits for its return.
int Hidden = 0;
int EverPresented = 0;
DWORD LastPresent = 0;
DWORD LastTicks = 0;

void present_now(DWORD now) {
    if (Hidden) {
        ChangePending = 1;
        return;
    }
    ChangePending = 0;
    EverPresented = 1;
    LastPresent = now;
    VideoPicture picture = {};
    if (!ScreenSource || !ScreenSource(&picture)) return;
    video_backend()->present(&picture);
    // Writes through a lock that stays open keep reaching the screen at the refresh pace,
    // as on a real display, so a wipe into the locked primary is seen step by step.
    if (picture.being_written) ChangePending = 1;
}

DWORD take_reading() {
    LastTicks = video_backend()->ticks();
    return LastTicks;
}

void refresh_at(DWORD now) {
    // The difference is taken unsigned so the clock's wrap does not stall presenting.
    if (ChangePending && (!EverPresented || now - LastPresent >= REFRESH_INTERVAL_MS))
        present_now(now);
}

} // namespace

VideoBackend* video_backend() {
#ifdef __EMSCRIPTEN__
    if (!Backend) Backend = web_video_backend();
#elif defined(_WIN32)
    if (!Backend) Backend = win32_video_backend();
#else
    if (!Backend) Backend = sdl_video_backend();
#endif
    return Backend;
}

void video_use_backend(VideoBackend* backend) {
    Backend = backend;
}

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

DWORD video_read_clock() {
    DWORD now = take_reading();
    refresh_at(now);
    return now;
}

DWORD video_last_ticks() {
    return LastTicks;
}

void video_refresh() {
    if (ChangePending) refresh_at(take_reading());
}

void video_set_hidden(int hidden) {
    Hidden = hidden != 0;
    // Back in sight, the picture is put right at once, whatever was missed.
    if (!Hidden) present_now(take_reading());
}

void video_reset() {
    Hidden = 0;
    ChangePending = 0;
    EverPresented = 0;
    LastPresent = 0;
    LastTicks = 0;
}
