// The SDL2 host's window and input: one window showing the game's picture, scaled by a whole
// factor, full screen over the desktop or in a plain window, with keyboard, mouse and close events.
#include "platform/host/sdl/sdl_host.h"
#include "platform/host/event_queue.h"
#include "platform/host/pad_keys.h"
#include "platform/host/pad_slots.h"
#include "platform/host/picture_copy.h"
#include "platform/host/sdl/sdl_gamepad.h"
#include "platform/host/sdl/sdl_keys.h"
#include "platform/host/pass_stats.h"
#include "platform/host/scale.h"
#include "platform/host/sdl/sdl_x11.h"
#include "platform/host/audio/sdl_audio.h"
#include "platform/host/tick_pacing.h"
#include "platform/host/utf8.h"
#include "platform/host/viewport.h"

#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>
#include <thread>

namespace {

// Room kept for the window manager's title bar while the window's frame is not yet known.
constexpr int ASSUMED_TITLE_BAR = 32;

struct SdlState {
    SDL_Window* window = nullptr;
    SDL_Cursor* cursor = nullptr;
    // The picture last shown: the source of every scaled drawing.
    PictureCopy shown;
    // The game's screen size: what the window shows, scaled.
    int mode_width = 640;
    int mode_height = 480;
    int fullscreen = 0;
    int cursor_visible = 1;
    int out_of_sight = 0; // minimised or unmapped, as SDL last said
    // Open game controllers, and the keys that they hold together.
    std::vector<SDL_GameController*> controllers;
    std::uint32_t pad_keys = 0;
    // When the window's real size was last compared with SDL's idea of it.
    std::int64_t size_checked_ms = 0;
    // Full-screen requests made again since the mode last changed.
    int full_screen_requests = 0;
};

SdlState Sdl;

// How often a dropped full-screen request is made again after one change of mode.
constexpr int FULL_SCREEN_REQUESTS = 10;

// Copies picture rows first..last, scaled, into the window's pixels and shows them. The
// window's own surface is written directly when it holds 0x00RRGGBB words (X11's does);
// any other layout goes through a scaled copy that SDL converts.
void draw_rows(SDL_Surface* surface, const VideoViewport& v, int first, int last) {
    int out_first = 0, out_last = 0;
    if (!viewport_rows_of(v, Sdl.shown.height, first, last, &out_first, &out_last)) return;
    const VideoPicture picture = picture_of(Sdl.shown);
    const SDL_PixelFormat* f = surface->format;
    int direct =
        f->BytesPerPixel == 4 && f->Rmask == 0xFF0000 && f->Gmask == 0xFF00 && f->Bmask == 0xFF;
    if (direct) {
        if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return;
        scale_picture_rows(&picture, v, out_first, out_last,
                           static_cast<std::uint32_t*>(surface->pixels), surface->pitch / 4);
        if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    } else {
        SDL_Surface* band = SDL_CreateRGBSurfaceWithFormat(0, v.width, out_last - out_first + 1, 32,
                                                           SDL_PIXELFORMAT_ARGB8888);
        if (!band) return;
        // The band stands for the viewport's rows from out_first on.
        VideoViewport at_band = {0, -out_first, v.width, v.height};
        scale_picture_rows(&picture, at_band, out_first, out_last,
                           static_cast<std::uint32_t*>(band->pixels), band->pitch / 4);
        SDL_Rect to = {v.x, v.y + out_first, v.width, out_last - out_first + 1};
        SDL_BlitSurface(band, nullptr, surface, &to);
        SDL_FreeSurface(band);
    }
    SDL_Rect shown = {v.x, v.y + out_first, v.width, out_last - out_first + 1};
    SDL_UpdateWindowSurfaceRects(Sdl.window, &shown, 1);
}

// Draws the last presented picture again (after a change of window size, or when the
// window was uncovered); black around it, and black alone before the first picture.
void redraw() {
    if (!Sdl.window) return;
    // The window's size may have changed behind SDL's back (the window manager fitting it
    // to the screen): the surface is asked for afresh each time, and SDL remakes it then.
    SDL_Surface* surface = SDL_GetWindowSurface(Sdl.window);
    if (!surface) return;
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    if (Sdl.shown.width > 0) {
        VideoViewport v = fit_picture(surface->w, surface->h, Sdl.shown.width, Sdl.shown.height);
        draw_rows(surface, v, 0, Sdl.shown.height - 1);
    }
    SDL_UpdateWindowSurface(Sdl.window);
}

int windowed_scale() {
    SDL_Rect usable;
    int display = SDL_GetWindowDisplayIndex(Sdl.window);
    if (display < 0 || SDL_GetDisplayUsableBounds(display, &usable) != 0) return 1;
    int top = 0, left = 0, bottom = 0, right = 0;
    if (SDL_GetWindowBordersSize(Sdl.window, &top, &left, &bottom, &right) != 0 || top <= 0) {
        top = ASSUMED_TITLE_BAR;
        left = bottom = right = 0;
    }
    return windowed_factor(usable.w, usable.h, left + right, top + bottom, Sdl.mode_width,
                           Sdl.mode_height);
}

void apply_window_mode() {
    if (!Sdl.window) return;
    Sdl.full_screen_requests = 0;
    if (Sdl.fullscreen) {
        // Borderless over the whole desktop; the desktop's own mode is left alone.
        SDL_SetWindowResizable(Sdl.window, SDL_FALSE);
        SDL_SetWindowBordered(Sdl.window, SDL_FALSE);
        SDL_SetWindowFullscreen(Sdl.window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    } else {
        // A window with the desktop's title bar, so that it can be moved and resized; the
        // picture follows whatever size it ends up with.
        SDL_SetWindowFullscreen(Sdl.window, 0);
        SDL_SetWindowBordered(Sdl.window, SDL_TRUE);
        SDL_SetWindowResizable(Sdl.window, SDL_TRUE);
        int factor = windowed_scale();
        SDL_SetWindowSize(Sdl.window, Sdl.mode_width * factor, Sdl.mode_height * factor);
        SDL_SetWindowPosition(Sdl.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    redraw();
}

SDL_Surface* surface_of(const std::uint32_t* argb, int width, int height) {
    if (!argb || width <= 0 || height <= 0) return nullptr;
    return SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(argb), width, height, 32,
                                              width * 4, SDL_PIXELFORMAT_ARGB8888);
}

void report(char* error, int error_size) {
    if (error && error_size > 0) std::snprintf(error, error_size, "%s", SDL_GetError());
}

// Drivers that show nothing a person can see: SDL falls back on them when there is no
// display, which would leave the game running unseen.
int draws_nowhere(const char* driver) {
    return SDL_strcmp(driver, "offscreen") == 0 || SDL_strcmp(driver, "dummy") == 0 ||
           SDL_strcmp(driver, "evdev") == 0;
}

// Without a runtime folder only an absolute socket path can reach a Wayland compositor.
int wayland_reachable() {
    const char* socket = SDL_getenv("WAYLAND_DISPLAY");
    return SDL_getenv("XDG_RUNTIME_DIR") || (socket && socket[0] == '/');
}

int init_video(char* error, int error_size) {
    // A driver named by the user (as the benchmarks do) is taken as it is.
    if (SDL_getenv("SDL_VIDEODRIVER")) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) return 1;
        report(error, error_size);
        return 0;
    }
    std::string reasons;
    for (int i = 0; i < SDL_GetNumVideoDrivers(); i++) {
        const char* driver = SDL_GetVideoDriver(i);
        if (!driver || draws_nowhere(driver)) continue;
        if (SDL_strcmp(driver, "wayland") == 0 && !wayland_reachable()) {
            // Probing it anyway would have the Wayland library print its own complaint.
            reasons += std::string(reasons.empty() ? "" : "; ") + "wayland: no session";
            continue;
        }
        SDL_SetHint(SDL_HINT_VIDEODRIVER, driver);
        int ok = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
        if (!ok)
            reasons += std::string(reasons.empty() ? "" : "; ") + driver + ": " + SDL_GetError();
        SDL_ResetHint(SDL_HINT_VIDEODRIVER);
        if (ok) return 1;
    }
    if (error && error_size > 0)
        std::snprintf(error, error_size, "no display (%s)",
                      reasons.empty() ? "no video driver" : reasons.c_str());
    return 0;
}

void open_controller(int device_index) {
    if (!SDL_IsGameController(device_index)) return;
    SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(device_index);
    for (SDL_GameController* open : Sdl.controllers)
        if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(open)) == id) return;
    if (SDL_GameController* controller = SDL_GameControllerOpen(device_index))
        Sdl.controllers.push_back(controller);
}

void close_controller(SDL_JoystickID id) {
    for (std::size_t i = 0; i < Sdl.controllers.size(); i++) {
        if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(Sdl.controllers[i])) != id)
            continue;
        SDL_GameControllerClose(Sdl.controllers[i]);
        Sdl.controllers.erase(Sdl.controllers.begin() + static_cast<std::ptrdiff_t>(i));
        return;
    }
}

void queue_pad_key(int virtual_key, int down, void*) {
    VideoEvent event = {};
    event.kind = down ? VIDEO_KEY_DOWN : VIDEO_KEY_UP;
    event.virtual_key = virtual_key;
    host_event_post(event);
}

// Turns a change in what the controllers hold into key presses and releases: a key is
// held while any controller holds it. Each controller is also kept on its own, by number.
void update_pad_keys() {
    std::uint32_t keys = 0;
    for (SDL_GameController* controller : Sdl.controllers) {
        const PadState state = gamepad_state(gamepad_read(controller));
        keys |= pad_keys(state);
        pads_seen(SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller)),
                  gamepad_kind(controller), state);
    }
    pads_sweep();
    pad_key_changes(Sdl.pad_keys, keys, queue_pad_key, nullptr);
    Sdl.pad_keys = keys;
}

void close_controllers() {
    for (SDL_GameController* controller : Sdl.controllers)
        SDL_GameControllerClose(controller);
    Sdl.controllers.clear();
    pads_sweep();
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER)) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

int sdl_open_window(const char* title, int width, int height, char* error, int error_size) {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) {
        // A minimised window would leave an exclusive-looking game unreachable.
        SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
        // X11 takes the window's pixels through shared memory at no cost to the game, where
        // SDL's default would route them through OpenGL, all in software on a machine
        // without a graphics driver. Elsewhere SDL chooses.
        if (!init_video(error, error_size)) return 0;
        if (SDL_strcmp(SDL_GetCurrentVideoDriver(), "x11") == 0)
            SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    }
    Sdl.window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                                  height, SDL_WINDOW_BORDERLESS | SDL_WINDOW_SHOWN);
    if (!Sdl.window || !SDL_GetWindowSurface(Sdl.window)) {
        report(error, error_size);
        if (Sdl.window) SDL_DestroyWindow(Sdl.window);
        Sdl.window = nullptr;
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return 0;
    }
    Sdl.mode_width = width;
    Sdl.mode_height = height;
    Sdl.fullscreen = 0;
    picture_forget(&Sdl.shown);
    // Without controller support the keyboard still plays; controllers present now arrive
    // as added devices among the first events, like those plugged in later.
    SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
    SDL_ShowCursor(Sdl.cursor_visible ? SDL_ENABLE : SDL_DISABLE);
    redraw();
    return 1;
}

void sdl_close_window() {
    close_controllers();
    if (Sdl.window) SDL_DestroyWindow(Sdl.window);
    if (Sdl.cursor) SDL_FreeCursor(Sdl.cursor);
    int had_window = Sdl.window != nullptr;
    if (had_window) pass_stats_finish();
    Sdl = SdlState();
    if (had_window) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

int sdl_set_mode(int width, int height, int bpp, int fullscreen) {
    (void)bpp;
    if (width <= 0 || height <= 0) return 0;
    Sdl.mode_width = width;
    Sdl.mode_height = height;
    Sdl.fullscreen = fullscreen != 0;
    apply_window_mode();
    return 1;
}

void sdl_present(const VideoPicture* picture) {
    if (!Sdl.window || !picture || !picture->pixels || picture->width <= 0 || picture->height <= 0)
        return;
    pass_stats_frame(std::chrono::duration_cast<std::chrono::microseconds>(
                         std::chrono::steady_clock::now().time_since_epoch())
                         .count(),
                     Sdl.cursor_visible);
    // An unchanged picture (a menu standing still) is on the screen already, and of a
    // changed one only the rows of its changed part are converted and drawn; a window that
    // was uncovered or resized is drawn again whole from its events.
    int whole = Sdl.shown.width != picture->width || Sdl.shown.height != picture->height;
    HostRect changed = {};
    if (!picture_remember(&Sdl.shown, picture, &changed)) return;
    SDL_Surface* surface = SDL_GetWindowSurface(Sdl.window);
    if (whole || !surface) {
        redraw();
        return;
    }
    draw_rows(surface, fit_picture(surface->w, surface->h, Sdl.shown.width, Sdl.shown.height),
              changed.y, changed.y + changed.height - 1);
}

int is_alt_enter(const SDL_KeyboardEvent& key) {
    return (key.keysym.sym == SDLK_RETURN || key.keysym.sym == SDLK_KP_ENTER) &&
           (key.keysym.mod & KMOD_ALT);
}

// Window points to picture pixels; `clamped` puts a point off the picture on its nearest
// pixel instead of refusing it.
int mouse_to_picture(int window_x, int window_y, int* x, int* y, int clamped = 0) {
    int win_w = 0, win_h = 0;
    SDL_GetWindowSize(Sdl.window, &win_w, &win_h);
    SDL_Surface* surface = SDL_GetWindowSurface(Sdl.window);
    if (win_w <= 0 || win_h <= 0 || !surface) return 0;
    int out_w = surface->w, out_h = surface->h;
    // Window points and output pixels differ on high-density displays.
    int out_x = static_cast<int>(static_cast<long long>(window_x) * out_w / win_w);
    int out_y = static_cast<int>(static_cast<long long>(window_y) * out_h / win_h);
    VideoViewport v = fit_picture(out_w, out_h, Sdl.mode_width, Sdl.mode_height);
    if (clamped)
        return map_to_picture_clamped(v, Sdl.mode_width, Sdl.mode_height, out_x, out_y, x, y);
    return map_to_picture(v, Sdl.mode_width, Sdl.mode_height, out_x, out_y, x, y);
}

int button_of(Uint8 sdl_button) {
    if (sdl_button == SDL_BUTTON_LEFT) return VIDEO_BUTTON_LEFT;
    if (sdl_button == SDL_BUTTON_RIGHT) return VIDEO_BUTTON_RIGHT;
    if (sdl_button == SDL_BUTTON_MIDDLE) return VIDEO_BUTTON_MIDDLE;
    return -1;
}

// Typed text arrives as UTF-8, possibly several characters at once; they are queued one by one.
void queue_text(const char* text) {
    int length = static_cast<int>(SDL_strlen(text));
    int at = 0, code_point = 0;
    while ((code_point = utf8_next(text, length, &at)) >= 0) {
        VideoEvent event = {};
        event.kind = VIDEO_CHARACTER;
        event.character = code_point;
        host_event_post(event);
    }
}

// A window manager that activates the window in the same instant as the window asks for the
// full screen now and then drops the request, and the window stays at its own size: seen so,
// the request is made again, a few times at most, so a manager that refuses for good is left be.
void keep_full_screen(int real_w, int real_h) {
    SDL_Rect bounds;
    const int display = SDL_GetWindowDisplayIndex(Sdl.window);
    if (display < 0 || SDL_GetDisplayBounds(display, &bounds) != 0) return;
    if ((real_w == bounds.w && real_h == bounds.h) || Sdl.out_of_sight ||
        Sdl.full_screen_requests >= FULL_SCREEN_REQUESTS)
        return;
    Sdl.full_screen_requests++;
    SDL_SetWindowFullscreen(Sdl.window, 0);
    SDL_SetWindowFullscreen(Sdl.window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    redraw();
}

// A window manager may also refuse the window's size without a word (one that fills the
// screen with every window, say), and SDL then keeps drawing for the size it asked for. A few
// times a second the real size is asked of the server, and SDL is told when they differ.
void follow_real_size() {
    std::int64_t now = std::chrono::duration_cast<std::chrono::milliseconds>(
                           std::chrono::steady_clock::now().time_since_epoch())
                           .count();
    if (now - Sdl.size_checked_ms < 100) return;
    Sdl.size_checked_ms = now;
    int real_w = 0, real_h = 0, known_w = 0, known_h = 0;
    if (!x11_window_size(Sdl.window, &real_w, &real_h)) return;
    if (Sdl.fullscreen) {
        keep_full_screen(real_w, real_h);
        return;
    }
    SDL_GetWindowSize(Sdl.window, &known_w, &known_h);
    if (real_w == known_w && real_h == known_h) return;
    // The size the window has already: the server changes nothing, SDL learns the truth.
    SDL_SetWindowSize(Sdl.window, real_w, real_h);
    redraw();
}

// Each of these reads one SDL event into `event`; 0 when it makes none for the program.
int key_event(const SDL_KeyboardEvent& key, VideoEvent* event) {
    if (is_alt_enter(key)) {
        if (key.type == SDL_KEYDOWN && !key.repeat) {
            Sdl.fullscreen = !Sdl.fullscreen;
            apply_window_mode();
        }
        return 0;
    }
    int vk = sdl_key_to_virtual_key(key.keysym.sym);
    if (!vk) return 0;
    event->kind = key.type == SDL_KEYDOWN ? VIDEO_KEY_DOWN : VIDEO_KEY_UP;
    event->virtual_key = vk;
    event->repeat = key.repeat != 0;
    return 1;
}

int mouse_button_event(const SDL_MouseButtonEvent& press, VideoEvent* event) {
    int button = button_of(press.button);
    int down = press.type == SDL_MOUSEBUTTONDOWN;
    // A press counts only on the picture; its release lands wherever the mouse is.
    if (button < 0 || !mouse_to_picture(press.x, press.y, &event->x, &event->y, !down)) return 0;
    event->kind = down ? VIDEO_MOUSE_DOWN : VIDEO_MOUSE_UP;
    event->button = button;
    return 1;
}

int wheel_event(const SDL_MouseWheelEvent& wheel, VideoEvent* event) {
    int notches = wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -wheel.y : wheel.y;
    if (!notches) return 0;
    event->kind = VIDEO_MOUSE_WHEEL;
    event->wheel = notches;
    return 1;
}

int window_event(const SDL_WindowEvent& window, VideoEvent* event) {
    if (window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
        // The platform lets go of every key; what the controllers hold counts afresh from
        // their next change.
        Sdl.pad_keys = 0;
        pads_let_go();
        event->kind = VIDEO_FOCUS_LOST;
        return 1;
    }
    if (window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
        event->kind = VIDEO_FOCUS_GAINED;
        return 1;
    }
    // Minimised or unmapped, the window shows nothing: presenting stops until it is back.
    if (window.event == SDL_WINDOWEVENT_MINIMIZED || window.event == SDL_WINDOWEVENT_HIDDEN) {
        Sdl.out_of_sight = 1;
        event->kind = VIDEO_HIDDEN;
        return 1;
    }
    if (window.event == SDL_WINDOWEVENT_RESTORED || window.event == SDL_WINDOWEVENT_SHOWN) {
        Sdl.out_of_sight = 0;
        event->kind = VIDEO_SHOWN;
        return 1;
    }
    if (window.event == SDL_WINDOWEVENT_EXPOSED || window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
        window.event == SDL_WINDOWEVENT_RESIZED || window.event == SDL_WINDOWEVENT_DISPLAY_CHANGED)
        redraw();
    return 0;
}

// Controllers plugged in and out, and their changes, become queued key presses and releases.
void controller_event(const SDL_Event& e) {
    if (e.type == SDL_CONTROLLERDEVICEADDED) open_controller(e.cdevice.which);
    // What an unplugged controller held is let go.
    if (e.type == SDL_CONTROLLERDEVICEREMOVED) close_controller(e.cdevice.which);
    update_pad_keys();
}

int take_event(const SDL_Event& e, VideoEvent* event) {
    switch (e.type) {
    case SDL_QUIT:
        event->kind = VIDEO_CLOSE;
        return 1;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        return key_event(e.key, event);
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        return mouse_button_event(e.button, event);
    case SDL_MOUSEMOTION:
        event->kind = VIDEO_MOUSE_MOVE;
        return mouse_to_picture(e.motion.x, e.motion.y, &event->x, &event->y);
    case SDL_MOUSEWHEEL:
        return wheel_event(e.wheel, event);
    case SDL_TEXTINPUT:
        queue_text(e.text.text);
        return 0;
    case SDL_CONTROLLERDEVICEADDED:
    case SDL_CONTROLLERDEVICEREMOVED:
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
    case SDL_CONTROLLERAXISMOTION:
        controller_event(e);
        return 0;
    case SDL_WINDOWEVENT:
        return window_event(e.window, event);
    default:
        return 0;
    }
}

// SDL's reports in their order, each turned into the events it makes; while the shared queue
// is nearly full the rest wait in SDL's own queue for the next pump.
void sdl_pump_events() {
    if (!Sdl.window) return;
    follow_real_size();
    SDL_Event e;
    while (host_event_room() >= HOST_EVENT_BURST && SDL_PollEvent(&e)) {
        VideoEvent taken = {};
        if (take_event(e, &taken)) host_event_post(taken);
    }
}

void sdl_set_cursor_visible(int visible) {
    Sdl.cursor_visible = visible != 0;
    if (Sdl.window) SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

std::int64_t steady_milliseconds() {
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
}

TickPacing Pacing;

void rest_until(std::int64_t next_ms) {
    if (Sdl.out_of_sight) next_ms += OUT_OF_SIGHT_EXTRA_REST_MS;
    std::this_thread::sleep_until(
        std::chrono::steady_clock::time_point(std::chrono::milliseconds(next_ms)));
}

// One sleep to the very millisecond the clock turns to the deadline: the steady clock's
// readings are whole milliseconds of it, so a wake just after that instant reads the deadline.
void sdl_rest_until(std::uint32_t deadline) {
    const std::int64_t now = steady_milliseconds();
    const auto left = static_cast<std::int32_t>(deadline - static_cast<std::uint32_t>(now));
    if (left <= 0) return;
    std::this_thread::sleep_until(
        std::chrono::steady_clock::time_point(std::chrono::milliseconds(now + left)));
}

std::uint32_t sdl_ticks() {
    // Truncated to 32 bits: the tick counter wraps like the kernel's.
    return static_cast<std::uint32_t>(paced_reading(&Pacing, steady_milliseconds, rest_until));
}

void sdl_set_icon(const std::uint32_t* argb, int width, int height) {
    if (!Sdl.window) return;
    SDL_Surface* surface = surface_of(argb, width, height);
    if (!surface) return;
    SDL_SetWindowIcon(Sdl.window, surface);
    SDL_FreeSurface(surface);
}

void sdl_set_cursor_image(const std::uint32_t* argb, int width, int height, int hot_x, int hot_y) {
    if (!Sdl.window) return;
    SDL_Surface* surface = surface_of(argb, width, height);
    if (!surface) return;
    SDL_Cursor* cursor = SDL_CreateColorCursor(surface, hot_x, hot_y);
    SDL_FreeSurface(surface);
    if (!cursor) return;
    SDL_SetCursor(cursor);
    if (Sdl.cursor) SDL_FreeCursor(Sdl.cursor);
    Sdl.cursor = cursor;
}

const Host SdlHost = {
    .name = "sdl",
    .open_window = sdl_open_window,
    .close_window = sdl_close_window,
    .set_mode = sdl_set_mode,
    .present = sdl_present,
    .set_cursor_visible = sdl_set_cursor_visible,
    .set_icon = sdl_set_icon,
    .set_cursor_image = sdl_set_cursor_image,
    .pump_events = sdl_pump_events,
    .ticks = sdl_ticks,
    .rest_until = sdl_rest_until,
    .audio = sdl_audio_output,
};

} // namespace

const Host* sdl_host() {
    return &SdlHost;
}
