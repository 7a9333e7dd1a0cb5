// The thread's message calls: peeking (which first pumps the host's input), posting,
// dispatch to the window procedure, and paint validation.
#include "platform/host/host_audio.h"
#include "platform/host/screen.h"
#include "platform/winapi/winapi_input.h"
#include "platform/winapi/winapi_queue.h"
#include "platform/winapi/winapi_window.h"

#include <cstring>

BOOL PeekMessageA(LPMSG msg, HWND window, UINT filter_min, UINT filter_max, UINT remove) {
    winapi_pump_events();
    video_refresh();
    // An audio device that went away or came back is dealt with on this thread.
    audio_pump();
    if (!msg) return FALSE;
    return winapi_take_message(msg, window, filter_min, filter_max, remove);
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    // A null window posts to the thread; a destroyed one is refused as on Windows.
    if (window && !winapi_window_is_alive(window)) return FALSE;
    return winapi_enqueue(window, message, wparam, lparam) ? TRUE : FALSE;
}

BOOL TranslateMessage(const MSG* msg) {
    if (msg && msg->message == WM_KEYUP) return TRUE;
    return winapi_translate_key(msg);
}

LRESULT DispatchMessageA(const MSG* msg) {
    if (!msg) return 0;
    WNDPROC procedure = winapi_window_procedure(msg->hwnd);
    // Thread messages and messages left for a destroyed window reach no procedure.
    if (!procedure) return 0;
    return procedure(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
    if (!paint) return nullptr;
    std::memset(paint, 0, sizeof *paint);
    RECT rect = {};
    if (GetWindowRect(window, &rect))
        paint->rcPaint = {0, 0, rect.right - rect.left, rect.bottom - rect.top};
    // Nothing draws through a paint device context here, so none is lent; the window holds
    // no invalid region, so validating it is nothing to do.
    return nullptr;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
    return paint && winapi_window_is_alive(window);
}
