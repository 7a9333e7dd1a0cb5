// The whole mouse and keyboard through the headless backend: mouse messages with their button
// and modifier flags, the wheel, typed characters made by TranslateMessage, every key's code
// and state; and the process entry's command line.
#include "platform/host/headless/headless.h"
#include "platform/host/utf8.h"
#include "platform/winapi/winapi_command_line.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Takes every waiting message, translating key presses as a program's loop would.
std::vector<MSG> take_all(bool translate = true) {
    std::vector<MSG> taken;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (translate) TranslateMessage(&msg);
        taken.push_back(msg);
    }
    return taken;
}

struct Expected {
    UINT message;
    WPARAM wparam;
    int x, y;
};

void expect_messages(const std::vector<MSG>& taken, const std::vector<Expected>& expected) {
    ASSERT_EQ(taken.size(), expected.size());
    for (std::size_t i = 0; i < taken.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(taken[i].message, expected[i].message);
        EXPECT_EQ(taken[i].wParam, expected[i].wparam);
        EXPECT_EQ(static_cast<std::int16_t>(LOWORD(taken[i].lParam)), expected[i].x);
        EXPECT_EQ(static_cast<std::int16_t>(HIWORD(taken[i].lParam)), expected[i].y);
    }
}

} // namespace

TEST_F(WindowTest, MouseMovesAndAllThreeButtonsCarryTheirFlagsAndPosition) {
    // Moves without a button change between them make one message, at the latest position.
    headless_script_mouse(0, VIDEO_MOUSE_MOVE, 0, 1, 2);
    headless_script_mouse(0, VIDEO_MOUSE_MOVE, 0, 5, 6);
    headless_script_key(0, VK_LSHIFT, 1);
    headless_script_mouse(0, VIDEO_MOUSE_DOWN, VIDEO_BUTTON_LEFT, 10, 20);
    headless_script_mouse(0, VIDEO_MOUSE_MOVE, 0, 30, 40);
    headless_script_mouse(0, VIDEO_MOUSE_DOWN, VIDEO_BUTTON_RIGHT, 31, 41);
    headless_script_key(0, VK_RCONTROL, 1);
    headless_script_mouse(0, VIDEO_MOUSE_DOWN, VIDEO_BUTTON_MIDDLE, 32, 42);
    headless_script_mouse(0, VIDEO_MOUSE_UP, VIDEO_BUTTON_LEFT, 33, 43);
    headless_script_mouse(0, VIDEO_MOUSE_UP, VIDEO_BUTTON_RIGHT, 639, 479);
    // Off the picture: no message, and the cursor stays where it was last seen.
    headless_script_mouse(0, VIDEO_MOUSE_MOVE, 0, -1, 3);
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    // Held while the messages wait: the state is as of the last pump, as GetAsyncKeyState's.
    EXPECT_FALSE(GetAsyncKeyState(VK_LBUTTON) & 0x8000);
    EXPECT_FALSE(GetAsyncKeyState(VK_RBUTTON) & 0x8000);
    EXPECT_TRUE(GetAsyncKeyState(VK_MBUTTON) & 0x8000);
    const WPARAM shift = MK_SHIFT, control = MK_CONTROL;
    std::vector<MSG> taken = take_all();
    std::vector<MSG> mouse;
    for (const MSG& m : taken)
        if (m.message != WM_KEYDOWN) mouse.push_back(m);
    expect_messages(
        mouse, {
                   {WM_MOUSEMOVE, 0, 5, 6},
                   {WM_LBUTTONDOWN, MK_LBUTTON | shift, 10, 20},
                   {WM_MOUSEMOVE, MK_LBUTTON | shift, 30, 40},
                   {WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON | shift, 31, 41},
                   {WM_MBUTTONDOWN, MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | shift | control, 32, 42},
                   {WM_LBUTTONUP, MK_RBUTTON | MK_MBUTTON | shift | control, 33, 43},
                   {WM_RBUTTONUP, MK_MBUTTON | shift | control, 639, 479},
               });
    EXPECT_EQ(mouse[1].pt.x, 10);
    EXPECT_EQ(mouse[1].pt.y, 20);
    POINT cursor = {};
    ASSERT_TRUE(GetCursorPos(&cursor));
    EXPECT_EQ(cursor.x, 639);
    EXPECT_EQ(cursor.y, 479);
}

TEST_F(WindowTest, TheWheelTurnsInStepsOfWheelDeltaAtTheCursorsScreenPosition) {
    // A window away from the screen's corner: the wheel's lParam and GetCursorPos are in
    // screen coordinates, ScreenToClient brings them back.
    DestroyWindow(window);
    window = CreateWindowExA(0, "TESTCLASS", "test", WS_POPUP, 100, 50, 640, 480, nullptr, nullptr,
                             nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    headless_script_mouse(0, VIDEO_MOUSE_MOVE, 0, 7, 8);
    headless_script_wheel(0, 1);
    headless_script_key(0, VK_CONTROL, 1);
    headless_script_wheel(0, -3);
    headless_script_wheel(0, 1000); // beyond what the message's 16 bits hold
    std::vector<MSG> taken;
    for (const MSG& m : take_all())
        if (m.message == WM_MOUSEWHEEL) taken.push_back(m);
    ASSERT_EQ(taken.size(), 3u);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(taken[0].wParam), WHEEL_DELTA);
    EXPECT_EQ(GET_KEYSTATE_WPARAM(taken[0].wParam), 0);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(taken[1].wParam), -3 * WHEEL_DELTA);
    EXPECT_EQ(GET_KEYSTATE_WPARAM(taken[1].wParam), MK_CONTROL);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(taken[2].wParam), 0x7FFF);
    EXPECT_EQ(LOWORD(taken[0].lParam), 107);
    EXPECT_EQ(HIWORD(taken[0].lParam), 58);
    POINT cursor = {};
    ASSERT_TRUE(GetCursorPos(&cursor));
    EXPECT_EQ(cursor.x, 107);
    ASSERT_TRUE(ScreenToClient(window, &cursor));
    EXPECT_EQ(cursor.x, 7);
    EXPECT_EQ(cursor.y, 8);
    ASSERT_TRUE(ClientToScreen(window, &cursor));
    EXPECT_EQ(cursor.y, 58);
}

TEST_F(WindowTest, TranslateMessageMakesTypedTextIntoAnsiCharactersAfterItsKeyPress) {
    struct Press {
        int key;
        const char* text;
    };
    // Each press types its text; "ω" has no place in the code page and is dropped.
    const Press presses[] = {{'A', "a"},      {'E', "é"},    {'4', "€"},     {'W', "ω"},
                             {VK_RETURN, ""}, {VK_BACK, ""}, {VK_SPACE, " "}};
    DWORD when = 0;
    for (const Press& p : presses) {
        headless_script_key(when, p.key, 1);
        headless_script_text(when, p.text);
        headless_script_key(when++, p.key, 0);
    }
    std::string chars;
    std::vector<UINT> order;
    for (DWORD t = 0; t < when + 2; ++t) {
        headless_set_clock(t);
        for (const MSG& m : take_all()) {
            order.push_back(m.message);
            if (m.message == WM_CHAR) chars += static_cast<char>(m.wParam);
        }
    }
    EXPECT_EQ(chars, "a\xE9\x80 ");
    // Each WM_CHAR comes straight after its WM_KEYDOWN, before the key's release.
    ASSERT_GE(order.size(), 3u);
    EXPECT_EQ(order[0], static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(order[1], static_cast<UINT>(WM_CHAR));
    EXPECT_EQ(order[2], static_cast<UINT>(WM_KEYUP));

    // Without TranslateMessage there are no characters; text without a key press (an input
    // method's) arrives as it is.
    headless_script_key(100, 'B', 1);
    headless_script_text(100, "b");
    headless_set_clock(100);
    int char_messages = 0;
    for (const MSG& m : take_all(false))
        char_messages += m.message == WM_CHAR;
    EXPECT_EQ(char_messages, 0);
    headless_script_text(200, "ü");
    headless_set_clock(200);
    std::vector<MSG> taken = take_all(false);
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_EQ(taken[0].message, static_cast<UINT>(WM_CHAR));
    EXPECT_EQ(taken[0].wParam, 0xFCu);
}

TEST_F(WindowTest, EveryKeyArrivesWithItsCodeAndModifiersByTheirSide) {
    std::vector<int> keys;
    for (int c = 'A'; c <= 'Z'; ++c)
        keys.push_back(c);
    for (int c = '0'; c <= '9'; ++c)
        keys.push_back(c);
    for (int k = VK_F1; k <= VK_F12; ++k)
        keys.push_back(k);
    for (int k = VK_NUMPAD0; k <= VK_DIVIDE; ++k)
        keys.push_back(k);
    for (int k : {VK_OEM_1, VK_OEM_PLUS, VK_OEM_COMMA, VK_OEM_MINUS, VK_OEM_PERIOD, VK_OEM_2,
                  VK_OEM_3, VK_OEM_4, VK_OEM_5, VK_OEM_6, VK_OEM_7, VK_OEM_102, VK_CAPITAL,
                  VK_NUMLOCK, VK_LWIN, VK_APPS, VK_PAUSE})
        keys.push_back(k);
    for (int key : keys) {
        SCOPED_TRACE(key);
        headless_script_key(headless_clock(), key, 1);
        std::vector<MSG> taken = take_all(false);
        ASSERT_EQ(taken.size(), 1u);
        EXPECT_EQ(taken[0].message, static_cast<UINT>(WM_KEYDOWN));
        EXPECT_EQ(taken[0].wParam, static_cast<WPARAM>(key));
        EXPECT_TRUE(GetAsyncKeyState(key) & 0x8000);
        headless_script_key(headless_clock(), key, 0);
        take_all(false);
        EXPECT_FALSE(GetAsyncKeyState(key) & 0x8000);
    }
    // Shift, Ctrl and Alt: messages name the generic key, the state knows both sides, and
    // the generic key is held while either side is.
    struct Side {
        int sided, generic, other;
    };
    for (const Side& s :
         {Side{VK_LSHIFT, VK_SHIFT, VK_RSHIFT}, Side{VK_RCONTROL, VK_CONTROL, VK_LCONTROL},
          Side{VK_RMENU, VK_MENU, VK_LMENU}}) {
        SCOPED_TRACE(s.sided);
        headless_script_key(headless_clock(), s.sided, 1);
        headless_script_key(headless_clock(), s.other, 1);
        headless_script_key(headless_clock(), s.other, 0);
        std::vector<MSG> taken = take_all(false);
        ASSERT_EQ(taken.size(), 3u);
        EXPECT_EQ(taken[0].wParam, static_cast<WPARAM>(s.generic));
        // The right-hand Ctrl and Alt are extended keys.
        EXPECT_EQ((taken[0].lParam >> 24) & 1, s.sided == VK_LSHIFT ? 0 : 1);
        EXPECT_TRUE(GetAsyncKeyState(s.sided) & 0x8000);
        EXPECT_TRUE(GetAsyncKeyState(s.generic) & 0x8000) << "one side still held";
        EXPECT_FALSE(GetAsyncKeyState(s.other) & 0x8000);
        headless_script_key(headless_clock(), s.sided, 0);
        take_all(false);
        EXPECT_FALSE(GetAsyncKeyState(s.generic) & 0x8000);
    }
}

TEST(CommandLine, TheArgumentsAfterTheProgramsNameQuotedAsWindowsSplitsThem) {
    struct Case {
        std::vector<const char*> argv;
        const char* line;
    };
    const Case cases[] = {
        {{"prog"}, ""},
        {{"prog", "16"}, "16"},
        {{"prog", "a", "b c"}, "a \"b c\""},
        {{"prog", ""}, "\"\""},
        {{"prog", "say \"hi\""}, "\"say \\\"hi\\\"\""},
        {{"prog", "C:\\dir with space\\"}, "\"C:\\dir with space\\\\\""},
        {{"prog", "back\\slash"}, "back\\slash"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(winapi_command_line(static_cast<int>(c.argv.size()), c.argv.data()), c.line);
    EXPECT_EQ(winapi_command_line(0, nullptr), "");
}

TEST(Utf8, CodePointsAndReplacementsForMalformedBytes) {
    struct Case {
        const char* text;
        std::vector<int> code_points;
    };
    const Case cases[] = {
        {"a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", {'a', 0xE9, 0x20AC, 0x1F600}},
        {"\xC0\xAF", {0xFFFD, 0xFFFD}},                         // overlong
        {"\xED\xA0\x80", {0xFFFD, 0xFFFD, 0xFFFD}},             // a surrogate
        {"\xE2\x82", {0xFFFD, 0xFFFD}},                         // cut short
        {"\xF4\x90\x80\x80", {0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD}}, // past U+10FFFF
    };
    for (const Case& c : cases) {
        std::vector<int> got;
        int at = 0, length = static_cast<int>(std::string(c.text).size()), cp = 0;
        while ((cp = utf8_next(c.text, length, &at)) >= 0)
            got.push_back(cp);
        EXPECT_EQ(got, c.code_points) << c.text;
    }
}
