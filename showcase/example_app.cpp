// A first program on the short way in: a window with a 640 x 480 display at 8 bits, a ball
// that the arrow keys move and a click places, until Escape or the window's close button.
#include "engine/engine.h"

int main() {
    if (!app_open("First program", 640, 480, 8, 1)) return 1; // the error log says why
    const PaletteEntry sky = {20, 30, 70, 0}, ball = {250, 200, 40, 0};
    set_palette_entry(0, &sky); // the program's own colours: no palette file needed
    set_palette_entry(1, &ball);
    std::int32_t x = 320, y = 240;
    while (app_frame() && !app_key_pressed(VK_ESCAPE)) { // 30 ms a frame, messages handled
        x += 4 * (app_key_down(VK_RIGHT) - app_key_down(VK_LEFT));
        y += 4 * (app_key_down(VK_DOWN) - app_key_down(VK_UP));
        if (app_mouse_pressed(APP_MOUSE_LEFT)) app_mouse(&x, &y);
        fill_surface(back_surface, 0, nullptr);
        if (std::uint8_t* pixels = lock_back()) {
            fill_circle8(x, y, 20, 1, pixels, back_pitch); // cut at the screen's edges
            unlock_back();
        }
        present_frame();
    }
    app_close();
    return 0;
}
