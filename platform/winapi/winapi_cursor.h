// The cursor's display counter behind ShowCursor, applied to the host.
#pragma once

// Whether the counter currently shows the cursor (it is not negative).
int winapi_cursor_shown();
void winapi_reset_cursor();
