// The program's window on the headless backend with the real window procedure, and ways to
// see what a message did: the state it left, whether it went on to the default handling,
// whether it asked the loop to end.
#pragma once

#include "engine/display/display_context.h"
#include "game/screens.h"
#include "platform/platform_reset.h"
#include "platform/winapi/winapi_window.h"
#include "shell/window_proc.h"

#include <gtest/gtest.h>

class ScreenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform_reset();
        GameState = STATE_MENU;
        MenuSelection = 0;
        WNDCLASSEX wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = window_proc;
        wc.lpszClassName = "WINCLASS1";
        ASSERT_NE(RegisterClassEx(&wc), 0);
        MainWindow = CreateWindowEx(0, "WINCLASS1", "Brambleleap 2005", WS_POPUP | WS_VISIBLE, 0, 0,
                                    640, 480, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(MainWindow, nullptr);
    }
    void TearDown() override { MainWindow = nullptr; }

    // Sends one message through the window procedure; notes whether it was passed on.
    LRESULT send(UINT message, WPARAM wparam, LPARAM lparam) {
        int before = winapi_default_calls();
        LRESULT result = window_proc(MainWindow, message, wparam, lparam);
        passed_on = winapi_default_calls() != before;
        return result;
    }
    LRESULT key(int virtual_key) { return send(WM_KEYDOWN, virtual_key, 0); }
    LRESULT click(int x, int y) { return send(WM_LBUTTONDOWN, 0, MAKELPARAM(x, y)); }

    // Takes the queue: 1 when a quit request (WM_DESTROY posted to the window) was in it.
    int quit_requested() {
        int found = 0;
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_DESTROY && msg.hwnd == MainWindow) found = 1;
        }
        return found;
    }

    bool passed_on = false;
};
