// The headless host, for tests: a virtual clock, a script of timed
// input, and the frames presented, kept for inspection.
#pragma once

#include "platform/host/host.h"

#include <cstdint>
#include <vector>

struct HeadlessFrame {
    std::uint32_t time; // virtual clock at the present
    int width;
    int height;
    int bpp;                          // 8, 15 or 16
    std::vector<std::uint8_t> pixels; // packed rows, width * bytes per pixel each
    HostColor palette[256];           // the palette shown with it (8 bits per pixel)
    HostRect changed;                 // the part the present drew anew; no area: none
};

// The host: its audio output is the recorder (headless_audio.h).
const Host* headless_host();
// Forgets the script, the kept frames and the window, and sets the virtual clock to 0.
void headless_reset();

// The virtual clock: every read advances it by one millisecond.
void headless_set_clock(std::uint32_t ms);
std::uint32_t headless_clock();

// Scripted input, delivered by the message pump once the clock reaches `at_ms`.
void headless_script_key(std::uint32_t at_ms, int virtual_key, int down);
void headless_script_click(std::uint32_t at_ms, int x, int y);
// Any mouse event at picture position (x, y): VIDEO_MOUSE_MOVE, or VIDEO_MOUSE_DOWN and
// VIDEO_MOUSE_UP of a VideoMouseButton.
void headless_script_mouse(std::uint32_t at_ms, VideoEventKind kind, int button, int x, int y);
// The wheel turned by whole notches, away from the user positive.
void headless_script_wheel(std::uint32_t at_ms, int notches);
// Typed text in UTF-8, one character event per character, as a keyboard's text arrives.
void headless_script_text(std::uint32_t at_ms, const char* utf8);
void headless_script_close(std::uint32_t at_ms);
// The window losing the keyboard focus to another program.
void headless_script_focus_lost(std::uint32_t at_ms);
// The window given the focus again; minimised (hidden 1) and restored (hidden 0).
void headless_script_focus_gained(std::uint32_t at_ms);
void headless_script_hidden(std::uint32_t at_ms, int hidden);

// Makes the next window creation fail with this reason (null: it succeeds).
void headless_fail_window(const char* reason);

// Presented frames: a count of all since the reset, the last `keep` frames (default 8)
// kept, and an optional callback that sees every frame.
int headless_frame_count();
void headless_keep_frames(int keep);
const HeadlessFrame* headless_frame(int index); // null when not kept
const HeadlessFrame* headless_last_frame();
void headless_on_present(void (*callback)(const HeadlessFrame& frame));
int headless_cursor_visible();
int headless_fullscreen();
// The display mode the window was last given (0 x 0 x 0 before any).
void headless_mode(int* width, int* height, int* bpp);
// Writes a frame as a 24-bit BMP file; 1 on success.
int headless_write_bmp(const HeadlessFrame& frame, const char* path);
