// Bringing up the headless display for the fuzz targets.
#include "fuzz_display.h"

#include "fuzz_input.h"

#include "engine/engine.h"
#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"

namespace {

LRESULT CALLBACK fuzz_window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcA(window, message, wparam, lparam);
}

} // namespace

void fuzz_display_up() {
    static bool up = false;
    if (up) return;
    platform_reset();
    // Presented frames are of no interest and cost a copy each.
    headless_keep_frames(0);
    WNDCLASSEXA window_class = {};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = fuzz_window_procedure;
    window_class.lpszClassName = "FuzzWindow";
    fuzz_require(RegisterClassExA(&window_class) != 0, "the window class registered");
    MainWindow = CreateWindowExA(0, "FuzzWindow", "Fuzz", WS_POPUP, 0, 0, 64, 48, nullptr, nullptr,
                                 nullptr, nullptr);
    fuzz_require(MainWindow != nullptr, "the window created");
    fuzz_require(display_init(64, 48, 8, 0) == 1, "the 8-bit display taken");
    up = true;
}
