// The picture on a handheld screen: where the largest whole scale would leave much of the
// screen black, the picture fills it at a fractional scale instead. Free of the browser, so
// that the ordinary builds check it.
#pragma once

#include "platform/host/viewport.h"

// The picture placed on an output of output_width x output_height pixels, centred: at the
// largest whole scale that fits (as fit_picture), unless that leaves more than a quarter of the
// output unused across its shorter side (the height of a screen held sideways, the width of
// one held upright); then as large as the output allows, at whatever scale that takes.
VideoViewport handheld_fill(int output_width, int output_height, int picture_width,
                            int picture_height);

// The same for a page of css_width x css_height CSS pixels at a device pixel ratio, in device
// pixels; a page that is no handheld screen keeps the whole scale (web_page_viewport).
VideoViewport web_page_placement(double css_width, double css_height, double pixel_ratio,
                                 int picture_width, int picture_height, int handheld);
// Maps a click at (client_x, client_y) CSS pixels to picture coordinates on the picture so
// placed; 0 when it falls beside the picture or off the page.
int web_page_click(double css_width, double css_height, double pixel_ratio, int handheld,
                   double client_x, double client_y, int picture_width, int picture_height,
                   int* picture_x, int* picture_y);
