// The short way in: the window, the display and a paced loop whose messages are turned into
// the input state of the frame.
#include "engine/app.h"
#include "engine/sound/music.h"

#include "engine/display/display_context.h"
#include "engine/display/display_init.h"
#include "engine/display/error_log.h"
#include "engine/util/frame_clock.h"

#include <cstring>

namespace {

constexpr char CLASS_NAME[] = "BrambleleapApp";
constexpr std::size_t TYPED_SIZE = 256;

struct AppState {
    std::int32_t open;
    std::int32_t framed;  // a frame has started, so the next one waits out its time
    std::int32_t closing; // the window was asked to close, or is gone
    std::int32_t destroyed;
    DWORD frame_time = 30;
    WNDPROC proc;
    bool key_down[256], key_pressed[256], key_released[256];
    bool button_down[3], button_pressed[3];
    std::int32_t mouse_x, mouse_y;
    std::int32_t wheel_turned; // in WHEEL_DELTA units, not yet reported as whole notches
    std::int32_t wheel;
    char typed[TYPED_SIZE];
    std::size_t typed_length;
    PadReading pads[PADS_MAX];
    std::int32_t pad_count;
};

AppState App;

bool key_in_range(std::int32_t vk) {
    return vk >= 0 && vk < 256;
}

bool button_in_range(std::int32_t button) {
    return button >= APP_MOUSE_LEFT && button <= APP_MOUSE_MIDDLE;
}

// The bit of a pad button in this frame's reading of a pad; 0 for a pad or button out of range.
std::uint32_t pad_bit(std::int32_t pad, std::int32_t button, std::uint32_t PadReading::*set) {
    if (pad < 0 || pad >= PADS_MAX || button < 0 || button >= PAD_BUTTON_COUNT) return 0;
    return App.pads[pad].*set & pad_button(static_cast<PadButton>(button));
}

// What the controllers did since the last frame; presses and releases from before the first
// frame belong to no frame.
void read_pads() {
    for (int pad = 0; pad < PADS_MAX; pad++)
        pad_read(pad, &App.pads[pad]);
    App.pad_count = pad_count();
}

void start_frame_input() {
    std::memset(App.key_pressed, 0, sizeof App.key_pressed);
    std::memset(App.key_released, 0, sizeof App.key_released);
    std::memset(App.button_pressed, 0, sizeof App.button_pressed);
    App.typed_length = 0;
    App.typed[0] = '\0';
}

void press_button(std::int32_t button, bool down) {
    if (down && !App.button_down[button]) App.button_pressed[button] = true;
    App.button_down[button] = down;
}

void note_input(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_KEYDOWN:
        if (wparam < 256) {
            // An auto-repeat of a held key is no new press.
            if (!App.key_down[wparam]) App.key_pressed[wparam] = true;
            App.key_down[wparam] = true;
        }
        return;
    case WM_KEYUP:
        if (wparam < 256) {
            App.key_released[wparam] = true;
            App.key_down[wparam] = false;
        }
        return;
    case WM_CHAR:
        // Text only: Enter, Backspace, Tab and Escape are read as keys.
        if (wparam >= 0x20 && wparam < 256 && wparam != 0x7F && App.typed_length + 1 < TYPED_SIZE) {
            App.typed[App.typed_length++] = static_cast<char>(wparam);
            App.typed[App.typed_length] = '\0';
        }
        return;
    case WM_MOUSEWHEEL:
        App.wheel_turned += GET_WHEEL_DELTA_WPARAM(wparam);
        return;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        // Client coordinates, the display's pixels, in the signed halves of lParam.
        App.mouse_x = static_cast<std::int16_t>(LOWORD(lparam));
        App.mouse_y = static_cast<std::int16_t>(HIWORD(lparam));
        if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP)
            press_button(APP_MOUSE_LEFT, message == WM_LBUTTONDOWN);
        if (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP)
            press_button(APP_MOUSE_RIGHT, message == WM_RBUTTONDOWN);
        if (message == WM_MBUTTONDOWN || message == WM_MBUTTONUP)
            press_button(APP_MOUSE_MIDDLE, message == WM_MBUTTONDOWN);
        return;
    }
}

LRESULT CALLBACK app_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    note_input(message, wparam, lparam);
    if (message == WM_CLOSE) App.closing = 1;
    if (message == WM_DESTROY) App.closing = App.destroyed = 1;
    if (App.proc != nullptr) return App.proc(window, message, wparam, lparam);
    // The close button asks; app_frame says so and the program ends its loop and calls
    // app_close, which destroys the window.
    if (message == WM_CLOSE) return 0;
    return DefWindowProcA(window, message, wparam, lparam);
}

std::int32_t refuse(const char* reason) {
    write_error_log("\nNo window: %s.", reason);
    return 0;
}

} // namespace

std::int32_t app_open(const char* title, std::int32_t width, std::int32_t height, std::int32_t bpp,
                      std::int32_t windowed) {
    if (App.open) return refuse("it is open already");
    if (width <= 0 || height <= 0 || width > 0x7FFF || height > 0x7FFF)
        return refuse("a size of 1 to 32767 pixels a side is needed");
    const DWORD frame_time = App.frame_time;
    App = AppState{};
    App.frame_time = frame_time;
    HINSTANCE instance = nullptr;
#ifdef _WIN32
    instance = GetModuleHandleA(nullptr);
#endif
    WNDCLASSEXA window_class = {};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = app_window_proc;
    window_class.hInstance = instance;
    window_class.lpszClassName = CLASS_NAME;
#ifdef _WIN32
    window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
#endif
    // A second app_open in the same process finds the class made by the first.
    RegisterClassExA(&window_class);
    MainWindow =
        CreateWindowExA(0, CLASS_NAME, title != nullptr ? title : "", WS_POPUP | WS_VISIBLE, 0, 0,
                        width, height, nullptr, nullptr, instance, nullptr);
    if (MainWindow == nullptr) return refuse("the system made none");
    if (!display_init(width, height, bpp, windowed)) {
        display_shutdown();
        DestroyWindow(MainWindow);
        MainWindow = nullptr;
        return refuse("no display (see the line above)");
    }
    read_pads();
    App.open = 1;
    return 1;
}

std::int32_t app_frame() {
    if (!App.open) return 0;
    if (App.framed) wait_frame_clock(App.frame_time);
    start_frame_clock();
    App.framed = 1;
    start_frame_input();
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            App.closing = 1;
            continue;
        }
        TranslateMessage(&message); // queues the WM_CHAR of a key press
        DispatchMessageA(&message);
    }
    App.wheel = App.wheel_turned / WHEEL_DELTA;
    App.wheel_turned -= App.wheel * WHEEL_DELTA;
    music_update();
    read_pads();
    return App.closing ? 0 : 1;
}

std::int32_t app_close() {
    if (!App.open) return 0;
    display_shutdown();
    if (!App.destroyed && MainWindow != nullptr) DestroyWindow(MainWindow);
    MainWindow = nullptr;
    App.open = 0;
    return 1;
}

std::int32_t app_set_frame_time(std::int32_t milliseconds) {
    if (milliseconds < 1 || milliseconds > 1000) return 0;
    App.frame_time = static_cast<DWORD>(milliseconds);
    return 1;
}

std::int32_t app_set_window_proc(WNDPROC proc) {
    App.proc = proc;
    return 1;
}

std::int32_t app_key_down(std::int32_t vk) {
    return key_in_range(vk) && App.key_down[vk];
}

std::int32_t app_key_pressed(std::int32_t vk) {
    return key_in_range(vk) && App.key_pressed[vk];
}

std::int32_t app_key_released(std::int32_t vk) {
    return key_in_range(vk) && App.key_released[vk];
}

void app_mouse(std::int32_t* x, std::int32_t* y) {
    if (x != nullptr) *x = App.mouse_x;
    if (y != nullptr) *y = App.mouse_y;
}

std::int32_t app_mouse_down(std::int32_t button) {
    return button_in_range(button) && App.button_down[button];
}

std::int32_t app_mouse_pressed(std::int32_t button) {
    return button_in_range(button) && App.button_pressed[button];
}

std::int32_t app_wheel() {
    return App.wheel;
}

const char* app_typed() {
    return App.typed;
}

std::int32_t app_pad_count() {
    return App.pad_count;
}

std::int32_t app_pad_down(std::int32_t pad, std::int32_t button) {
    return pad_bit(pad, button, &PadReading::down) != 0;
}

std::int32_t app_pad_pressed(std::int32_t pad, std::int32_t button) {
    return pad_bit(pad, button, &PadReading::pressed) != 0;
}

std::int32_t app_pad_released(std::int32_t pad, std::int32_t button) {
    return pad_bit(pad, button, &PadReading::released) != 0;
}

std::int32_t app_pad_axis(std::int32_t pad, std::int32_t axis) {
    if (pad < 0 || pad >= PADS_MAX || axis < 0 || axis >= PAD_AXIS_COUNT) return 0;
    return App.pads[pad].axes[axis];
}
