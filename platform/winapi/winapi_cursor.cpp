// ShowCursor: a counter, shown while not negative; the host hears only of changes.
#include "platform/winapi/winapi_cursor.h"
#include "platform/host/host.h"
#include "platform/win32.h"

namespace {

int CursorCount = 0;

} // namespace

int ShowCursor(BOOL show) {
    int was_visible = CursorCount >= 0;
    CursorCount += show ? 1 : -1;
    int visible = CursorCount >= 0;
    if (visible != was_visible && host()->set_cursor_visible) host()->set_cursor_visible(visible);
    return CursorCount;
}

int winapi_cursor_shown() {
    return CursorCount >= 0;
}

void winapi_reset_cursor() {
    CursorCount = 0;
}
