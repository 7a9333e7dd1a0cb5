// The showcase's entry point: its window, the display, the main loop paced by the frame
// clock, and the release of everything at the end.
#include "showcase/showcase.h"

#include <cstdio>

namespace {

const char* const CLASS_NAME = "SHOWCASE";
const char* const TITLE = "Brambleleap engine showcase";
constexpr int ICON_ID = 101;
constexpr int CURSOR_ID = 9;

int fail(const char* what) {
    std::fprintf(stderr, "%s: %s: %s\n", TITLE, what, platform_last_error());
    return 1;
}

// The same icon and cursor as the game: they lie beside the program.
ATOM register_class(HINSTANCE instance) {
    WNDCLASSEX window_class = {};
    window_class.cbSize = sizeof window_class;
    window_class.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
    window_class.lpfnWndProc = showcase_window_proc;
    window_class.hInstance = instance;
    window_class.hIcon = window_class.hIconSm = LoadIcon(instance, MAKEINTRESOURCE(ICON_ID));
    window_class.hCursor = LoadCursor(instance, MAKEINTRESOURCE(CURSOR_ID));
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    window_class.lpszClassName = CLASS_NAME;
    return RegisterClassEx(&window_class);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (!register_class(instance)) return fail("no window class");
    MainWindow = CreateWindowEx(0, CLASS_NAME, TITLE, WS_POPUP | WS_VISIBLE, 0, 0, SHOWCASE_WIDTH,
                                SHOWCASE_HEIGHT, nullptr, nullptr, instance, nullptr);
    if (!MainWindow) return fail("no window");
    if (!display_init(SHOWCASE_WIDTH, SHOWCASE_HEIGHT, SHOWCASE_BPP, 0)) {
        display_shutdown();
        return fail("the display could not be set up");
    }
    ShowCursor(FALSE);
    showcase_start();

    MSG message = {};
    for (;;) {
        start_frame_clock();
        if (PeekMessage(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) break;
            TranslateMessage(&message);
            DispatchMessage(&message);
        }
        showcase_frame();
        wait_frame_clock(SHOWCASE_FRAME_MILLISECONDS);
    }

    showcase_stop();
    display_shutdown();
    return static_cast<int>(message.wParam);
}
