// The Windows host's clock, keys and controllers. The clock's waits rest on a timer
// instead of spinning; XInput's DLL is loaded at run time, so a system without it plays on
// without controllers.
#include "platform/host/pad_keys.h"
#include "platform/host/tick_pacing.h"
#include "platform/host/windows/windows_host_parts.h"
#include "platform/host/windows/windows_xinput.h"

#include <mmsystem.h>

#include <cstdlib>

namespace {

// The kernel's wait in 100 ns units, which Sleep's whole milliseconds would overshoot: Wine
// keeps it to the microsecond, Windows to its timer period, which the clock sets to 1 ms.
using DelayFunction = LONG(WINAPI*)(BOOLEAN alertable, const LARGE_INTEGER* interval);
using KeyStateFunction = SHORT(WINAPI*)(int virtual_key);

struct ClockState {
    bool started = false;
    LARGE_INTEGER frequency = {};
    LARGE_INTEGER origin = {};
    DWORD origin_ticks = 0;
    DelayFunction delay = nullptr;
    TickPacing pacing;
};
ClockState Clock;

struct PadInput {
    bool loaded = false;
    HMODULE dll = nullptr;
    XinputPads pads = {};
    std::uint32_t posted = 0; // the keys the window was told are down
};
PadInput Pads;

void end_timer_period() {
    timeEndPeriod(1);
}

void start_clock() {
    Clock.started = true;
    QueryPerformanceFrequency(&Clock.frequency);
    QueryPerformanceCounter(&Clock.origin);
    // The readings carry on from the system's tick count, as its own clock's would; the
    // 64-bit count's low half is that count.
    Clock.origin_ticks = static_cast<DWORD>(GetTickCount64());
    if (timeBeginPeriod(1) == TIMERR_NOERROR) std::atexit(end_timer_period);
    if (HMODULE ntdll = GetModuleHandleA("ntdll.dll"))
        Clock.delay = reinterpret_cast<DelayFunction>(
            reinterpret_cast<void*>(GetProcAddress(ntdll, "NtDelayExecution")));
}

std::int64_t elapsed_microseconds() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const std::int64_t counts = now.QuadPart - Clock.origin.QuadPart;
    const std::int64_t frequency = Clock.frequency.QuadPart > 0 ? Clock.frequency.QuadPart : 1;
    return counts / frequency * 1000000 + counts % frequency * 1000000 / frequency;
}

std::int64_t elapsed_milliseconds() {
    return elapsed_microseconds() / 1000;
}

void rest_until(std::int64_t next_ms) {
    const HWND window = windows_window();
    if (window && IsIconic(window)) next_ms += OUT_OF_SIGHT_EXTRA_REST_MS;
    const std::int64_t wait_us = next_ms * 1000 - elapsed_microseconds();
    if (wait_us <= 0) return;
    if (Clock.delay) {
        LARGE_INTEGER interval;
        interval.QuadPart = -wait_us * 10; // negative: relative to now
        Clock.delay(FALSE, &interval);
        return;
    }
    Sleep(1);
}

bool program_has_focus() {
    HWND foreground = GetForegroundWindow();
    DWORD process = 0;
    if (foreground) GetWindowThreadProcessId(foreground, &process);
    return foreground && process == GetCurrentProcessId();
}

// The system's own key state, taken from user32 by name: the program's imported name is
// bound to windows_key_state.
KeyStateFunction system_key_state() {
    static const KeyStateFunction function = [] {
        HMODULE user32 = GetModuleHandleA("user32.dll");
        FARPROC found = user32 ? GetProcAddress(user32, "GetAsyncKeyState") : nullptr;
        return reinterpret_cast<KeyStateFunction>(reinterpret_cast<void*>(found));
    }();
    return function;
}

void load_xinput() {
    Pads.loaded = true;
    const char* const names[] = {"xinput1_4.dll", "xinput9_1_0.dll"};
    for (const char* name : names) {
        Pads.dll = LoadLibraryA(name);
        if (!Pads.dll) continue;
        // The DLL's XInputGetState takes the slot and XInput's state record, as declared.
        FARPROC get_state = GetProcAddress(Pads.dll, "XInputGetState");
        if (get_state) {
            Pads.pads.get_state =
                reinterpret_cast<XinputGetStateFunction>(reinterpret_cast<void*>(get_state));
            return;
        }
        FreeLibrary(Pads.dll);
        Pads.dll = nullptr;
    }
}

void post_key(int virtual_key, int down, void* context) {
    HWND window = static_cast<HWND>(context);
    const UINT key = static_cast<UINT>(virtual_key);
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(window, down ? WM_KEYDOWN : WM_KEYUP, key,
                 down ? (1 | scan) : (1 | scan | 0xC0000000));
}

} // namespace

std::uint32_t windows_ticks() {
    if (!Clock.started) start_clock();
    return Clock.origin_ticks +
           static_cast<DWORD>(paced_reading(&Clock.pacing, elapsed_milliseconds, rest_until));
}

// One delay to a millisecond before the deadline: on Windows a delay may end up to the timer
// period (1 ms) late, so the clock's own pacing takes the last millisecond.
void windows_rest_until(std::uint32_t deadline) {
    if (!Clock.started) start_clock();
    const std::int64_t now_ms = elapsed_milliseconds();
    const auto left = static_cast<std::int32_t>(
        deadline - (Clock.origin_ticks + static_cast<std::uint32_t>(now_ms)));
    if (left <= 1 || !Clock.delay) return;
    LARGE_INTEGER interval;
    interval.QuadPart = -((now_ms + left - 1) * 1000 - elapsed_microseconds()) * 10;
    if (interval.QuadPart < 0) Clock.delay(FALSE, &interval);
}

std::int64_t windows_microseconds() {
    if (!Clock.started) start_clock();
    return elapsed_microseconds();
}

SHORT WINAPI windows_key_state(int virtual_key) {
    // Keys held while another program had the focus are not the player's to this one.
    if (!program_has_focus()) return 0;
    const KeyStateFunction system = system_key_state();
    const SHORT state = system ? system(virtual_key) : 0;
    return pad_keys_hold(Pads.posted, virtual_key) ? static_cast<SHORT>(state | 0x8000) : state;
}

int windows_pads_start() {
    if (!Pads.loaded) load_xinput();
    return Pads.pads.get_state != nullptr;
}

// What the controllers hold reaches the window as key messages, like the keyboard's keys;
// without the focus they hold nothing.
void windows_poll_pads(HWND window) {
    if (!Pads.pads.get_state) return;
    Pads.pads.unfocused = !program_has_focus();
    std::uint32_t keys = xinput_poll(&Pads.pads, static_cast<DWORD>(GetTickCount64()));
    pad_key_changes(Pads.posted, keys, post_key, window);
    Pads.posted = keys;
}
