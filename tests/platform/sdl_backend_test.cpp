// The SDL2 backend's picture placement, mouse mapping and key codes, and its failure to
// open a window where there is no display.
#include "platform/video/sdl/sdl_backend.h"
#include "platform/video/sdl/sdl_backend_keys.h"
#include "platform/video/sdl/sdl_backend_viewport.h"
#include "platform/video/video_backend.h"
#include "platform/win32.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

TEST(SdlViewport, TheLargestWholeFactorCentredOnBlack) {
    VideoViewport v = fit_picture(1920, 1080, 640, 480);
    EXPECT_EQ(v.width, 1280); // factor 2: 3 would need 1440 rows
    EXPECT_EQ(v.height, 960);
    EXPECT_EQ(v.x, 320);
    EXPECT_EQ(v.y, 60);

    v = fit_picture(1280, 1024, 640, 480);
    EXPECT_EQ(v.width, 1280);
    EXPECT_EQ(v.x, 0);
    EXPECT_EQ(v.y, 32);

    v = fit_picture(640, 480, 640, 480);
    EXPECT_EQ(v.x, 0);
    EXPECT_EQ(v.width, 640);

    v = fit_picture(2560, 1440, 640, 480);
    EXPECT_EQ(v.width, 1920); // factor 3
    EXPECT_EQ(v.height, 1440);
}

TEST(SdlViewport, AnOutputSmallerThanThePictureStillShowsAllOfIt) {
    VideoViewport v = fit_picture(320, 400, 640, 480);
    EXPECT_EQ(v.width, 320);
    EXPECT_EQ(v.height, 240);
    EXPECT_EQ(v.y, 80);
    v = fit_picture(0, 480, 640, 480);
    EXPECT_EQ(v.width, 0);
    v = fit_picture(640, 480, 0, 0);
    EXPECT_EQ(v.width, 0);
}

TEST(SdlViewport, MousePositionsMapBackThroughScaleAndOffset) {
    VideoViewport v = fit_picture(1920, 1080, 640, 480); // (320, 60), factor 2
    int x = -1, y = -1;
    ASSERT_TRUE(map_to_picture(v, 640, 480, 320, 60, &x, &y));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    ASSERT_TRUE(map_to_picture(v, 640, 480, 320 + 2 * 384 + 1, 60 + 2 * 289 + 1, &x, &y));
    EXPECT_EQ(x, 384);
    EXPECT_EQ(y, 289);
    ASSERT_TRUE(map_to_picture(v, 640, 480, 320 + 1279, 60 + 959, &x, &y));
    EXPECT_EQ(x, 639);
    EXPECT_EQ(y, 479);
    // The black border is outside the game's screen.
    EXPECT_FALSE(map_to_picture(v, 640, 480, 319, 100, &x, &y));
    EXPECT_FALSE(map_to_picture(v, 640, 480, 320 + 1280, 100, &x, &y));
    EXPECT_FALSE(map_to_picture(v, 640, 480, 400, 59, &x, &y));
    EXPECT_FALSE(map_to_picture(v, 640, 480, 400, 60 + 960, &x, &y));
    VideoViewport empty = {0, 0, 0, 0};
    EXPECT_FALSE(map_to_picture(empty, 640, 480, 0, 0, &x, &y));
}

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
        {SDLK_LSHIFT, VK_SHIFT},
        {SDLK_RSHIFT, VK_SHIFT},
        {SDLK_LCTRL, VK_CONTROL},
        {SDLK_RALT, VK_MENU},
    };
    for (const Pair& p : pairs)
        EXPECT_EQ(sdl_key_to_virtual_key(p.sdl), p.vk) << p.sdl;
    EXPECT_EQ(sdl_key_to_virtual_key(SDLK_CAPSLOCK), 0);
    EXPECT_EQ(sdl_key_to_virtual_key(-5), 0);
}

TEST(SdlBackend, WithoutADisplayTheWindowFailsWithSdlsReason) {
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
    char reason[256];
    std::memset(reason, 0, sizeof reason);
    VideoBackend* sdl = sdl_video_backend();
    EXPECT_EQ(sdl->open_window("Brambleleap 2005", 640, 480, reason, sizeof reason), 0);
    // Not SDL's off-screen fallback, which would run the game unseen, but a failure that
    // says what each real driver found.
    EXPECT_NE(std::strstr(reason, "x11"), nullptr) << reason;
    EXPECT_EQ(std::strchr(reason, '\n'), nullptr) << "one line";
    // Nothing of a window exists: these must be harmless.
    sdl->present(nullptr);
    VideoEvent event;
    EXPECT_EQ(sdl->poll_event(&event), 0);
    sdl->close_window();
}

TEST(SdlBackend, TheClockIsAWrapping32BitMillisecondCount) {
    VideoBackend* sdl = sdl_video_backend();
    DWORD a = sdl->ticks();
    SDL_Delay(20);
    DWORD b = sdl->ticks();
    EXPECT_GE(b - a, 19u);
    EXPECT_LT(b - a, 5000u);
}
