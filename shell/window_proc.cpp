// The window procedure: keys and left clicks go to the screens, the window's destruction
// ends the main loop.
#include "shell/window_proc.h"
#include "game/screens.h"

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CREATE:
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_PAINT: {
        // The frame loop draws everything; painting only validates the window.
        PAINTSTRUCT ps;
        BeginPaint(window, &ps);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_KEYDOWN: {
        std::int32_t key = static_cast<std::int32_t>(wparam);
        bool handled = GameState == STATE_PLAYING ? handle_play_key(key) : handle_screen_key(key);
        if (handled) return 0;
        break;
    }
    case WM_LBUTTONDOWN:
        if (GameState == STATE_MENU) {
            handle_menu_click(LOWORD(lparam), HIWORD(lparam));
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}
