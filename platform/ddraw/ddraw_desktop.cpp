// The desktop under a windowed DirectDraw program: only the program's window shows of it, so
// it is as large as that window, and as deep as the program asks it to be.
#include "platform/ddraw/ddraw_emulation.h"
#ifdef _WIN32
// On Windows the desktop and its modes are the system's; our DirectDraw only draws into the
// program's window, which the host shows the screen in.
#include "platform/host/windows/windows_host.h"
#include "platform/host/windows/windows_host_parts.h"

namespace {
HWND desktop_window() {
    return windows_window();
}
} // namespace

int ddraw_attach_window(HWND window) {
    // Without a window (allowed at the normal level) the screen has nowhere to show: setting
    // the display fails then, as it did.
    return !window || windows_host_attach(window);
}
#else
#include "platform/winapi/winapi_window.h"

namespace {
HWND desktop_window() {
    return winapi_live_window();
}
} // namespace

int ddraw_attach_window(HWND) {
    return 1;
}
#endif

int ddraw_desktop_format(int* width, int* height, int* bpp) {
    *width = DD_DESKTOP_WIDTH;
    *height = DD_DESKTOP_HEIGHT;
    *bpp = ddraw_display.desktop_bpp ? ddraw_display.desktop_bpp : DD_DESKTOP_BPP;
    RECT window = {};
    if (GetWindowRect(desktop_window(), &window)) {
        // Large enough to hold the whole window where it stands.
        if (window.right > *width) *width = window.right;
        if (window.bottom > *height) *height = window.bottom;
    }
    return *width <= DD_DESKTOP_MAX_SIDE && *height <= DD_DESKTOP_MAX_SIDE;
}

int ddraw_window_area(int desktop_width, int desktop_height, RECT* area) {
    RECT window = {};
    if (!GetWindowRect(desktop_window(), &window)) return 0;
    area->left = window.left > 0 ? window.left : 0;
    area->top = window.top > 0 ? window.top : 0;
    area->right = window.right < desktop_width ? window.right : desktop_width;
    area->bottom = window.bottom < desktop_height ? window.bottom : desktop_height;
    return ddraw_rect_valid(*area);
}

#ifndef _WIN32
BOOL EnumDisplaySettingsA(LPCSTR device, DWORD mode_number, DEVMODEA* mode) {
    // Only the current mode of the one display is known.
    if (device || mode_number != ENUM_CURRENT_SETTINGS || !mode) return FALSE;
    int width = 0, height = 0, bpp = 0;
    if (ddraw_display.mode_bpp) {
        width = ddraw_display.mode_width;
        height = ddraw_display.mode_height;
        bpp = ddraw_display.mode_bpp;
    } else {
        ddraw_desktop_format(&width, &height, &bpp);
    }
    mode->dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    mode->dmBitsPerPel = static_cast<DWORD>(bpp);
    mode->dmPelsWidth = static_cast<DWORD>(width);
    mode->dmPelsHeight = static_cast<DWORD>(height);
    return TRUE;
}

LONG ChangeDisplaySettingsA(DEVMODEA* mode, DWORD flags) {
    (void)flags;
    if (!mode) {
        ddraw_display.desktop_bpp = 0;
        return DISP_CHANGE_SUCCESSFUL;
    }
    // The desktop's size is its window's; only its depth can be chosen, among those the
    // display has.
    if (!(mode->dmFields & DM_BITSPERPEL)) return DISP_CHANGE_SUCCESSFUL;
    DWORD bpp = mode->dmBitsPerPel;
    if (bpp != 8 && bpp != 15 && bpp != 16) return DISP_CHANGE_BADMODE;
    ddraw_display.desktop_bpp = static_cast<int>(bpp);
    return DISP_CHANGE_SUCCESSFUL;
}
#endif
