// Window classes and the program's one window, opened on the host.
#include "platform/winapi/winapi_window.h"
#include "platform/host/screen.h"
#include "platform/winapi/winapi_cursor.h"
#include "platform/winapi/winapi_resources.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <strings.h>

namespace {

// Far more than the one class the program registers; a fixed table keeps handles stable.
constexpr int MAX_CLASSES = 8;
constexpr ATOM FIRST_CLASS_ATOM = 0xC000;

struct WindowClass {
    int used;
    std::string name;
    WNDCLASSEXA record;
};

WindowClass Classes[MAX_CLASSES];
HWND__ Window = {};
std::string LastError;
// What reached the default handling, for tests of what a window procedure passed on.
int DefaultCalls = 0;
UINT LastDefaultMessage = 0;

int find_class(LPCSTR name) {
    for (int i = 0; i < MAX_CLASSES; i++) {
        // Class names compare without regard to case, as on Windows.
        if (Classes[i].used && strcasecmp(Classes[i].name.c_str(), name) == 0) return i;
    }
    return -1;
}

void give_backend_pictures(const WNDCLASSEXA& wc) {
    const Host* active = host();
    HICON icon = wc.hIcon ? wc.hIcon : wc.hIconSm;
    if (icon && active->set_icon) active->set_icon(icon->argb.data(), icon->width, icon->height);
    HCURSOR cursor = wc.hCursor;
    if (cursor && active->set_cursor_image)
        active->set_cursor_image(cursor->argb.data(), cursor->width, cursor->height, cursor->hot_x,
                                 cursor->hot_y);
}

} // namespace

void winapi_set_last_error(const char* text) {
    LastError = text ? text : "";
}

const char* platform_last_error() {
    return LastError.c_str();
}

int winapi_window_is_alive(HWND window) {
    return window == &Window && Window.alive;
}

HWND winapi_live_window() {
    return Window.alive ? &Window : nullptr;
}

WNDPROC winapi_window_procedure(HWND window) {
    if (!winapi_window_is_alive(window)) return nullptr;
    return Classes[Window.class_index].record.lpfnWndProc;
}

ATOM RegisterClassExA(const WNDCLASSEXA* wc) {
    if (!wc || wc->cbSize != sizeof(WNDCLASSEXA) || !wc->lpfnWndProc || !wc->lpszClassName ||
        !wc->lpszClassName[0]) {
        winapi_set_last_error("invalid window class record");
        return 0;
    }
    if (find_class(wc->lpszClassName) >= 0) {
        winapi_set_last_error("window class already registered");
        return 0;
    }
    for (int i = 0; i < MAX_CLASSES; i++) {
        if (Classes[i].used) continue;
        Classes[i].used = 1;
        Classes[i].name = wc->lpszClassName;
        Classes[i].record = *wc;
        // The caller's strings need not outlive the call.
        Classes[i].record.lpszClassName = Classes[i].name.c_str();
        Classes[i].record.lpszMenuName = nullptr;
        return static_cast<ATOM>(FIRST_CLASS_ATOM + i);
    }
    winapi_set_last_error("too many window classes");
    return 0;
}

HWND CreateWindowExA(DWORD ex_style, LPCSTR class_name, LPCSTR title, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param) {
    (void)ex_style, (void)parent, (void)menu, (void)instance, (void)param;
    int index = class_name ? find_class(class_name) : -1;
    if (index < 0) {
        winapi_set_last_error("window class not registered");
        return nullptr;
    }
    if (Window.alive) {
        winapi_set_last_error("only one window is supported");
        return nullptr;
    }
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384) {
        winapi_set_last_error("invalid window size");
        return nullptr;
    }
    char reason[256] = {};
    const Host* active = host();
    if (active->open_window &&
        !active->open_window(title ? title : "", width, height, reason, sizeof reason)) {
        reason[sizeof reason - 1] = 0;
        winapi_set_last_error(reason[0] ? reason : "the host could not open a window");
        return nullptr;
    }
    Window = {1, index, style, {x, y, x + width, y + height}};
    give_backend_pictures(Classes[index].record);
    if (active->set_cursor_visible) active->set_cursor_visible(winapi_cursor_shown());

    HWND window = &Window;
    WNDPROC procedure = Classes[index].record.lpfnWndProc;
    if (procedure(window, WM_CREATE, 0, 0) == -1) {
        // The window procedure refused its creation.
        DestroyWindow(window);
        winapi_set_last_error("the window procedure refused WM_CREATE");
        return nullptr;
    }
    winapi_set_last_error("");
    return window;
}

BOOL DestroyWindow(HWND window) {
    WNDPROC procedure = winapi_window_procedure(window);
    if (!procedure) return FALSE;
    procedure(window, WM_DESTROY, 0, 0);
    Window.alive = 0;
    if (host()->close_window) host()->close_window();
    return TRUE;
}

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    (void)wparam, (void)lparam;
    DefaultCalls++;
    LastDefaultMessage = message;
    if (message == WM_CLOSE) DestroyWindow(window);
    return 0;
}

BOOL GetWindowRect(HWND window, LPRECT rect) {
    if (!rect || !winapi_window_is_alive(window)) return FALSE;
    // The game's coordinates, whatever the active's scale on the real screen.
    *rect = Window.rect;
    return TRUE;
}

BOOL GetClientRect(HWND window, LPRECT rect) {
    if (!rect || !winapi_window_is_alive(window)) return FALSE;
    // The window has no frame: its client area is all of it.
    *rect = {0, 0, Window.rect.right - Window.rect.left, Window.rect.bottom - Window.rect.top};
    return TRUE;
}

BOOL SetWindowPos(HWND window, HWND, int x, int y, int width, int height, UINT flags) {
    if (!winapi_window_is_alive(window)) return FALSE;
    RECT rect = Window.rect;
    if (!(flags & SWP_NOMOVE))
        rect = {x, y, x + (rect.right - rect.left), y + (rect.bottom - rect.top)};
    if (!(flags & SWP_NOSIZE)) {
        if (width <= 0 || height <= 0 || width > 16384 || height > 16384) return FALSE;
        rect.right = rect.left + width;
        rect.bottom = rect.top + height;
    }
    // The active's window follows the display that DirectDraw shows in it.
    Window.rect = rect;
    return TRUE;
}

BOOL ClientToScreen(HWND window, LPPOINT point) {
    if (!point || !winapi_window_is_alive(window)) return FALSE;
    point->x += Window.rect.left;
    point->y += Window.rect.top;
    return TRUE;
}

BOOL ScreenToClient(HWND window, LPPOINT point) {
    if (!point || !winapi_window_is_alive(window)) return FALSE;
    point->x -= Window.rect.left;
    point->y -= Window.rect.top;
    return TRUE;
}

HGDIOBJ GetStockObject(int object) {
    static int black_brush;
    static int white_brush;
    if (object == BLACK_BRUSH) return &black_brush;
    if (object == WHITE_BRUSH) return &white_brush;
    return nullptr;
}

void winapi_reset_windows() {
    if (Window.alive && host()->close_window) host()->close_window();
    Window = {};
    for (WindowClass& c : Classes)
        c = {};
    LastError.clear();
    DefaultCalls = 0;
    LastDefaultMessage = 0;
}

int winapi_default_calls() {
    return DefaultCalls;
}

UINT winapi_last_default_message() {
    return LastDefaultMessage;
}
