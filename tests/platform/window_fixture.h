// A test window on the headless backend whose procedure records every message it gets.
#pragma once

#include "platform/platform_reset.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <vector>

struct RecordedMessage {
    HWND window;
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
};

inline std::vector<RecordedMessage> Received;
inline LRESULT CreateResult = 0;

inline LRESULT CALLBACK recording_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    Received.push_back({window, message, wparam, lparam});
    if (message == WM_CREATE) return CreateResult;
    return DefWindowProcA(window, message, wparam, lparam);
}

inline WNDCLASSEXA test_class(const char* name = "TESTCLASS") {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = recording_proc;
    wc.lpszClassName = name;
    return wc;
}

inline HWND open_test_window() {
    WNDCLASSEXA wc = test_class();
    if (!RegisterClassExA(&wc)) return nullptr;
    return CreateWindowExA(0, "TESTCLASS", "test", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480, nullptr,
                           nullptr, nullptr, nullptr);
}

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform_reset();
        Received.clear();
        CreateResult = 0;
        window = open_test_window();
        ASSERT_NE(window, nullptr);
        Received.clear();
    }
    HWND window = nullptr;
};

// Takes every queued message with PM_REMOVE.
inline std::vector<MSG> drain_queue() {
    std::vector<MSG> taken;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        taken.push_back(msg);
    return taken;
}
