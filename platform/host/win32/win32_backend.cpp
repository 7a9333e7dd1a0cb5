// The Windows presenter: the program's own window shows the screen. Full screen is the
// window without a frame over the whole monitor; Alt+Enter makes it a movable, resizable
// window and back. The picture sits centred at the largest whole scale that fits, black
// around it, and is drawn with GDI from a 32-bit bitmap only when it changed. Clicks are
// mapped back to the picture's coordinates before the program sees them.
#include "platform/host/win32/win32_backend.h"
#include "platform/host/pass_stats.h"
#include "platform/host/picture_copy.h"
#include "platform/host/scale.h"
#include "platform/host/viewport.h"
#include "platform/host/win32/win32_backend_window.h"

#include <cstdlib>

namespace {

constexpr DWORD FULL_SCREEN_STYLE = WS_POPUP | WS_VISIBLE;
constexpr DWORD WINDOWED_STYLE = WS_OVERLAPPEDWINDOW | WS_VISIBLE;

struct Presenter {
    HWND window = nullptr;
    WNDPROC program_proc = nullptr; // the program's own window procedure
    bool windowed = false;
    int picture_width = 0;
    int picture_height = 0;
    int client_width = 0;
    int client_height = 0;
    VideoViewport viewport = {};
    // The bitmap that holds the scaled picture, selected into its own memory context.
    HDC bitmap_dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ bitmap_dc_default = nullptr;
    std::uint32_t* bitmap_pixels = nullptr;
    int bitmap_width = 0;
    int bitmap_height = 0;
    bool bitmap_current = false; // the bitmap holds the last picture at the viewport's size
    PictureCopy shown;
};
Presenter P;

BOOL CALLBACK take_first_window(HWND window, LPARAM found) {
    if (GetWindow(window, GW_OWNER) || !(GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void free_bitmap() {
    if (P.bitmap_dc) {
        SelectObject(P.bitmap_dc, P.bitmap_dc_default);
        DeleteDC(P.bitmap_dc);
    }
    if (P.bitmap) DeleteObject(P.bitmap);
    P.bitmap_dc = nullptr;
    P.bitmap = nullptr;
    P.bitmap_pixels = nullptr;
    P.bitmap_width = P.bitmap_height = 0;
    P.bitmap_current = false;
}

// A bitmap of the viewport's size; 0 when the system has none to give.
int ensure_bitmap() {
    const int width = P.viewport.width, height = P.viewport.height;
    if (width <= 0 || height <= 0) return 0;
    if (P.bitmap && P.bitmap_width == width && P.bitmap_height == height) return 1;
    free_bitmap();
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    P.bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (!P.bitmap || !pixels) {
        free_bitmap();
        return 0;
    }
    P.bitmap_dc = CreateCompatibleDC(nullptr);
    if (!P.bitmap_dc) {
        free_bitmap();
        return 0;
    }
    P.bitmap_dc_default = SelectObject(P.bitmap_dc, P.bitmap);
    P.bitmap_pixels = static_cast<std::uint32_t*>(pixels);
    P.bitmap_width = width;
    P.bitmap_height = height;
    return 1;
}

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

void draw_picture(HDC dc) {
    if (!P.bitmap_current || !P.bitmap_dc) return;
    GdiFlush();
    BitBlt(dc, P.viewport.x, P.viewport.y, P.viewport.width, P.viewport.height, P.bitmap_dc, 0, 0,
           SRCCOPY);
}

// Converts the last picture into the bitmap at the viewport's size.
void render_shown() {
    if (!P.shown.width || !ensure_bitmap()) return;
    const VideoPicture picture = picture_of(P.shown);
    const VideoViewport at_origin = {0, 0, P.viewport.width, P.viewport.height};
    scale_picture_rows(&picture, at_origin, 0, at_origin.height - 1, P.bitmap_pixels,
                       P.bitmap_width);
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

void go_full_screen() {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(P.window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& m = monitor.rcMonitor;
    SetWindowLongA(P.window, GWL_STYLE, FULL_SCREEN_STYLE);
    SetWindowPos(P.window, HWND_TOP, m.left, m.top, m.right - m.left, m.bottom - m.top,
                 SWP_FRAMECHANGED | SWP_SHOWWINDOW);
}

void go_windowed() {
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(P.window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
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

LRESULT CALLBACK presenter_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_SYSKEYDOWN:
        // Alt+Enter: bit 29 says Alt is down; a held key's repeats do not toggle again.
        if (wparam == VK_RETURN && (lparam & (1 << 29)) && !(lparam & (1 << 30))) {
            P.windowed = !P.windowed;
            if (P.windowed)
                go_windowed();
            else
                go_full_screen();
            return 0;
        }
        break;
    case WM_SYSCHAR:
        if (wparam == '\r') return 0; // no beep for Alt+Enter
        break;
    case WM_SIZE:
        lay_out();
        break;
    case WM_ERASEBKGND:
        return 1; // painting covers everything
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        if (dc) {
            paint_borders(dc);
            draw_picture(dc);
        }
        EndPaint(window, &ps);
        return 0;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        if (!map_mouse(&lparam)) return 0;
        break;
    default:
        break;
    }
    return CallWindowProcA(P.program_proc, window, message, wparam, lparam);
}

int attach_window() {
    if (P.window) return 1;
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), take_first_window, reinterpret_cast<LPARAM>(&found));
    if (!found) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    const LONG_PTR previous =
        SetWindowLongPtrA(found, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(presenter_proc));
    if (!previous) return 0;
    P.window = found;
    P.program_proc = reinterpret_cast<WNDPROC>(previous);
    return 1;
}

int win32_set_mode(int width, int height, int bpp, int fullscreen) {
    (void)bpp;
    if (!attach_window()) return 0;
    static bool stats_registered = false;
    if (!stats_registered) {
        // The pass lengths are written however the program ends.
        stats_registered = true;
        std::atexit(pass_stats_finish);
    }
    P.picture_width = width;
    P.picture_height = height;
    P.windowed = !fullscreen;
    if (P.windowed)
        go_windowed();
    else
        go_full_screen();
    lay_out();
    // A display without a bitmap to draw into would stay black: that is a failed start.
    return ensure_bitmap();
}

void win32_present(const VideoPicture* picture) {
    if (!P.window || !picture || !picture->pixels) return;
    CURSORINFO cursor = {};
    cursor.cbSize = sizeof cursor;
    const int cursor_shown = GetCursorInfo(&cursor) && (cursor.flags & CURSOR_SHOWING);
    pass_stats_frame(presenter_microseconds(), cursor_shown);
    int first = 0, last = 0;
    if (!picture_remember(&P.shown, picture, &first, &last) && P.bitmap_current) return;
    if (picture->width != P.picture_width || picture->height != P.picture_height) {
        P.picture_width = picture->width;
        P.picture_height = picture->height;
        P.viewport = {};
        lay_out();
        return;
    }
    // At a whole scale only the band of changed rows is converted and drawn: while playing,
    // that is the rows where something moved.
    const int factor = P.picture_width > 0 ? P.viewport.width / P.picture_width : 0;
    const bool whole_scale = factor >= 1 && P.viewport.width == factor * P.picture_width &&
                             P.viewport.height == factor * P.picture_height;
    if (!P.bitmap_current || !whole_scale || first < 0) {
        first = 0;
        last = P.picture_height - 1;
        render_shown();
    } else if (ensure_bitmap()) {
        const VideoPicture shown = picture_of(P.shown);
        const VideoViewport at_origin = {0, 0, P.viewport.width, P.viewport.height};
        scale_picture_rows(&shown, at_origin, first * factor, (last + 1) * factor - 1,
                           P.bitmap_pixels, P.bitmap_width);
    }
    if (!P.bitmap_current || !P.bitmap_dc) return;
    HDC dc = GetDC(P.window);
    if (!dc) return;
    GdiFlush();
    const int top = whole_scale ? first * factor : 0;
    const int height = whole_scale ? (last - first + 1) * factor : P.viewport.height;
    BitBlt(dc, P.viewport.x, P.viewport.y + top, P.viewport.width, height, P.bitmap_dc, 0, top,
           SRCCOPY);
    ReleaseDC(P.window, dc);
}

std::uint32_t presenter_ticks() {
    return win32_presenter_ticks();
}

// The window, its cursor, its icon and its messages are the system's: only the screen, the
// clock and the controllers are the presenter's. The sound is the system's DirectSound.
const Host Win32Host = {.name = "win32",
                        .open_window = nullptr,
                        .close_window = nullptr,
                        .set_mode = win32_set_mode,
                        .present = win32_present,
                        .set_cursor_visible = nullptr,
                        .set_icon = nullptr,
                        .set_cursor_image = nullptr,
                        .poll_event = nullptr,
                        .ticks = presenter_ticks,
                        .audio = nullptr};

} // namespace

const Host* win32_host() {
    return &Win32Host;
}

HWND presenter_window() {
    return P.window;
}
