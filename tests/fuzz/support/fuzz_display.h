// The display that sprite frames and off-screen surfaces need, brought up once per process
// on the headless platform: a window and an 8-bit full-screen display.
#pragma once

void fuzz_display_up();
