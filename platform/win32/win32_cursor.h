// The cursor's display counter behind ShowCursor, applied to the host.
#pragma once

// Whether the counter currently shows the cursor (it is not negative).
int win32_cursor_shown();
void win32_reset_cursor();
