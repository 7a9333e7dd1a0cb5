// A whole program on the engine: a window, the display at 640 x 480 x 8, and a picture
// drawn and presented every 30 ms until Escape is pressed.
#include "engine/engine.h"

namespace {

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_KEYDOWN && wparam == VK_ESCAPE) PostMessageA(window, WM_DESTROY, 0, 0);
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wparam, lparam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSEX window_class = {};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = window_proc;
    window_class.hInstance = instance;
    window_class.lpszClassName = "EXAMPLE";
    if (!RegisterClassEx(&window_class)) return 1;
    MainWindow = CreateWindowEx(0, "EXAMPLE", "Engine example", WS_POPUP | WS_VISIBLE, 0, 0, 640,
                                480, nullptr, nullptr, instance, nullptr);
    if (!MainWindow) return 1;
    // Full screen, with the palette of "PALDATA2.PAL" in the working directory.
    if (!display_init(640, 480, 8, 0)) return display_shutdown(), 1;

    MSG message = {};
    for (int frame = 0;; ++frame) {
        start_frame_clock();
        // Every waiting message before drawing, so that input never queues up.
        while (PeekMessage(&message, nullptr, 0, 0, PM_REMOVE) && message.message != WM_QUIT)
            DispatchMessage(&message);
        if (message.message == WM_QUIT) break;
        fill_surface(back_surface, 0, nullptr); // palette index 0 everywhere
        if (std::uint8_t* pixels = lock_back()) {
            // Pixel (x, y) is pixels[x + y * back_pitch] until unlock_back.
            draw_triangle8(320, 90, 150, 400, 490, 400, 104 + frame % 16, pixels, back_pitch);
            draw_clip_line8(-100, 240, 740, 240, 15, pixels, back_pitch);
            unlock_back();
        }
        draw_text_index("Escape quits", 12, 12, 15, back_surface); // text needs no lock
        present_frame();                                           // flips to the screen
        wait_frame_clock(30);
    }
    display_shutdown();
    return static_cast<int>(message.wParam);
}
