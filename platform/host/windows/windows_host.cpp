// The Windows host: the program's own window shows the screen. Full screen is the
// window without a frame over the whole monitor; Alt+Enter makes it a movable, resizable
// window and back. The picture sits centred at the largest whole scale that fits, black
// around it, and is drawn with GDI from a 32-bit bitmap only when it changed. Clicks are
// mapped back to the picture's coordinates before the program sees them.
#include "platform/host/windows/windows_host.h"
#include "platform/host/pass_stats.h"
#include "platform/host/picture_copy.h"
#include "platform/host/scale.h"
#include "platform/host/viewport.h"
#include "platform/host/windows/windows_bitmap.h"
#include "platform/host/windows/windows_host_parts.h"

#include <cstdlib>

namespace {

// The minimise box, unseen without a frame, lets the taskbar (and under Wine the window
// manager) minimise the full screen.
constexpr DWORD FULL_SCREEN_STYLE = WS_POPUP | WS_MINIMIZEBOX | WS_VISIBLE;
constexpr DWORD WINDOWED_STYLE = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
// The timer that has the message pump read the controllers, and how often.
constexpr UINT_PTR PAD_TIMER = 0x5041;
constexpr UINT PAD_POLL_MS = 8;

struct Presenter {
    HWND window = nullptr;
    WNDPROC program_proc = nullptr; // the program's own window procedure
    bool windowed = false;
    int picture_width = 0;
    int picture_height = 0;
    int client_width = 0;
    int client_height = 0;
    VideoViewport viewport = {};
    PresenterBitmap bitmap;
    bool bitmap_current = false; // the bitmap holds the last picture at the viewport's size
    bool pads = false;           // the controllers are read on PAD_TIMER
    bool iconic = false;         // minimised at the last present
    PictureCopy shown;
};
Presenter P;

// The black around the picture, in the four bands that it leaves.
void paint_borders(HDC dc) {
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    const VideoViewport& v = P.viewport;
    const RECT bands[4] = {
        {0, 0, P.client_width, v.y},
        {0, v.y + v.height, P.client_width, P.client_height},
        {0, v.y, v.x, v.y + v.height},
        {v.x + v.width, v.y, P.client_width, v.y + v.height},
    };
    for (const RECT& band : bands)
        if (band.left < band.right && band.top < band.bottom) FillRect(dc, &band, black);
}

void paint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (dc) {
        paint_borders(dc);
        if (P.bitmap_current)
            bitmap_show_rows(P.bitmap, dc, P.viewport.x, P.viewport.y, 0, P.viewport.height);
    }
    EndPaint(window, &ps);
}

// The viewport as the bitmap holds it: the picture's place in the window without its offset.
VideoViewport bitmap_viewport() {
    return {0, 0, P.viewport.width, P.viewport.height};
}

// Converts the last picture into the bitmap at the viewport's size.
void render_shown() {
    if (!P.shown.width || !bitmap_ensure(&P.bitmap, P.viewport.width, P.viewport.height)) return;
    const VideoPicture picture = picture_of(P.shown);
    scale_picture_rows(&picture, bitmap_viewport(), 0, P.viewport.height - 1, P.bitmap.pixels,
                       P.bitmap.width);
    P.bitmap_current = true;
}

// Places the picture in the window's inside as it is now.
void lay_out() {
    RECT client = {};
    GetClientRect(P.window, &client);
    P.client_width = client.right - client.left;
    P.client_height = client.bottom - client.top;
    const VideoViewport v =
        fit_picture(P.client_width, P.client_height, P.picture_width, P.picture_height);
    if (v.width != P.viewport.width || v.height != P.viewport.height) P.bitmap_current = false;
    P.viewport = v;
    if (!P.bitmap_current) render_shown();
    InvalidateRect(P.window, nullptr, FALSE);
}

MONITORINFO window_monitor() {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(P.window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return monitor;
}

void go_full_screen() {
    const RECT m = window_monitor().rcMonitor;
    SetWindowLongA(P.window, GWL_STYLE, FULL_SCREEN_STYLE);
    SetWindowPos(P.window, HWND_TOP, m.left, m.top, m.right - m.left, m.bottom - m.top,
                 SWP_FRAMECHANGED | SWP_SHOWWINDOW);
}

// A framed window at the largest whole scale that fits the work area, centred in it.
void go_windowed() {
    const RECT work = window_monitor().rcWork;
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectEx(&frame, WINDOWED_STYLE, FALSE, 0);
    const int frame_width = frame.right - frame.left, frame_height = frame.bottom - frame.top;
    const int work_width = work.right - work.left, work_height = work.bottom - work.top;
    const int factor = windowed_factor(work_width, work_height, frame_width, frame_height,
                                       P.picture_width, P.picture_height);
    const int width = P.picture_width * factor + frame_width;
    const int height = P.picture_height * factor + frame_height;
    SetWindowLongA(P.window, GWL_STYLE, WINDOWED_STYLE);
    SetWindowPos(P.window, HWND_NOTOPMOST, work.left + (work_width - width) / 2,
                 work.top + (work_height - height) / 2, width, height,
                 SWP_FRAMECHANGED | SWP_SHOWWINDOW);
}

void set_windowed(bool windowed) {
    P.windowed = windowed;
    if (windowed)
        go_windowed();
    else
        go_full_screen();
}

// The mouse's messages whose position is in the window's inside (the wheel's is the screen's).
bool is_mouse_message(UINT message) {
    return message == WM_MOUSEMOVE || (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK);
}

// A mouse message's position moved from the window's pixels to the picture's; 0 when it
// falls beside the picture, where the program has nothing to click.
int map_mouse(LPARAM* lparam) {
    const int x = static_cast<short>(LOWORD(*lparam)), y = static_cast<short>(HIWORD(*lparam));
    int picture_x = 0, picture_y = 0;
    if (!map_to_picture(P.viewport, P.picture_width, P.picture_height, x, y, &picture_x,
                        &picture_y))
        return 0;
    *lparam = MAKELPARAM(picture_x, picture_y);
    return 1;
}

// Alt+Enter: bit 29 says Alt is down; a held key's repeats (bit 30) do not toggle again.
bool is_alt_enter(WPARAM wparam, LPARAM lparam) {
    return wparam == VK_RETURN && (lparam & (1 << 29)) && !(lparam & (1 << 30));
}

// 1 when the host took the message for itself.
int handle_message(HWND window, UINT message, WPARAM wparam, LPARAM* lparam) {
    switch (message) {
    case WM_SYSKEYDOWN:
        if (!is_alt_enter(wparam, *lparam)) return 0;
        set_windowed(!P.windowed);
        return 1;
    case WM_SYSCHAR:
        return wparam == '\r'; // no beep for Alt+Enter
    case WM_SIZE:
        // Minimised, the window has no inside to lay out and nothing to read the pads for;
        // restored, it is laid out again from the last picture, which is drawn at once.
        if (wparam == SIZE_MINIMIZED) {
            KillTimer(window, PAD_TIMER);
            return 0;
        }
        if (P.pads) SetTimer(window, PAD_TIMER, PAD_POLL_MS, nullptr);
        lay_out();
        return 0;
    case WM_ERASEBKGND:
        return 1; // painting covers everything
    case WM_PAINT:
        paint(window);
        return 1;
    case WM_TIMER:
        if (wparam != PAD_TIMER) return 0;
        windows_poll_pads(window);
        return 1;
    default:
        return is_mouse_message(message) && !map_mouse(lparam);
    }
}

LRESULT CALLBACK host_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    // Of the messages the host takes, only the background's erasing answers 1 (done).
    if (handle_message(window, message, wparam, &lparam)) return message == WM_ERASEBKGND;
    return CallWindowProcA(P.program_proc, window, message, wparam, lparam);
}

// Gives the window back its own procedure, as it was before it was attached.
void detach() {
    if (!P.window) return;
    KillTimer(P.window, PAD_TIMER);
    SetWindowLongPtrA(P.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(P.program_proc));
    P.window = nullptr;
    P.program_proc = nullptr;
}

int windows_set_mode(int width, int height, int bpp, int fullscreen) {
    (void)bpp;
    if (!P.window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    static bool stats_registered = false;
    if (!stats_registered) {
        // The pass lengths are written however the program ends.
        stats_registered = true;
        std::atexit(pass_stats_finish);
    }
    P.picture_width = width;
    P.picture_height = height;
    set_windowed(!fullscreen);
    lay_out();
    // A display without a bitmap to draw into would stay black: that is a failed start.
    return bitmap_ensure(&P.bitmap, P.viewport.width, P.viewport.height);
}

void note_pass() {
    CURSORINFO cursor = {};
    cursor.cbSize = sizeof cursor;
    const int cursor_shown = GetCursorInfo(&cursor) && (cursor.flags & CURSOR_SHOWING);
    pass_stats_frame(windows_microseconds(), cursor_shown);
}

// Converts the bitmap's rows that show picture rows first..last; false when none does.
bool render_band(int first, int last, int* top, int* height) {
    int bottom = 0;
    if (!viewport_rows_of(bitmap_viewport(), P.picture_height, first, last, top, &bottom))
        return false;
    const VideoPicture picture = picture_of(P.shown);
    scale_picture_rows(&picture, bitmap_viewport(), *top, bottom, P.bitmap.pixels, P.bitmap.width);
    *height = bottom - *top + 1;
    return true;
}

void show_rows(int top, int height) {
    if (!P.bitmap_current) return;
    HDC dc = GetDC(P.window);
    if (!dc) return;
    bitmap_show_rows(P.bitmap, dc, P.viewport.x, P.viewport.y, top, height);
    ReleaseDC(P.window, dc);
}

void windows_present(const VideoPicture* picture) {
    if (!P.window || !picture || !picture->pixels) return;
    const bool iconic = IsIconic(P.window) != 0;
    if (iconic && !P.iconic) pass_stats_out_of_sight();
    P.iconic = iconic;
    if (!iconic) note_pass();
    HostRect changed = {};
    if (!picture_remember(&P.shown, picture, &changed) && P.bitmap_current) return;
    if (picture->width != P.picture_width || picture->height != P.picture_height) {
        P.picture_width = picture->width;
        P.picture_height = picture->height;
        P.viewport = {};
        lay_out();
        return;
    }
    if (iconic) {
        // Nobody sees a minimised window: the picture is only kept, and drawn on the restore.
        P.bitmap_current = false;
        return;
    }
    if (!P.bitmap_current) {
        render_shown();
        show_rows(0, P.viewport.height);
        return;
    }
    // Only the rows that show changed picture rows are converted and drawn: while playing,
    // that is where something moved.
    int top = 0, height = 0;
    if (render_band(changed.y, changed.y + changed.height - 1, &top, &height))
        show_rows(top, height);
}

// The window, its messages, icon and cursor are the system's, and the sound is the system's
// DirectSound: only presenting and the clock are the host's own; the rest stays null.
const Host Win32Host = {
    .name = "windows",
    .open_window = nullptr,
    .close_window = nullptr,
    .set_mode = windows_set_mode,
    .present = windows_present,
    .set_cursor_visible = nullptr,
    .set_icon = nullptr,
    .set_cursor_image = nullptr,
    .pump_events = nullptr,
    .ticks = windows_ticks,
    .rest_until = windows_rest_until,
    .audio = nullptr,
};

} // namespace

const Host* windows_host() {
    return &Win32Host;
}

int windows_host_attach(HWND window) {
    if (window == P.window) return window != nullptr;
    detach();
    if (!window || !IsWindow(window)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    const LONG_PTR previous =
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(host_proc));
    if (!previous) return 0;
    P.window = window;
    P.program_proc = reinterpret_cast<WNDPROC>(previous);
    // The controllers are read in the message pump, on a timer of the window's.
    P.pads = windows_pads_start();
    if (P.pads) SetTimer(window, PAD_TIMER, PAD_POLL_MS, nullptr);
    return 1;
}

HWND windows_window() {
    return P.window;
}
