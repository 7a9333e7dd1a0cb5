// Keyboard and mouse input from the host: window messages and the key state read
// by GetAsyncKeyState.
#include "platform/winapi/winapi_input.h"
#include "platform/host/event_queue.h"
#include "platform/host/host_audio.h"
#include "platform/host/screen.h"
#include "platform/winapi/winapi_ansi.h"
#include "platform/winapi/winapi_queue.h"
#include "platform/winapi/winapi_window.h"

#include <cstring>
#include <deque>
#include <string>

namespace {

// At most a full queue's worth of the host's events per pump, so that a host posting from
// callbacks as fast as they are taken cannot hold the thread; the rest wait for the next pump.
constexpr int MAX_EVENTS_PER_PUMP = HOST_EVENT_CAPACITY;
// Key presses whose characters wait for TranslateMessage; a program that never translates
// must not make the list grow without end.
constexpr std::size_t MAX_UNTRANSLATED = 256;

// A key press taken from the host and the characters it typed, until it is translated.
struct TypedKey {
    WPARAM key;
    DWORD time;
    std::string characters;
};

BYTE KeyDown[256];
POINT Cursor; // client coordinates of the last mouse position
std::deque<TypedKey> Untranslated;
// Whether the last key press came in the pump under way: typed text belongs to it only then.
int PressThisPump = 0;

constexpr int BUTTON_KEYS[3] = {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON};
constexpr UINT BUTTON_DOWN[3] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
constexpr UINT BUTTON_UP[3] = {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP};

// Shift, Ctrl and Alt arrive by their side; messages name them by the generic code, and the
// generic code is held while either side is. A host that knows no side sends the generic
// code, taken as the left key.
int sided_key(int key) {
    if (key == VK_SHIFT) return VK_LSHIFT;
    if (key == VK_CONTROL) return VK_LCONTROL;
    if (key == VK_MENU) return VK_LMENU;
    return key;
}

int generic_key(int key) {
    if (key == VK_LSHIFT || key == VK_RSHIFT) return VK_SHIFT;
    if (key == VK_LCONTROL || key == VK_RCONTROL) return VK_CONTROL;
    if (key == VK_LMENU || key == VK_RMENU) return VK_MENU;
    return key;
}

void set_key(int key, int down) {
    KeyDown[key] = static_cast<BYTE>(down);
    if (generic_key(key) == key) return;
    KeyDown[VK_SHIFT] = KeyDown[VK_LSHIFT] | KeyDown[VK_RSHIFT];
    KeyDown[VK_CONTROL] = KeyDown[VK_LCONTROL] | KeyDown[VK_RCONTROL];
    KeyDown[VK_MENU] = KeyDown[VK_LMENU] | KeyDown[VK_RMENU];
}

// The flags that mouse messages carry in wParam.
WPARAM mouse_flags() {
    WPARAM flags = 0;
    if (KeyDown[VK_LBUTTON]) flags |= MK_LBUTTON;
    if (KeyDown[VK_RBUTTON]) flags |= MK_RBUTTON;
    if (KeyDown[VK_MBUTTON]) flags |= MK_MBUTTON;
    if (KeyDown[VK_SHIFT]) flags |= MK_SHIFT;
    if (KeyDown[VK_CONTROL]) flags |= MK_CONTROL;
    return flags;
}

// Bit 24 of a key message's lParam marks the right-hand Ctrl and Alt, as on a PC keyboard.
LPARAM key_bits(int sided, int repeat, int up) {
    LPARAM bits = 1;
    if (sided == VK_RCONTROL || sided == VK_RMENU) bits |= 1L << 24;
    if (repeat || up) bits |= 1L << 30;
    if (up) bits |= 1L << 31;
    return bits;
}

void key_down(int sided, int repeat, HWND window) {
    set_key(sided, 1);
    if (!window) return;
    WPARAM key = static_cast<WPARAM>(generic_key(sided));
    winapi_enqueue(window, WM_KEYDOWN, key, key_bits(sided, repeat, 0));
    if (Untranslated.size() >= MAX_UNTRANSLATED) Untranslated.pop_front();
    // Only text that the host reports is typed: Enter, Escape, Backspace and Tab make no
    // characters, so a program that takes one message a frame sees its keys at the old pace.
    Untranslated.push_back({key, video_last_ticks(), std::string()});
    PressThisPump = 1;
}

void character(int code_point, HWND window) {
    int ansi = winapi_ansi_of(code_point);
    // What the code page cannot hold is dropped, as the system's conversion does.
    if (!window || ansi <= 0) return;
    if (PressThisPump && !Untranslated.empty()) {
        Untranslated.back().characters += static_cast<char>(ansi);
        return;
    }
    // Text that came without a key press (an input method, say) arrives as it is.
    winapi_enqueue(window, WM_CHAR, static_cast<WPARAM>(ansi), 1);
}

int on_picture(const VideoEvent& event) {
    return event.x >= 0 && event.y >= 0 && event.x <= 0x7FFF && event.y <= 0x7FFF;
}

void mouse_event(const VideoEvent& event, HWND window) {
    if (event.kind == VIDEO_MOUSE_WHEEL) {
        if (!window) return;
        int delta = event.wheel * WHEEL_DELTA;
        if (delta > 0x7FFF) delta = 0x7FFF;
        if (delta < -0x8000) delta = -0x8000;
        // The wheel's message carries the cursor in screen coordinates.
        POINT at = Cursor;
        ClientToScreen(window, &at);
        WPARAM wparam = (static_cast<WPARAM>(static_cast<WORD>(delta)) << 16) | mouse_flags();
        winapi_enqueue(window, WM_MOUSEWHEEL, wparam, MAKELPARAM(at.x, at.y));
        return;
    }
    // Only positions on the picture are the window's.
    if (!on_picture(event)) return;
    Cursor = {event.x, event.y};
    LPARAM where = MAKELPARAM(event.x, event.y);
    if (event.kind == VIDEO_MOUSE_MOVE) {
        if (window) winapi_enqueue_mouse_move(window, mouse_flags(), where);
        return;
    }
    int button = event.button >= 0 && event.button < 3 ? event.button : 0;
    int down = event.kind == VIDEO_MOUSE_DOWN;
    KeyDown[BUTTON_KEYS[button]] = static_cast<BYTE>(down);
    if (window)
        winapi_enqueue(window, down ? BUTTON_DOWN[button] : BUTTON_UP[button], mouse_flags(),
                       where);
}

void key_up(int sided, HWND window) {
    set_key(sided, 0);
    if (window) winapi_enqueue(window, WM_KEYUP, generic_key(sided), key_bits(sided, 0, 1));
}

// The key releases go to whichever window now has the focus, so the game would never hear of
// them: it is told here instead, or its character keeps running. The generic Shift, Ctrl and
// Alt follow their sides.
void release_held_keys(HWND window) {
    for (int held = 1; held < 256; held++) {
        if (!KeyDown[held] || held == VK_SHIFT || held == VK_CONTROL || held == VK_MENU) continue;
        set_key(held, 0);
        if (held == VK_LBUTTON || held == VK_RBUTTON || held == VK_MBUTTON) continue;
        if (window) winapi_enqueue(window, WM_KEYUP, generic_key(held), key_bits(held, 0, 1));
    }
}

void queue_event(const VideoEvent& event, HWND window) {
    int key = event.virtual_key;
    int sided = sided_key(key);
    int valid_key = key > 0 && key < 256;
    switch (event.kind) {
    case VIDEO_KEY_DOWN:
        if (valid_key) key_down(sided, event.repeat, window);
        return;
    case VIDEO_KEY_UP:
        if (valid_key) key_up(sided, window);
        return;
    case VIDEO_CHARACTER:
        character(event.character, window);
        return;
    case VIDEO_MOUSE_DOWN:
    case VIDEO_MOUSE_UP:
    case VIDEO_MOUSE_MOVE:
    case VIDEO_MOUSE_WHEEL:
        mouse_event(event, window);
        return;
    case VIDEO_CLOSE:
        if (window) winapi_enqueue(window, WM_CLOSE, 0, 0);
        return;
    case VIDEO_FOCUS_GAINED:
        audio_window_focus(1);
        return;
    case VIDEO_HIDDEN:
    case VIDEO_SHOWN:
        video_set_hidden(event.kind == VIDEO_HIDDEN);
        return;
    case VIDEO_FOCUS_LOST:
        // Sound buffers without DSBCAPS_GLOBALFOCUS fall silent until the focus is back.
        audio_window_focus(0);
        release_held_keys(window);
        return;
    }
}

} // namespace

void winapi_pump_events() {
    const Host* target = host();
    HWND window = winapi_live_window();
    VideoEvent event;
    PressThisPump = 0;
    if (target->pump_events) target->pump_events();
    for (int i = 0; i < MAX_EVENTS_PER_PUMP; i++) {
        std::memset(&event, 0, sizeof event);
        if (!host_event_take(&event)) break;
        queue_event(event, window);
    }
}

BOOL winapi_translate_key(const MSG* msg) {
    if (!msg || msg->message != WM_KEYDOWN) return FALSE;
    for (auto it = Untranslated.begin(); it != Untranslated.end(); ++it) {
        if (it->key != msg->wParam || it->time != msg->time) continue;
        // Presses before this one were taken without translation; theirs are forgotten.
        std::string typed = it->characters;
        Untranslated.erase(Untranslated.begin(), it + 1);
        for (std::size_t i = typed.size(); i-- > 0;)
            winapi_enqueue_front(msg->hwnd, WM_CHAR, static_cast<BYTE>(typed[i]), 1);
        return TRUE;
    }
    return TRUE;
}

std::int16_t GetAsyncKeyState(int virtual_key) {
    if (virtual_key < 0 || virtual_key > 255) return 0;
    return KeyDown[virtual_key] ? static_cast<std::int16_t>(0x8000) : 0;
}

BOOL GetCursorPos(LPPOINT point) {
    if (!point) return FALSE;
    *point = Cursor;
    HWND window = winapi_live_window();
    if (window) ClientToScreen(window, point);
    return TRUE;
}

void winapi_reset_input() {
    std::memset(KeyDown, 0, sizeof KeyDown);
    Cursor = {0, 0};
    Untranslated.clear();
    PressThisPump = 0;
}
