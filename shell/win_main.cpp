// The program's entry: the window class and window, set-up, the main loop, tear-down.
#include "engine/display/display_context.h"
#include "engine/util/frame_clock.h"
#include "game/artwork_file.h"
#include "game/game_frame.h"
#include "game/setup.h"
#include "shell/pad_bindings.h"
#include "shell/window_proc.h"

#include <cstdio>

namespace {

constexpr int ICON_RESOURCE = 101;
constexpr int CURSOR_RESOURCE = 9;
constexpr DWORD FRAME_MILLISECONDS = 30;
const char* const CLASS_NAME = "WINCLASS1";
const char* const WINDOW_TITLE = "Brambleleap 2005";

// A start that fails must not look like a normal end: the player is told why (a program
// started from the desktop has no terminal to print to), and the exit code is not 0.
void tell_player(const char* text) {
    MessageBox(nullptr, text, WINDOW_TITLE, MB_OK | MB_ICONERROR);
}

int report_start_failure(const char* what) {
    char text[512];
    std::snprintf(text, sizeof text, "%s: %s: %s", WINDOW_TITLE, what, platform_last_error());
    tell_player(text);
    return 1;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show) {
    (void)previous, (void)command_line, (void)show;
    bind_game_pad();

    WNDCLASSEX winclass = {};
    winclass.cbSize = sizeof(WNDCLASSEX);
    winclass.style = CS_DBLCLKS | CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
    winclass.lpfnWndProc = window_proc;
    winclass.cbClsExtra = 0;
    winclass.cbWndExtra = 0;
    winclass.hInstance = instance;
    winclass.hIcon = LoadIcon(instance, MAKEINTRESOURCE(ICON_RESOURCE));
    winclass.hCursor = LoadCursor(instance, MAKEINTRESOURCE(CURSOR_RESOURCE));
    winclass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    winclass.lpszMenuName = nullptr;
    winclass.lpszClassName = CLASS_NAME;
    winclass.hIconSm = winclass.hIcon;

    if (!RegisterClassEx(&winclass))
        return report_start_failure("the window class could not be registered");

    HWND window = CreateWindowEx(0, CLASS_NAME, WINDOW_TITLE, WS_POPUP | WS_VISIBLE, 0, 0, 640, 480,
                                 nullptr, nullptr, instance, nullptr);
    if (!window) return report_start_failure("the window could not be created");
    MainWindow = window;

    // Set-up's other failures leave the game running on what was made; missing artwork
    // cannot, so the start is reported, undone and ended.
    const std::int32_t set_up = game_set_up();
#ifdef _WIN32
    // Here no window of the platform's would tell the player anything: without a screen the
    // program would run on black, so the start is reported and ended instead.
    if (!primary_surface) {
        char text[512];
        std::snprintf(text, sizeof text, "%s: the display could not be set up: %s", WINDOW_TITLE,
                      platform_last_error());
        game_tear_down();
        tell_player(text);
        return 1;
    }
#endif
    if (set_up == ARTWORK_UNUSABLE) {
        // The display is given back first, so that the message is not hidden behind it.
        game_tear_down();
        tell_player(artwork_failure_line());
        return ARTWORK_EXIT_CODE;
    }

    MSG msg = {};
    for (;;) {
        start_frame_clock();
        if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) break;
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        game_frame();
        wait_frame_clock(FRAME_MILLISECONDS);
    }

    game_tear_down();
    return static_cast<int>(msg.wParam);
}
