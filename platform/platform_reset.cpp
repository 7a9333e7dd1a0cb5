// Resetting every part of the platform for a test, from the windows down to the host.
#include "platform/platform_reset.h"
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/dsound/dsound_faults.h"
#include "platform/dsound/dsound_state.h"
#include "platform/host/event_queue.h"
#include "platform/host/host_audio.h"
#include "platform/host/audio/headless_audio.h"
#include "platform/host/headless/headless.h"
#include "platform/host/screen.h"
#include "platform/pads.h"
#include "platform/winapi/winapi_cursor.h"
#include "platform/winapi/winapi_input.h"
#include "platform/winapi/winapi_queue.h"
#include "platform/winapi/winapi_window.h"

void platform_reset() {
    // The window closes on whichever host opened it, before the host changes.
    winapi_reset_windows();
    winapi_reset_queue();
    host_events_clear();
    winapi_reset_input();
    winapi_reset_cursor();
    video_reset();
    ddraw_reset();
    headless_reset();
    headless_audio_reset();
    dsound_fail_call_number(0);
    audio_window_focus(1);
    dsound_set_focus(1);
    pad_bind(nullptr, 0);
    host_use(headless_host());
}
