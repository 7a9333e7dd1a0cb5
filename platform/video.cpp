// Which video backend shows the screen, and when DirectDraw's screen changes reach it.
#include "platform/video.h"
#include "platform/win32_internal.h"

namespace {

// A display refreshes about every 16 ms; changes that do not flip show at that pace.
constexpr DWORD REFRESH_INTERVAL_MS = 16;

VideoBackend* Backend = nullptr;
int ChangePending = 0;
int EverPresented = 0;
DWORD LastPresent = 0;

void present_now(DWORD now) {
    ChangePending = 0;
    EverPresented = 1;
    LastPresent = now;
    VideoPicture picture = {};
    if (ddraw_screen_picture(&picture)) video_backend()->present(&picture);
}

} // namespace

VideoBackend* video_backend() {
    if (!Backend) Backend = sdl_video_backend();
    return Backend;
}

void video_use_backend(VideoBackend* backend) {
    Backend = backend;
}

void video_screen_changed(int now) {
    if (!now) {
        ChangePending = 1;
        return;
    }
    DWORD ticks = video_backend()->ticks();
    win32_note_ticks(ticks);
    present_now(ticks);
}

void video_refresh_at(DWORD now) {
    // The difference is taken unsigned so the clock's wrap does not stall presenting.
    if (ChangePending && (!EverPresented || now - LastPresent >= REFRESH_INTERVAL_MS))
        present_now(now);
}

void video_refresh() {
    // The clock is read only when there is something to show, so an idle pump leaves the
    // headless clock alone.
    if (!ChangePending) return;
    DWORD now = video_backend()->ticks();
    win32_note_ticks(now);
    video_refresh_at(now);
}

void video_reset() {
    ChangePending = 0;
    EverPresented = 0;
    LastPresent = 0;
}
