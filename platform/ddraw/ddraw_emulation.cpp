// The emulation's global state: the display, the count of live objects, injected failures,
// and the pixel layouts.
#include "platform/ddraw/ddraw_emulation.h"

DdDisplayState ddraw_display = {};

namespace {

int live_objects = 0;
int failures[DDFAIL_KIND_COUNT] = {};
int failable_calls = 0;
int failing_call_number = 0;

} // namespace

void ddraw_object_created() {
    ++live_objects;
}
void ddraw_object_destroyed() {
    --live_objects;
}
int ddraw_live_objects() {
    return live_objects;
}

void ddraw_fail_calls(DdrawFailure kind, int count) {
    if (kind < 0 || kind >= DDFAIL_KIND_COUNT) return;
    failures[kind] = count < 0 ? -1 : count;
}

void ddraw_reset_failures() {
    for (int& count : failures)
        count = 0;
    failable_calls = 0;
    failing_call_number = 0;
}

void ddraw_fail_call_number(int number) {
    failing_call_number = number;
}

int ddraw_failable_calls() {
    return failable_calls;
}

int ddraw_should_fail(DdrawFailure kind) {
    if (kind < 0 || kind >= DDFAIL_KIND_COUNT) return 0;
    if (++failable_calls == failing_call_number) return 1;
    if (failures[kind] == 0) return 0;
    if (failures[kind] > 0) --failures[kind];
    return 1;
}

void ddraw_reset() {
    // A primary left alive by an earlier test stays allocated but no longer is the screen,
    // so the next set-up can make its own.
    ddraw_display = {};
    ddraw_reset_failures();
}

int ddraw_bytes_per_pixel(int bpp) {
    return bpp == 8 ? 1 : 2;
}

void ddraw_fill_pixel_format(int bpp, DDPIXELFORMAT* format) {
    *format = {};
    format->dwSize = 32;
    if (bpp == 8) {
        format->dwFlags = DDPF_PALETTEINDEXED8 | DDPF_RGB;
        format->dwRGBBitCount = 8;
    } else if (bpp == 15) {
        format->dwFlags = DDPF_RGB;
        format->dwRGBBitCount = 15;
        format->dwRBitMask = 0x7C00;
        format->dwGBitMask = 0x03E0;
        format->dwBBitMask = 0x001F;
    } else {
        format->dwFlags = DDPF_RGB;
        format->dwRGBBitCount = 16;
        format->dwRBitMask = 0xF800;
        format->dwGBitMask = 0x07E0;
        format->dwBBitMask = 0x001F;
    }
}

int ddraw_bpp_of_format(const DDPIXELFORMAT& format) {
    if (format.dwFlags & DDPF_PALETTEINDEXED8) return format.dwRGBBitCount == 8 ? 8 : 0;
    if (!(format.dwFlags & DDPF_RGB)) return 0;
    if (format.dwRGBBitCount == 8) return 8;
    // Some callers describe 5.5.5 as a 16-bit count with 5.5.5 masks.
    if (format.dwRGBBitCount == 15 || (format.dwRGBBitCount == 16 && format.dwGBitMask == 0x03E0))
        return 15;
    if (format.dwRGBBitCount == 16) return 16;
    return 0;
}
