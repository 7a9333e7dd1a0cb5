// The thread's message queue and its quit request.
#include "platform/winapi/winapi_queue.h"
#include "platform/host/screen.h"

#include <cstdint>
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

MSG make_message(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    MSG msg = {};
    msg.hwnd = window;
    msg.message = message;
    msg.wParam = wparam;
    msg.lParam = lparam;
    msg.time = video_last_ticks();
    // Button and move messages say where the mouse was; the wheel's own lParam already does.
    if (message >= WM_MOUSEMOVE && message < WM_MOUSEWHEEL)
        msg.pt = {static_cast<std::int16_t>(LOWORD(lparam)),
                  static_cast<std::int16_t>(HIWORD(lparam))};
    return msg;
}

} // namespace

int winapi_enqueue(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (Queue.size() >= MAX_QUEUED) return 0;
    Queue.push_back(make_message(window, message, wparam, lparam));
    return 1;
}

int winapi_enqueue_mouse_move(HWND window, WPARAM wparam, LPARAM lparam) {
    for (auto it = Queue.rbegin(); it != Queue.rend(); ++it) {
        if (it->message < WM_MOUSEMOVE || it->message > WM_MOUSEWHEEL) continue;
        if (it->message != WM_MOUSEMOVE || it->hwnd != window || it->wParam != wparam) break;
        *it = make_message(window, WM_MOUSEMOVE, wparam, lparam);
        return 1;
    }
    return winapi_enqueue(window, WM_MOUSEMOVE, wparam, lparam);
}

int winapi_enqueue_front(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (Queue.size() >= MAX_QUEUED) return 0;
    Queue.push_front(make_message(window, message, wparam, lparam));
    return 1;
}

BOOL winapi_take_message(LPMSG msg, HWND window, UINT filter_min, UINT filter_max, UINT remove) {
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
        msg->time = video_last_ticks();
        if (remove & PM_REMOVE) QuitPending = 0;
        return TRUE;
    }
    return FALSE;
}

void PostQuitMessage(int exit_code) {
    QuitPending = 1;
    QuitCode = exit_code;
}

void winapi_reset_queue() {
    Queue.clear();
    QuitPending = 0;
    QuitCode = 0;
}
