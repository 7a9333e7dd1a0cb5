// The web host's input mapping: KeyboardEvent.code to virtual keys, and page positions to
// the game's picture. Free of the browser so that the ordinary builds can check it.
#pragma once

#include "platform/host/host.h"
#include "platform/host/viewport.h"

// The Windows virtual-key code of a KeyboardEvent.code ("KeyA", "ArrowLeft", "Enter"...);
// 0 for keys the game has no code for, and for a null or unknown code.
int web_code_to_virtual_key(const char* code);

// Whether the browser's own action for a key is kept from happening (arrows scrolling the
// page, Backspace going back): for the game's keys when no Ctrl, Alt or Meta is held, so the
// browser's shortcuts, Tab, the function keys and the modifiers themselves still work.
int web_key_prevents_default(int virtual_key, int ctrl_alt_or_meta);

// The device pixel ratio to use: the page's, or 1 when it is not a sensible positive number.
double web_pixel_ratio(double page_ratio);

// Where the picture lies on a page of css_width x css_height CSS pixels, in device pixels
// (CSS pixels times the device pixel ratio): the largest whole scale of device pixels that
// fits, centred.
VideoViewport web_page_viewport(double css_width, double css_height, double pixel_ratio,
                                int picture_width, int picture_height);
// Maps a click at (client_x, client_y) CSS pixels on that page to picture coordinates; 0 when
// it falls on the black around the picture, or off the page.
int web_click_to_picture(double css_width, double css_height, double pixel_ratio, double client_x,
                         double client_y, int picture_width, int picture_height, int* picture_x,
                         int* picture_y);

// The VideoMouseButton of a MouseEvent.button; -1 for the back and forward buttons.
int web_mouse_button(int dom_button);
// Whole wheel notches in a WheelEvent (deltaY, deltaMode), away from the user positive; the
// fraction left over is kept in *remainder for the next event.
int web_wheel_notches(double delta_y, int delta_mode, double* remainder);
// The character a KeyboardEvent.key types, as a code point; -1 for a named key ("Enter").
int web_typed_character(const char* key);
