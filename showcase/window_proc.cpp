// The showcase's window procedure: arrow keys and Space ask for another scene, Escape
// ends the program through the window's destruction.
#include "showcase/showcase.h"

LRESULT CALLBACK showcase_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    if (message == WM_KEYDOWN) {
        switch (wparam) {
        case VK_RIGHT:
        case VK_SPACE:
            request_scene_change(+1);
            return 0;
        case VK_LEFT:
            request_scene_change(-1);
            return 0;
        case VK_ESCAPE:
            PostMessageA(MainWindow, WM_DESTROY, 0, 0);
            return 0;
        default:
            break;
        }
    }
    return DefWindowProcA(window, message, wparam, lparam);
}
