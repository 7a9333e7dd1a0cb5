// Keyboard and mouse input from the video backend: window messages and the key state read
// by GetAsyncKeyState.
#include "platform/win32/win32_input.h"
#include "platform/video/video.h"
#include "platform/win32/win32_queue.h"
#include "platform/win32/win32_window.h"

#include <cstring>

namespace {

// At most this many backend events per pump, so a backend that never runs dry cannot hold
// the thread; the rest wait for the next pump.
constexpr int MAX_EVENTS_PER_PUMP = 1024;

BYTE KeyDown[256];

void queue_event(const VideoEvent& event, HWND window) {
    int key = event.virtual_key;
    int valid_key = key > 0 && key < 256;
    switch (event.kind) {
    case VIDEO_KEY_DOWN:
        if (!valid_key) return;
        KeyDown[key] = 1;
        // Bit 30 of lParam is the previous key state: set for an auto-repeated press.
        if (window) win32_enqueue(window, WM_KEYDOWN, key, event.repeat ? (1L << 30) | 1 : 1);
        return;
    case VIDEO_KEY_UP:
        if (!valid_key) return;
        KeyDown[key] = 0;
        if (window) win32_enqueue(window, WM_KEYUP, key, (3L << 30) | 1);
        return;
    case VIDEO_MOUSE_DOWN:
        // Only presses on the game's picture are the window's.
        if (!window || event.x < 0 || event.y < 0 || event.x > 0xFFFF || event.y > 0xFFFF) return;
        win32_enqueue(window, WM_LBUTTONDOWN, 0, MAKELPARAM(event.x, event.y));
        return;
    case VIDEO_CLOSE:
        if (window) win32_enqueue(window, WM_CLOSE, 0, 0);
        return;
    case VIDEO_FOCUS_LOST:
        // The key releases go to whichever window now has the focus, so the game would
        // never hear of them: it is told here instead, or its character keeps running.
        for (int held = 1; held < 256; held++) {
            if (!KeyDown[held]) continue;
            KeyDown[held] = 0;
            if (window) win32_enqueue(window, WM_KEYUP, held, (3L << 30) | 1);
        }
        return;
    }
}

} // namespace

void win32_pump_events() {
    VideoBackend* backend = video_backend();
    HWND window = win32_live_window();
    VideoEvent event;
    for (int i = 0; i < MAX_EVENTS_PER_PUMP; i++) {
        std::memset(&event, 0, sizeof event);
        if (!backend->poll_event(&event)) break;
        queue_event(event, window);
    }
}

std::int16_t GetAsyncKeyState(int virtual_key) {
    if (virtual_key < 0 || virtual_key > 255) return 0;
    return KeyDown[virtual_key] ? static_cast<std::int16_t>(0x8000) : 0;
}

void win32_reset_input() {
    std::memset(KeyDown, 0, sizeof KeyDown);
}
