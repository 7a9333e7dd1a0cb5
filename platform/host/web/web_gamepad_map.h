// A controller of the browser's Gamepad API in its "standard" layout, read into the common
// layout the key mapping takes. Free of the browser so that the ordinary builds check it.
#pragma once

#include "platform/host/pad_keys.h"

// The standard layout's indices: buttons (the triggers are buttons 6 and 7, with a value from
// 0 to 1) and axes (the left stick is 0 and 1, the right 2 and 3, from -1 to 1, positive
// right and down).
enum {
    WEB_PAD_SOUTH = 0,
    WEB_PAD_EAST = 1,
    WEB_PAD_WEST = 2,
    WEB_PAD_NORTH = 3,
    WEB_PAD_LEFT_SHOULDER = 4,
    WEB_PAD_RIGHT_SHOULDER = 5,
    WEB_PAD_LEFT_TRIGGER = 6,
    WEB_PAD_RIGHT_TRIGGER = 7,
    WEB_PAD_BACK = 8,
    WEB_PAD_START = 9,
    WEB_PAD_LEFT_STICK = 10,
    WEB_PAD_RIGHT_STICK = 11,
    WEB_PAD_UP = 12,
    WEB_PAD_DOWN = 13,
    WEB_PAD_LEFT = 14,
    WEB_PAD_RIGHT = 15,
    WEB_PAD_BUTTONS = 16
};

// The browser's record of a pad holds this many buttons and as many axes, whatever count the
// pad claims.
constexpr int WEB_PAD_MAX_ENTRIES = 64;

// The reading of a pad with `button_count` buttons (pressed or not, and their values) and
// `axis_count` axes, each count taken at most WEB_PAD_MAX_ENTRIES; buttons and axes it lacks,
// and values that are not numbers, count as at rest, and values past the ends as the ends.
PadState web_pad_reading(const int* pressed, const double* values, int button_count,
                         const double* axes, int axis_count);
