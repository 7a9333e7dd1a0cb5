// The game's window on the headless backend, made as the shell makes it, for tests that run
// the set-up and tear-down without the main loop.
#pragma once

#include "engine/display/display_context.h"
#include "platform/platform_reset.h"

#include <gtest/gtest.h>

inline void open_game_window() {
    platform_reset();
    WNDCLASSEXA window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = DefWindowProcA;
    window_class.lpszClassName = "GAMETEST";
    ASSERT_TRUE(RegisterClassExA(&window_class));
    MainWindow = CreateWindowExA(0, "GAMETEST", "Brambleleap 2005", WS_POPUP | WS_VISIBLE, 0, 0,
                                 640, 480, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(MainWindow, nullptr);
}
