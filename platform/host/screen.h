// The screen: the millisecond clock read through the host, the program's rests, and when the
// DirectDraw emulation's changes to the screen reach the host.
#pragma once

#include "platform/host/host.h"

#include <cstdint>

// Where the screen's picture comes from: the DirectDraw emulation registers its primary
// surface when it makes one. The source answers 0 while there is nothing to show.
using VideoScreenSource = int (*)(VideoPicture* picture);
void video_set_screen_source(VideoScreenSource source);

// The screen changed: `now` presents at once (a flip), otherwise the picture is presented at
// the next refresh, within about 16 ms.
void video_screen_changed(int now);

// Reads the host's clock and remembers the reading; nothing else.
std::uint32_t video_read_clock();
// The program rests until the clock reads `deadline`: a pending change is presented first, so
// programs that wait on the frame clock without pumping messages still see their palette fades and
// wipes; then the host sleeps.
void video_rest_until(std::uint32_t deadline);
// The clock reading most recently taken, for message time stamps.
std::uint32_t video_last_ticks();
// For the message pump: presents a pending change when due. The clock is read only when
// there is something to show, so an idle pump leaves the headless clock alone.
void video_refresh();
// The window minimised or hidden (1) and back (0): nothing is presented while it is out of
// sight, and its return presents the current picture at once.
void video_set_hidden(int hidden);
// 1 while the window is out of sight.
int video_hidden();

// Forgets pending changes and the last clock reading.
void video_reset();
