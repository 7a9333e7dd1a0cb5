// Input from the backend: key messages and the key state, clicks in the game's coordinates,
// auto-repeat, and the cursor's display counter.
#include "window_fixture.h"

#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"
#include "platform/host/screen.h"
#include "platform/host/event_queue.h"
#include "platform/host/host.h"

#include <deque>
#include <utility>
#include <vector>

namespace {

bool held(int key) {
    return (GetAsyncKeyState(key) & 0x8000) != 0;
}

} // namespace

TEST_F(WindowTest, ScriptedKeysArriveOnceTheClockReachesThem) {
    headless_script_key(100, VK_NEXT, 1);
    headless_script_key(150, VK_NEXT, 0);
    MSG msg;
    headless_set_clock(99);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_FALSE(held(VK_NEXT));

    headless_set_clock(100);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>(VK_NEXT));
    EXPECT_EQ(msg.lParam & (1 << 30), 0) << "a first press has no previous state";
    EXPECT_TRUE(held(VK_NEXT));
    EXPECT_EQ(GetAsyncKeyState(VK_NEXT), static_cast<std::int16_t>(0x8000));
    EXPECT_FALSE(held(VK_RIGHT));

    headless_set_clock(200);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_KEYUP));
    EXPECT_FALSE(held(VK_NEXT));
}

TEST_F(WindowTest, KeyStateChangesOnlyAtAPump) {
    headless_script_key(0, 'Z', 1);
    EXPECT_FALSE(held('Z')) << "nothing has pumped the backend yet";
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    EXPECT_TRUE(held('Z'));
}

TEST_F(WindowTest, LosingTheFocusReleasesEveryHeldKeyWithAKeyUp) {
    headless_script_key(0, VK_RIGHT, 1);
    headless_script_key(0, VK_DELETE, 1);
    headless_script_key(0, 'C', 1);
    headless_script_key(0, VK_DELETE, 0);
    headless_script_focus_lost(10);
    headless_script_focus_lost(20); // nothing is held any more: nothing to release
    headless_script_key(30, VK_LEFT, 1);
    headless_set_clock(30);
    std::vector<MSG> taken = drain_queue();
    EXPECT_TRUE(held(VK_RIGHT) == false && held('C') == false && held(VK_DELETE) == false);
    EXPECT_TRUE(held(VK_LEFT)) << "keys pressed after the focus came back count again";
    std::vector<std::pair<UINT, WPARAM>> seen;
    for (const MSG& m : taken)
        seen.push_back({m.message, m.wParam});
    const std::vector<std::pair<UINT, WPARAM>> expected = {
        {WM_KEYDOWN, VK_RIGHT}, {WM_KEYDOWN, VK_DELETE}, {WM_KEYDOWN, 'C'},
        {WM_KEYUP, VK_DELETE},  {WM_KEYUP, VK_RIGHT},    {WM_KEYUP, 'C'},
        {WM_KEYDOWN, VK_LEFT}};
    EXPECT_EQ(seen, expected);
    // The releases look like any other: previous state down, transition up.
    EXPECT_EQ(taken[4].lParam, (3L << 30) | 1);
}

TEST_F(WindowTest, AllPendingEventsAreQueuedByOnePump) {
    headless_script_key(0, VK_RIGHT, 1);
    headless_script_key(0, 'C', 1);
    headless_script_key(0, VK_RIGHT, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    // The state reflects every event moved in, though only one message was taken.
    EXPECT_FALSE(held(VK_RIGHT));
    EXPECT_TRUE(held('C'));
    EXPECT_EQ(drain_queue().size(), 2u);
}

TEST(KeyState, OutOfRangeKeysAreNeverHeld) {
    platform_reset();
    EXPECT_EQ(GetAsyncKeyState(-1), 0);
    EXPECT_EQ(GetAsyncKeyState(256), 0);
    EXPECT_EQ(GetAsyncKeyState(1 << 30), 0);
}

TEST(KeyState, KeysAreTrackedEvenWithoutAWindow) {
    platform_reset();
    headless_script_key(0, VK_DELETE, 1);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) << "no window to receive it";
    EXPECT_TRUE(held(VK_DELETE));
}

TEST_F(WindowTest, ClicksCarryXLowAndYHigh) {
    headless_script_click(0, 384, 289);
    headless_script_click(0, 0, 0);
    headless_script_click(0, 639, 479);
    std::vector<MSG> taken = drain_queue();
    ASSERT_EQ(taken.size(), 3u);
    EXPECT_EQ(taken[0].message, static_cast<UINT>(WM_LBUTTONDOWN));
    EXPECT_EQ(LOWORD(taken[0].lParam), 384);
    EXPECT_EQ(HIWORD(taken[0].lParam), 289);
    EXPECT_EQ(taken[0].pt.x, 384);
    EXPECT_EQ(taken[0].pt.y, 289);
    EXPECT_EQ(taken[1].lParam, 0);
    EXPECT_EQ(LOWORD(taken[2].lParam), 639);
    EXPECT_EQ(HIWORD(taken[2].lParam), 479);
}

TEST_F(WindowTest, ClicksOffThePictureAreDropped) {
    headless_script_click(0, -1, 10);
    headless_script_click(0, 10, 70000);
    EXPECT_TRUE(drain_queue().empty());
}

// A host posting a fixed list of events, for what the script cannot express.
namespace {

std::deque<VideoEvent> FakeEvents;

void fake_pump() {
    while (!FakeEvents.empty() && host_event_post(FakeEvents.front()))
        FakeEvents.pop_front();
}

} // namespace

TEST_F(WindowTest, AutoRepeatedPressesAreKeyDownsWithThePreviousStateBit) {
    Host fake = *headless_host();
    fake.pump_events = fake_pump;
    host_use(&fake);
    FakeEvents = {{VIDEO_KEY_DOWN, VK_DOWN, 0, 0, 0, 0, 0, 0},
                  {VIDEO_KEY_DOWN, VK_DOWN, 1, 0, 0, 0, 0, 0},
                  {VIDEO_KEY_DOWN, VK_DOWN, 1, 0, 0, 0, 0, 0},
                  {VIDEO_KEY_DOWN, 0, 0, 0, 0, 0, 0, 0},   // a key without a code
                  {VIDEO_KEY_DOWN, 300, 0, 0, 0, 0, 0, 0}, // not a virtual-key code
                  {VIDEO_KEY_UP, VK_DOWN, 0, 0, 0, 0, 0, 0}};
    std::vector<MSG> taken = drain_queue();
    host_use(headless_host());
    ASSERT_EQ(taken.size(), 4u);
    EXPECT_EQ(taken[0].lParam & (1 << 30), 0);
    EXPECT_NE(taken[1].lParam & (1 << 30), 0);
    EXPECT_NE(taken[2].lParam & (1 << 30), 0);
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(taken[i].message, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(taken[3].message, static_cast<UINT>(WM_KEYUP));
}

TEST(Cursor, ShowCursorKeepsACounterAndShowsWhileNotNegative) {
    platform_reset();
    EXPECT_EQ(headless_cursor_visible(), 1);
    EXPECT_EQ(ShowCursor(FALSE), -1);
    EXPECT_EQ(headless_cursor_visible(), 0);
    EXPECT_EQ(ShowCursor(FALSE), -2);
    EXPECT_EQ(ShowCursor(TRUE), -1);
    EXPECT_EQ(headless_cursor_visible(), 0) << "one show does not undo two hides";
    EXPECT_EQ(ShowCursor(TRUE), 0);
    EXPECT_EQ(headless_cursor_visible(), 1);
    EXPECT_EQ(ShowCursor(TRUE), 1);
    EXPECT_EQ(headless_cursor_visible(), 1);
}

namespace {

std::vector<int> CursorCalls;

void record_cursor(int visible) {
    CursorCalls.push_back(visible);
}

} // namespace

TEST(Cursor, ANewWindowIsToldTheCounterState) {
    platform_reset();
    ShowCursor(FALSE);
    Host fake = *headless_host();
    fake.set_cursor_visible = record_cursor;
    host_use(&fake);
    CursorCalls.clear();
    HWND window = open_test_window();
    host_use(headless_host());
    ASSERT_NE(window, nullptr);
    ASSERT_FALSE(CursorCalls.empty());
    EXPECT_EQ(CursorCalls.back(), 0);
}

TEST_F(WindowTest, ScriptedEventsKeepTheirOrderAcrossTheClockWrap) {
    headless_set_clock(0xFFFFFFF0u);
    headless_script_key(0x10, 'B', 1);        // after the wrap
    headless_script_key(0xFFFFFFF8u, 'A', 1); // before it
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) << "neither is due yet";
    headless_set_clock(0xFFFFFFF8u);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>('A'));
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    headless_set_clock(0x10);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>('B'));
}

// The shared queue between hosts and the pump: a host that pulls its input loses none of it
// however much is waiting (it stops while the queue is full), and one that posts beyond the
// queue's room loses the newest events, never the oldest or their order.
TEST_F(WindowTest, TheSharedQueueKeepsOrderAndDropsOnlyTheNewest) {
    const int scripted = HOST_EVENT_CAPACITY + 300;
    for (int i = 0; i < scripted; i++)
        headless_script_key(0, 'A' + i % 26, i % 2 == 0);
    std::vector<MSG> taken = drain_queue();
    ASSERT_EQ(taken.size(), static_cast<std::size_t>(scripted));
    for (int i = 0; i < scripted; i++) {
        EXPECT_EQ(taken[i].message, static_cast<UINT>(i % 2 == 0 ? WM_KEYDOWN : WM_KEYUP));
        EXPECT_EQ(taken[i].wParam, static_cast<WPARAM>('A' + i % 26));
    }

    VideoEvent press = {};
    press.kind = VIDEO_KEY_DOWN;
    int posted = 0;
    for (int i = 0; i < HOST_EVENT_CAPACITY + 5; i++) {
        press.virtual_key = i < HOST_EVENT_CAPACITY ? VK_LEFT : VK_RIGHT;
        posted += host_event_post(press);
    }
    EXPECT_EQ(posted, HOST_EVENT_CAPACITY);
    EXPECT_EQ(host_event_room(), 0);
    VideoEvent event = {};
    int lefts = 0;
    while (host_event_take(&event))
        lefts += event.virtual_key == VK_LEFT;
    EXPECT_EQ(lefts, HOST_EVENT_CAPACITY);
    EXPECT_EQ(host_event_room(), HOST_EVENT_CAPACITY);
}
