// The headless host for tests: no window, a virtual clock that moves only when
// read, scripted input, and presented frames kept in a bounded ring.
#include "platform/host/headless/headless.h"
#include "formats/bmp_encode.h"
#include "formats/bmp_layout.h"
#include "formats/file_bytes.h"
#include "platform/host/convert.h"
#include "platform/host/event_queue.h"
#include "platform/host/audio/headless_audio.h"
#include "platform/host/headless/headless_pads.h"
#include "platform/host/picture_copy.h"
#include "platform/host/utf8.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int DEFAULT_KEEP = 8;
// A test that wants more than this many full frames is better served by the callback.
constexpr int MAX_KEEP = 1024;

struct ScriptedEvent {
    std::uint32_t at;
    VideoEvent event;
};

struct HeadlessState {
    std::uint32_t clock = 0;
    int window_open = 0;
    int fullscreen = 0;
    int mode_width = 0;
    int mode_height = 0;
    int mode_bpp = 0;
    int cursor_visible = 1;
    int fail_window = 0;
    std::string fail_reason;
    std::vector<ScriptedEvent> script; // in the order they fall due
    int keep = DEFAULT_KEEP;
    std::vector<HeadlessFrame> ring;
    int frame_count = 0;
    int first_kept = 0; // frames before this number were presented before the ring's resize
    void (*on_present)(const HeadlessFrame& frame) = nullptr;
    // What a presenter would show: every picture's changed part only is taken into it, so
    // the kept frames show what a screen would, changes that were never told left out.
    PictureCopy shown;
};

HeadlessState State;

// How far ahead of the clock a time lies; negative once due. Signed, so that scripts keep
// working across the clock's wrap past 2^32.
std::int32_t until(std::uint32_t at) {
    return static_cast<std::int32_t>(at - State.clock);
}

// Adds an event of this kind to the script, all its other fields 0, and gives it back for the
// caller to fill in at once (the next event added may move it).
VideoEvent& script_event(std::uint32_t at, VideoEventKind kind) {
    // Stable: events at the same time are delivered in the order they were scripted.
    std::int32_t wait = until(at);
    auto place = std::find_if(State.script.begin(), State.script.end(),
                              [wait](const ScriptedEvent& e) { return until(e.at) > wait; });
    VideoEvent event = {};
    event.kind = kind;
    return State.script.insert(place, {at, event})->event;
}

int bytes_per_pixel(int bpp) {
    return bpp == 8 ? 1 : 2;
}

int readable(const VideoPicture* picture) {
    if (!picture || !picture->pixels || picture->width <= 0 || picture->height <= 0) return 0;
    if (picture->bpp != 8 && picture->bpp != 15 && picture->bpp != 16) return 0;
    return picture->pitch >= picture->width * bytes_per_pixel(picture->bpp);
}

void capture(const VideoPicture* picture, HeadlessFrame& frame) {
    int row_bytes = picture->width * bytes_per_pixel(picture->bpp);
    frame.time = State.clock;
    frame.width = picture->width;
    frame.height = picture->height;
    frame.bpp = picture->bpp;
    frame.pixels.resize(static_cast<std::size_t>(row_bytes) * picture->height);
    for (int y = 0; y < picture->height; y++)
        std::memcpy(&frame.pixels[static_cast<std::size_t>(y) * row_bytes],
                    picture->pixels + static_cast<std::ptrdiff_t>(y) * picture->pitch, row_bytes);
    if (picture->palette)
        std::memcpy(frame.palette, picture->palette, sizeof frame.palette);
    else
        std::memset(frame.palette, 0, sizeof frame.palette);
}

int headless_open_window(const char* title, int width, int height, char* error, int error_size) {
    (void)title, (void)width, (void)height;
    if (State.fail_window) {
        State.fail_window = 0;
        if (error && error_size > 0)
            std::snprintf(error, error_size, "%s", State.fail_reason.c_str());
        return 0;
    }
    State.window_open = 1;
    return 1;
}

void headless_close_window() {
    State.window_open = 0;
}

int headless_set_mode(int width, int height, int bpp, int fullscreen) {
    State.mode_width = width;
    State.mode_height = height;
    State.mode_bpp = bpp;
    State.fullscreen = fullscreen != 0;
    return 1;
}

void headless_present(const VideoPicture* picture) {
    if (!readable(picture)) return;
    HeadlessFrame scratch;
    HeadlessFrame* frame = &scratch;
    if (State.keep > 0) {
        if (State.ring.size() != static_cast<std::size_t>(State.keep))
            State.ring.resize(State.keep);
        frame = &State.ring[State.frame_count % State.keep];
    }
    HostRect changed = {};
    picture_remember(&State.shown, picture, &changed);
    const VideoPicture shown = picture_of(State.shown);
    capture(&shown, *frame);
    frame->changed = changed;
    State.frame_count++;
    if (State.on_present) State.on_present(*frame);
}

// A key the scripted controllers press or let go: next in the script, due now.
void script_pad_key(int virtual_key, int down, void*) {
    script_event(State.clock, down ? VIDEO_KEY_DOWN : VIDEO_KEY_UP).virtual_key = virtual_key;
}

// What is due goes to the shared queue in the script's order; what does not fit waits.
void headless_pump_events() {
    headless_pads_due(State.clock, {script_pad_key, nullptr});
    std::size_t due = 0;
    while (due < State.script.size() && until(State.script[due].at) <= 0 &&
           host_event_post(State.script[due].event))
        due++;
    State.script.erase(State.script.begin(),
                       State.script.begin() + static_cast<std::ptrdiff_t>(due));
}

void headless_set_cursor_visible(int visible) {
    State.cursor_visible = visible != 0;
}

std::uint32_t headless_ticks() {
    return State.clock++;
}

// The icon and the cursor's picture are not kept, and the virtual clock does not rest.
const Host Headless = {
    .name = "headless",
    .open_window = headless_open_window,
    .close_window = headless_close_window,
    .set_mode = headless_set_mode,
    .present = headless_present,
    .set_cursor_visible = headless_set_cursor_visible,
    .set_icon = nullptr,
    .set_cursor_image = nullptr,
    .pump_events = headless_pump_events,
    .ticks = headless_ticks,
    .rest_until = nullptr,
    .audio = headless_audio_output,
};

} // namespace

const Host* headless_host() {
    return &Headless;
}

void headless_reset() {
    State = HeadlessState();
    headless_pads_reset();
}

void headless_set_clock(std::uint32_t ms) {
    State.clock = ms;
}

std::uint32_t headless_clock() {
    return State.clock;
}

void headless_script_key(std::uint32_t at_ms, int virtual_key, int down) {
    script_event(at_ms, down ? VIDEO_KEY_DOWN : VIDEO_KEY_UP).virtual_key = virtual_key;
}

void headless_script_click(std::uint32_t at_ms, int x, int y) {
    headless_script_mouse(at_ms, VIDEO_MOUSE_DOWN, VIDEO_BUTTON_LEFT, x, y);
}

void headless_script_mouse(std::uint32_t at_ms, VideoEventKind kind, int button, int x, int y) {
    VideoEvent& event = script_event(at_ms, kind);
    event.button = button;
    event.x = x;
    event.y = y;
}

void headless_script_wheel(std::uint32_t at_ms, int notches) {
    script_event(at_ms, VIDEO_MOUSE_WHEEL).wheel = notches;
}

void headless_script_text(std::uint32_t at_ms, const char* utf8) {
    int length = utf8 ? static_cast<int>(std::strlen(utf8)) : 0;
    int at = 0, code_point = 0;
    while ((code_point = utf8_next(utf8, length, &at)) >= 0)
        script_event(at_ms, VIDEO_CHARACTER).character = code_point;
}

void headless_script_close(std::uint32_t at_ms) {
    script_event(at_ms, VIDEO_CLOSE);
}

void headless_script_focus_lost(std::uint32_t at_ms) {
    script_event(at_ms, VIDEO_FOCUS_LOST);
}

void headless_script_focus_gained(std::uint32_t at_ms) {
    script_event(at_ms, VIDEO_FOCUS_GAINED);
}

void headless_script_hidden(std::uint32_t at_ms, int hidden) {
    script_event(at_ms, hidden ? VIDEO_HIDDEN : VIDEO_SHOWN);
}

void headless_fail_window(const char* reason) {
    State.fail_window = reason != nullptr;
    State.fail_reason = reason ? reason : "";
}

int headless_frame_count() {
    return State.frame_count;
}

void headless_keep_frames(int keep) {
    State.keep = std::clamp(keep, 0, MAX_KEEP);
    // The ring's slots are indexed by frame number, so a new size starts it afresh.
    State.ring.clear();
    State.ring.shrink_to_fit();
    State.first_kept = State.frame_count;
}

const HeadlessFrame* headless_frame(int index) {
    if (index < 0 || index >= State.frame_count || State.keep == 0) return nullptr;
    if (index < State.first_kept || index < State.frame_count - State.keep) return nullptr;
    return &State.ring[index % State.keep];
}

const HeadlessFrame* headless_last_frame() {
    return headless_frame(State.frame_count - 1);
}

void headless_on_present(void (*callback)(const HeadlessFrame& frame)) {
    State.on_present = callback;
}

int headless_cursor_visible() {
    return State.cursor_visible;
}

int headless_fullscreen() {
    return State.fullscreen;
}

int headless_write_bmp(const HeadlessFrame& frame, const char* path) {
    if (!path || frame.width <= 0 || frame.height <= 0 || frame.width > BMP_MAX_SIDE ||
        frame.height > BMP_MAX_SIDE)
        return 0;
    int row_bytes = frame.width * bytes_per_pixel(frame.bpp);
    if (frame.pixels.size() < static_cast<std::size_t>(row_bytes) * frame.height) return 0;
    VideoPicture picture = {frame.pixels.data(), row_bytes,
                            frame.width,         frame.height,
                            frame.bpp,           frame.bpp == 8 ? frame.palette : nullptr};
    std::vector<std::uint32_t> argb(static_cast<std::size_t>(frame.width) * frame.height);
    convert_picture_to_argb(&picture, argb.data(), frame.width);
    return write_file_bytes(path, bmp_encode_rgb24(frame.width, frame.height, argb.data()));
}

void headless_mode(int* width, int* height, int* bpp) {
    if (width) *width = State.mode_width;
    if (height) *height = State.mode_height;
    if (bpp) *bpp = State.mode_bpp;
}
