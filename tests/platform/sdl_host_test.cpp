// The SDL2 target's key codes, its clock, and its failure to open a window where there is no
// display.
#include "platform/host/event_queue.h"
#include "platform/host/sdl/sdl_host.h"
#include "platform/host/sdl/sdl_keys.h"
#include "platform/win32.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>

TEST(SdlKeys, TheGamesKeysHaveTheirVirtualKeyCodes) {
    struct Pair {
        SDL_Keycode sdl;
        int vk;
    };
    const Pair pairs[] = {
        {SDLK_RETURN, VK_RETURN},
        {SDLK_KP_ENTER, VK_RETURN},
        {SDLK_ESCAPE, VK_ESCAPE},
        {SDLK_UP, VK_UP},
        {SDLK_DOWN, VK_DOWN},
        {SDLK_LEFT, VK_LEFT},
        {SDLK_RIGHT, VK_RIGHT},
        {SDLK_DELETE, VK_DELETE},
        {SDLK_PAGEDOWN, VK_NEXT},
        {SDLK_PAGEUP, VK_PRIOR},
        {SDLK_HOME, VK_HOME},
        {SDLK_END, VK_END},
        {SDLK_SPACE, VK_SPACE},
        {SDLK_a, 'A'},
        {SDLK_z, 'Z'},
        {SDLK_s, 'S'},
        {SDLK_0, '0'},
        {SDLK_9, '9'},
        {SDLK_F1, VK_F1},
        {SDLK_F12, VK_F1 + 11},
        // Modifiers by their side; messages carry the generic code.
        {SDLK_LSHIFT, VK_LSHIFT},
        {SDLK_RSHIFT, VK_RSHIFT},
        {SDLK_LCTRL, VK_LCONTROL},
        {SDLK_RALT, VK_RMENU},
        {SDLK_KP_0, VK_NUMPAD0},
        {SDLK_KP_9, VK_NUMPAD9},
        {SDLK_KP_DIVIDE, VK_DIVIDE},
        {SDLK_SEMICOLON, VK_OEM_1},
        {SDLK_QUOTE, VK_OEM_7},
        {SDLK_CAPSLOCK, VK_CAPITAL},
    };
    for (const Pair& p : pairs)
        EXPECT_EQ(sdl_key_to_virtual_key(p.sdl), p.vk) << p.sdl;
    EXPECT_EQ(sdl_key_to_virtual_key(SDLK_VOLUMEUP), 0);
    EXPECT_EQ(sdl_key_to_virtual_key(-5), 0);
}

TEST(SdlBackend, WithoutADisplayTheWindowFailsWithSdlsReason) {
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
    char reason[256];
    std::memset(reason, 0, sizeof reason);
    const Host* sdl = sdl_host();
    EXPECT_EQ(sdl->open_window("Brambleleap 2005", 640, 480, reason, sizeof reason), 0);
    // Not SDL's off-screen fallback, which would run the game unseen, but a failure that
    // says what each real driver found.
    EXPECT_NE(std::strstr(reason, "x11"), nullptr) << reason;
    EXPECT_EQ(std::strchr(reason, '\n'), nullptr) << "one line";
    // Nothing of a window exists: these must be harmless.
    sdl->present(nullptr);
    VideoEvent event;
    sdl->pump_events();
    EXPECT_EQ(host_event_take(&event), 0);
    sdl->close_window();
}

// A caller polling in a loop (the frame clock's wait) gets a few quick answers within one
// millisecond and is then made to rest until the count moves; each reading is still the
// true count.
TEST(SdlBackend, RepeatedReadingsWaitForTheNextMillisecondAndStayTrue) {
    const Host* sdl = sdl_host();
    auto true_count = [] {
        return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                      std::chrono::steady_clock::now().time_since_epoch())
                                      .count());
    };
    DWORD previous = sdl->ticks();
    int run = 1, longest_run = 1, changes = 0;
    for (int i = 0; i < 400; i++) {
        DWORD before = true_count();
        DWORD reading = sdl->ticks();
        DWORD after = true_count();
        ASSERT_LT(reading - previous, 0x80000000u) << "never backwards";
        ASSERT_LE(reading - before, after - before) << "within the call, not ahead of it";
        run = reading == previous ? run + 1 : 1;
        changes += reading != previous;
        longest_run = std::max(longest_run, run);
        previous = reading;
    }
    EXPECT_LE(longest_run, 4) << "a polling loop is held back to the next millisecond";
    EXPECT_GE(changes, 400 / 4);
}
