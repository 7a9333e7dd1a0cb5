// The paint example run headless: strokes with both buttons, the wheel's brush, and typed
// text centred in the top band, all read back from the presented frames.
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"

#include <gtest/gtest.h>

#include <algorithm>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show);

namespace {

char Instance;

std::uint8_t at(const HeadlessFrame& frame, int x, int y) {
    return frame.pixels[static_cast<std::size_t>(y) * frame.width + x];
}

// The columns of the top band's right part (past the brush's status) that hold text, first
// and last: anything but the band's colour, palette index 8.
void ink_columns(const HeadlessFrame& frame, int* first, int* last) {
    *first = frame.width, *last = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 300; x < frame.width; ++x)
            if (at(frame, x, y) != 8) *first = std::min(*first, x), *last = std::max(*last, x);
}

TEST(PaintExample, PaintsErasesResizesTheBrushAndCentresTypedText) {
    platform_reset();
    headless_keep_frames(1);
    // A stroke along y = 100 from x = 100 to 300 with the left button.
    headless_script_mouse(100, VIDEO_MOUSE_DOWN, VIDEO_BUTTON_LEFT, 100, 100);
    for (int x = 110; x <= 300; x += 10)
        headless_script_mouse(100, VIDEO_MOUSE_MOVE, 0, x, 100);
    headless_script_mouse(100, VIDEO_MOUSE_UP, VIDEO_BUTTON_LEFT, 300, 100);
    // Moving without a button paints nothing; the right button erases the stroke's middle.
    headless_script_mouse(200, VIDEO_MOUSE_MOVE, 0, 100, 300);
    headless_script_mouse(200, VIDEO_MOUSE_DOWN, VIDEO_BUTTON_RIGHT, 200, 100);
    headless_script_mouse(200, VIDEO_MOUSE_UP, VIDEO_BUTTON_RIGHT, 200, 100);
    // Three notches up: the brush grows from 4 to 10 pixels.
    headless_script_wheel(300, 3);
    headless_script_mouse(300, VIDEO_MOUSE_DOWN, VIDEO_BUTTON_LEFT, 400, 400);
    headless_script_mouse(300, VIDEO_MOUSE_UP, VIDEO_BUTTON_LEFT, 400, 400);
    // Typed text, one key press each as a keyboard gives it; "€" is in the code page, "ω" not.
    const char* const typed[] = {"W", "i", "d", "e", " ", "€", "ω", "x"};
    DWORD when = 400;
    for (const char* text : typed) {
        headless_script_key(when, 'A', 1);
        headless_script_text(when, text);
        headless_script_key(when++, 'A', 0);
    }
    headless_script_key(500, VK_BACK, 1); // takes the "x" back
    headless_script_key(600, VK_ESCAPE, 1);

    ASSERT_EQ(WinMain(reinterpret_cast<HINSTANCE>(&Instance), nullptr, nullptr, SW_SHOWNORMAL), 0);
    EXPECT_EQ(ddraw_live_objects(), 0);
    const HeadlessFrame* frame = headless_last_frame();
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(frame->width, 800);
    ASSERT_EQ(frame->height, 600);
    ASSERT_EQ(frame->bpp, 8);
    EXPECT_EQ(at(*frame, 120, 100), 40) << "painted";
    EXPECT_EQ(at(*frame, 290, 101), 40) << "painted";
    EXPECT_EQ(at(*frame, 200, 100), 0) << "erased";
    EXPECT_EQ(at(*frame, 100, 200), 0) << "a move without a button paints nothing";
    EXPECT_EQ(at(*frame, 100, 103), 0) << "the 4-pixel brush reaches 2 rows below the stroke";
    EXPECT_EQ(at(*frame, 396, 396), 40) << "the 10-pixel brush";
    EXPECT_EQ(at(*frame, 394, 400), 0);
    int first = 0, last = 0;
    ink_columns(*frame, &first, &last);
    ASSERT_LT(first, last) << "the typed text shows";
    // "Wide €", centred by its measured width; the ink sits within the glyphs' bearings.
    EXPECT_NEAR((first + last) / 2.0, 400.0, 3.0);
    EXPECT_GT(last - first, 40) << "six characters, not seven";
    EXPECT_LT(last - first, 75);
}

} // namespace
