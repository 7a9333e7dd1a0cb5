// The thread's message queue: posted and input messages, the quit request, dispatch to the
// window procedure, and paint validation.
#include "platform/video.h"
#include "platform/win32_internal.h"

#include <cstring>
#include <deque>

namespace {

// Generous for a queue drained one message per 30 ms pass; posting beyond it fails rather
// than letting a flood of input grow memory without end.
constexpr std::size_t MAX_QUEUED = 10000;

std::deque<MSG> Queue;
// As on Windows, the quit request is a flag, not a queued message: it is taken once the
// queue holds nothing else, and asking again only replaces the exit code.
int QuitPending = 0;
int QuitCode = 0;

int matches(const MSG& msg, HWND window, UINT filter_min, UINT filter_max) {
    if (window && msg.hwnd != window) return 0;
    if (filter_min == 0 && filter_max == 0) return 1;
    return msg.message >= filter_min && msg.message <= filter_max;
}

} // namespace

void win32_enqueue(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (Queue.size() >= MAX_QUEUED) return;
    MSG msg = {};
    msg.hwnd = window;
    msg.message = message;
    msg.wParam = wparam;
    msg.lParam = lparam;
    msg.time = win32_last_ticks();
    if (message == WM_LBUTTONDOWN) msg.pt = {LOWORD(lparam), HIWORD(lparam)};
    Queue.push_back(msg);
}

BOOL PeekMessageA(LPMSG msg, HWND window, UINT filter_min, UINT filter_max, UINT remove) {
    win32_pump_events();
    video_refresh();
    if (!msg) return FALSE;
    for (auto it = Queue.begin(); it != Queue.end(); ++it) {
        if (!matches(*it, window, filter_min, filter_max)) continue;
        *msg = *it;
        if (remove & PM_REMOVE) Queue.erase(it);
        return TRUE;
    }
    int all = filter_min == 0 && filter_max == 0;
    int quit_wanted = !window && (all || (WM_QUIT >= filter_min && WM_QUIT <= filter_max));
    if (QuitPending && quit_wanted) {
        *msg = {};
        msg->message = WM_QUIT;
        msg->wParam = static_cast<WPARAM>(QuitCode);
        msg->time = win32_last_ticks();
        if (remove & PM_REMOVE) QuitPending = 0;
        return TRUE;
    }
    return FALSE;
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    // A null window posts to the thread; a destroyed one is refused as on Windows.
    if (window && !win32_window_is_alive(window)) return FALSE;
    if (Queue.size() >= MAX_QUEUED) return FALSE;
    win32_enqueue(window, message, wparam, lparam);
    return TRUE;
}

void PostQuitMessage(int exit_code) {
    QuitPending = 1;
    QuitCode = exit_code;
}

BOOL TranslateMessage(const MSG* msg) {
    // The program reads keys as WM_KEYDOWN only, so no WM_CHAR is generated.
    return msg && (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP);
}

LRESULT DispatchMessageA(const MSG* msg) {
    if (!msg) return 0;
    WNDPROC procedure = win32_window_procedure(msg->hwnd);
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
    return paint && win32_window_is_alive(window);
}

void win32_reset_queue() {
    Queue.clear();
    QuitPending = 0;
    QuitCode = 0;
}
