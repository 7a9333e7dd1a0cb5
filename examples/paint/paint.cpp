// Painting with the mouse in an 800 x 600 window at 8 bits per pixel: the left button paints,
// the right one erases, the wheel changes the brush, and typed text shows centred at the top
// (Backspace takes a character back). Run it where "PALDATA2.PAL" is. Escape quits.
#include "engine/engine.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::int32_t WIDTH = 800, HEIGHT = 600, BAND = 40;
constexpr std::int32_t PAINT = 40, PAPER = 0, INK = 255, BAND_COLOR = 8;
constexpr std::int32_t MAX_BRUSH = 40;

IDirectDrawSurface7* Canvas = nullptr; // the picture painted so far
std::int32_t Brush = 4;                // the brush's side in pixels
std::int32_t LastX = -1, LastY = -1;   // where the mouse was when last seen painting
char Typed[64] = "";

// A square brush stamped at every pixel of the way from the last point, clipped to the canvas.
void paint_to(std::int32_t x, std::int32_t y, std::int32_t color) {
    std::int32_t pitch = 0;
    std::uint8_t* pixels = lock_surface(Canvas, &pitch);
    if (!pixels) return;
    if (LastX < 0) LastX = x, LastY = y;
    std::int32_t steps = fast_distance_2d(x - LastX, y - LastY) + 1;
    for (std::int32_t i = 0; i <= steps; ++i) {
        std::int32_t cx = LastX + (x - LastX) * i / steps, cy = LastY + (y - LastY) * i / steps;
        for (std::int32_t py = cy - Brush / 2; py < cy - Brush / 2 + Brush; ++py)
            for (std::int32_t px = cx - Brush / 2; px < cx - Brush / 2 + Brush; ++px)
                if (px >= 0 && px < WIDTH && py >= BAND && py < HEIGHT)
                    pixels[px + py * pitch] = static_cast<std::uint8_t>(color);
    }
    unlock_surface(Canvas);
    LastX = x, LastY = y;
}

void type_character(char c) {
    std::size_t length = std::strlen(Typed);
    // Printable characters of the code page only: controls and Escape are not text.
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F && length + 1 < sizeof Typed)
        Typed[length] = c, Typed[length + 1] = '\0';
}

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    // Client coordinates are signed 16-bit halves of lParam.
    std::int32_t x = static_cast<std::int16_t>(LOWORD(lparam));
    std::int32_t y = static_cast<std::int16_t>(HIWORD(lparam));
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        LastX = -1;
        paint_to(x, y, message == WM_LBUTTONDOWN ? PAINT : PAPER);
        return 0;
    case WM_MOUSEMOVE:
        if (wparam & (MK_LBUTTON | MK_RBUTTON)) paint_to(x, y, wparam & MK_LBUTTON ? PAINT : PAPER);
        return 0;
    case WM_MOUSEWHEEL: {
        std::int32_t size = Brush + 2 * GET_WHEEL_DELTA_WPARAM(wparam) / WHEEL_DELTA;
        Brush = size < 1 ? 1 : size > MAX_BRUSH ? MAX_BRUSH : size;
        return 0;
    }
    case WM_CHAR:
        type_character(static_cast<char>(wparam));
        return 0;
    case WM_KEYDOWN:
        if (wparam == VK_ESCAPE) PostMessageA(window, WM_DESTROY, 0, 0);
        if (wparam == VK_BACK && Typed[0]) Typed[std::strlen(Typed) - 1] = '\0';
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

void draw_frame() {
    RECT whole = {0, 0, WIDTH, HEIGHT};
    back_surface->Blt(&whole, Canvas, &whole, DDBLT_WAIT, nullptr);
    fill_rectangle(0, 0, WIDTH, BAND, BAND_COLOR, back_surface);
    char status[32];
    std::snprintf(status, sizeof status, "brush %d", Brush);
    draw_text_index(status, 8, 12, INK, back_surface);
    // The typed line, centred by its measured width.
    std::int32_t width = 0, height = 0;
    if (Typed[0] && measure_text(Typed, &width, &height, back_surface))
        draw_text_index(Typed, (WIDTH - width) / 2, (BAND - height) / 2, INK, back_surface);
    present_frame();
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSEX window_class = {};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = window_proc;
    window_class.hInstance = instance;
    window_class.lpszClassName = "PAINT";
    if (!RegisterClassEx(&window_class)) return 1;
    MainWindow = CreateWindowEx(0, "PAINT", "Paint", WS_POPUP | WS_VISIBLE, 0, 0, WIDTH, HEIGHT,
                                nullptr, nullptr, instance, nullptr);
    if (!MainWindow) return 1;
    int ok = display_init(WIDTH, HEIGHT, 8, 1);
    if (ok) Canvas = create_offscreen_surface(WIDTH, HEIGHT, 0, 0);
    if (Canvas) fill_surface(Canvas, PAPER, nullptr);
    MSG message = {};
    while (Canvas) {
        start_frame_clock();
        // Every waiting message is handled before drawing, so quick input never lags behind.
        while (PeekMessage(&message, nullptr, 0, 0, PM_REMOVE) && message.message != WM_QUIT) {
            TranslateMessage(&message); // makes WM_CHAR of the key presses
            DispatchMessage(&message);
        }
        if (message.message == WM_QUIT) break;
        draw_frame();
        wait_frame_clock(30);
    }
    if (Canvas) Canvas->Release();
    display_shutdown();
    return Canvas ? static_cast<int>(message.wParam) : 1;
}
