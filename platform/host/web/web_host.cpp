// The browser host's canvas, input and clock: the page's 640 x 480 canvas placed at the
// largest whole scale that fits the browser window (or filling a handheld screen), frames put on it
// through the palette, keys and clicks from the page, and the browser's clock. The page itself
// (page.html) holds the canvas.
#include "platform/host/web/web_host.h"
#include "platform/host/convert.h"
#include "platform/host/event_queue.h"
#include "platform/host/picture_copy.h"
#include "platform/host/tick_pacing.h"
#include "platform/host/audio/web_audio.h"
#include "platform/host/web/web_gamepad.h"
#include "platform/host/web/web_input_map.h"
#include "platform/host/web/web_page_fill.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

// The page, from JavaScript: the size in CSS pixels of the part the picture may take (the
// element "stage", which on a phone held upright leaves room for the touch controls below,
// else the whole window) and the device pixel ratio, and the canvas's place and size in CSS
// pixels (fractions allowed: they are whole device pixels).
EM_JS(double, page_width, (), {
    var stage = document.getElementById('stage');
    return stage ? stage.getBoundingClientRect().width : window.innerWidth;
});
EM_JS(double, page_height, (), {
    var stage = document.getElementById('stage');
    return stage ? stage.getBoundingClientRect().height : window.innerHeight;
});
EM_JS(double, page_pixel_ratio, (), { return window.devicePixelRatio || 1; });
// A touch screen (the page's touch layer marks it), where the picture may fill the page.
EM_JS(int, page_handheld, (), { return document.body.classList.contains('handheld') ? 1 : 0; });

EM_JS(int, canvas_found, (), { return document.getElementById('screen') ? 1 : 0; });

EM_JS(void, canvas_place, (double left, double top, double width, double height), {
    var style = document.getElementById('screen').style;
    style.left = left + 'px';
    style.top = top + 'px';
    style.width = width + 'px';
    style.height = height + 'px';
    style.visibility = 'visible';
});

// Puts the part x, y, width x height of a frame of RGBA bytes on the canvas; the rest of the
// canvas keeps what it shows.
EM_JS(void, canvas_put,
      (const std::uint8_t* rgba, int frame_width, int frame_height, int x, int y, int width,
       int height),
      {
          var canvas = document.getElementById('screen');
          if (canvas.width != frame_width || canvas.height != frame_height) {
              canvas.width = frame_width;
              canvas.height = frame_height;
          }
          var pixels = new Uint8ClampedArray(HEAPU8.buffer, rgba, frame_width * frame_height * 4);
          canvas.getContext('2d').putImageData(new ImageData(pixels, frame_width, frame_height), 0,
                                               0, x, y, width, height);
      });

// The cursor over the canvas: none, the browser's own, or the program's picture.
EM_JS(void, canvas_cursor, (int visible), {
    var canvas = document.getElementById('screen');
    canvas.style.cursor = visible ? (canvas.dataset.cursor || 'default') : 'none';
});

// A picture given as 0xAARRGGBB pixels, as a PNG data URL.
EM_JS(void, picture_use,
      (int what, const std::uint32_t* argb, int width, int height, int hot_x, int hot_y), {
          var drawing = document.createElement('canvas');
          drawing.width = width;
          drawing.height = height;
          var context = drawing.getContext('2d');
          var image = context.createImageData(width, height);
          var from = argb >> 2;
          for (var i = 0; i < width * height; i++) {
              var p = HEAPU32[from + i];
              image.data[i * 4] = (p >>> 16) & 255;
              image.data[i * 4 + 1] = (p >>> 8) & 255;
              image.data[i * 4 + 2] = p & 255;
              image.data[i * 4 + 3] = p >>> 24;
          }
          context.putImageData(image, 0, 0);
          var url = drawing.toDataURL('image/png');
          if (what == 0) {
              var link = document.querySelector('link[rel=icon]') || document.createElement('link');
              link.rel = 'icon';
              link.href = url;
              document.head.appendChild(link);
          } else {
              var canvas = document.getElementById('screen');
              canvas.dataset.cursor = 'url(' + url + ') ' + hot_x + ' ' + hot_y + ', default';
              if (canvas.style.cursor != 'none') canvas.style.cursor = canvas.dataset.cursor;
          }
      });

namespace {

struct WebState {
    int open = 0;
    int mode_width = 640;
    int mode_height = 480;
    int cursor_visible = 1;
    std::vector<std::uint32_t> rgba; // the frame in the byte order ImageData wants
    PictureCopy shown;               // what the canvas shows
};

WebState Web;
TickPacing Pacing;

// The page's callbacks post straight into the shared queue, which the message pump reads.
void push_event(const VideoEvent& event) {
    host_event_post(event);
}

void place_canvas() {
    double ratio = web_pixel_ratio(page_pixel_ratio());
    VideoViewport v = web_page_placement(page_width(), page_height(), ratio, Web.mode_width,
                                         Web.mode_height, page_handheld());
    // The viewport is in device pixels; CSS wants them divided by the ratio.
    canvas_place(v.x / ratio, v.y / ratio, v.width / ratio, v.height / ratio);
}

EM_BOOL on_key(int type, const EmscriptenKeyboardEvent* key, void*) {
    int vk = web_code_to_virtual_key(key->code);
    int ctrl_alt_or_meta = key->ctrlKey || key->altKey || key->metaKey;
    int typed = type == EMSCRIPTEN_EVENT_KEYDOWN && !key->ctrlKey && !key->metaKey
                    ? web_typed_character(key->key)
                    : -1;
    if (!vk && typed < 0) return EM_FALSE;
    VideoEvent event = {};
    if (vk) {
        event.kind = type == EMSCRIPTEN_EVENT_KEYDOWN ? VIDEO_KEY_DOWN : VIDEO_KEY_UP;
        event.virtual_key = vk;
        event.repeat = key->repeat != 0;
        push_event(event);
    }
    if (typed >= 0) {
        // The text the press types follows it, as TranslateMessage would make it.
        event = {};
        event.kind = VIDEO_CHARACTER;
        event.character = typed;
        push_event(event);
    }
    return web_key_prevents_default(vk, ctrl_alt_or_meta);
}

// Presses, releases and moves on the picture; a release off it lands where the mouse was
// last seen on it.
EM_BOOL on_mouse(int type, const EmscriptenMouseEvent* mouse, void*) {
    static int last_x = 0, last_y = 0;
    VideoEvent event = {};
    int on_picture = web_page_click(page_width(), page_height(), page_pixel_ratio(),
                                    page_handheld(), mouse->clientX, mouse->clientY, Web.mode_width,
                                    Web.mode_height, &event.x, &event.y);
    if (type == EMSCRIPTEN_EVENT_MOUSEMOVE) {
        if (!on_picture) return EM_FALSE;
        event.kind = VIDEO_MOUSE_MOVE;
    } else {
        event.button = web_mouse_button(mouse->button);
        if (event.button < 0) return EM_FALSE;
        event.kind = type == EMSCRIPTEN_EVENT_MOUSEDOWN ? VIDEO_MOUSE_DOWN : VIDEO_MOUSE_UP;
        if (!on_picture && event.kind == VIDEO_MOUSE_DOWN) return EM_FALSE;
        if (!on_picture) event.x = last_x, event.y = last_y;
    }
    last_x = event.x, last_y = event.y;
    push_event(event);
    return event.kind == VIDEO_MOUSE_MOVE ? EM_FALSE : EM_TRUE;
}

EM_BOOL on_wheel(int, const EmscriptenWheelEvent* wheel, void*) {
    static double remainder = 0;
    VideoEvent event = {};
    event.kind = VIDEO_MOUSE_WHEEL;
    event.wheel = web_wheel_notches(wheel->deltaY, static_cast<int>(wheel->deltaMode), &remainder);
    if (event.wheel) push_event(event);
    return EM_TRUE;
}

EM_BOOL on_blur(int, const EmscriptenFocusEvent*, void*) {
    // Keys let go while another window has the keyboard never arrive here.
    VideoEvent event = {};
    event.kind = VIDEO_FOCUS_LOST;
    push_event(event);
    return EM_FALSE;
}

EM_BOOL on_focus(int, const EmscriptenFocusEvent*, void*) {
    VideoEvent event = {};
    event.kind = VIDEO_FOCUS_GAINED;
    push_event(event);
    return EM_FALSE;
}

// A hidden tab is a minimised window that has lost the focus as well: nothing is drawn, keys
// held are let go and the sound falls silent; shown again, it has both back.
EM_BOOL on_visibility(int, const EmscriptenVisibilityChangeEvent* change, void*) {
    VideoEvent event = {};
    event.kind = change->hidden ? VIDEO_FOCUS_LOST : VIDEO_SHOWN;
    push_event(event);
    event.kind = change->hidden ? VIDEO_HIDDEN : VIDEO_FOCUS_GAINED;
    push_event(event);
    return EM_FALSE;
}

EM_BOOL on_resize(int, const EmscriptenUiEvent*, void*) {
    if (Web.open) place_canvas();
    return EM_FALSE;
}

void listen(int on) {
    const char* page = EMSCRIPTEN_EVENT_TARGET_WINDOW;
    emscripten_set_keydown_callback(page, nullptr, EM_TRUE, on ? on_key : nullptr);
    emscripten_set_keyup_callback(page, nullptr, EM_TRUE, on ? on_key : nullptr);
    emscripten_set_mousedown_callback(page, nullptr, EM_TRUE, on ? on_mouse : nullptr);
    emscripten_set_mouseup_callback(page, nullptr, EM_TRUE, on ? on_mouse : nullptr);
    emscripten_set_mousemove_callback(page, nullptr, EM_TRUE, on ? on_mouse : nullptr);
    emscripten_set_wheel_callback(page, nullptr, EM_TRUE, on ? on_wheel : nullptr);
    emscripten_set_blur_callback(page, nullptr, EM_TRUE, on ? on_blur : nullptr);
    emscripten_set_focus_callback(page, nullptr, EM_TRUE, on ? on_focus : nullptr);
    emscripten_set_visibilitychange_callback(nullptr, EM_TRUE, on ? on_visibility : nullptr);
    emscripten_set_resize_callback(page, nullptr, EM_TRUE, on ? on_resize : nullptr);
    web_gamepads_listen(on ? push_event : nullptr);
}

int web_open_window(const char*, int width, int height, char* error, int error_size) {
    if (!canvas_found()) {
        if (error && error_size > 0)
            std::snprintf(error, error_size, "the page has no canvas with the id \"screen\"");
        return 0;
    }
    Web.open = 1;
    Web.mode_width = width;
    Web.mode_height = height;
    host_events_clear();
    picture_forget(&Web.shown);
    listen(1);
    place_canvas();
    canvas_cursor(Web.cursor_visible);
    return 1;
}

void web_close_window() {
    if (!Web.open) return;
    listen(0);
    canvas_cursor(1);
    Web.open = 0;
    host_events_clear();
}

int web_set_mode(int width, int height, int, int) {
    if (width <= 0 || height <= 0) return 0;
    // Full screen or not, the page is the window: the picture always fills as much of it as
    // a whole scale allows.
    Web.mode_width = width;
    Web.mode_height = height;
    if (Web.open) place_canvas();
    return 1;
}

void web_present(const VideoPicture* picture) {
    if (!Web.open || !picture || !picture->pixels || picture->width <= 0 || picture->height <= 0)
        return;
    // A picture standing still (the menu) is on the canvas already; of a changed one only the
    // changed part is converted and put on it.
    HostRect part = {};
    if (!picture_remember(&Web.shown, picture, &part)) return;
    const int width = picture->width;
    Web.rgba.resize(static_cast<std::size_t>(width) * picture->height);
    VideoPicture cut = picture_of(Web.shown);
    cut.pixels += static_cast<std::ptrdiff_t>(part.y) * cut.pitch + part.x * (cut.bpp == 8 ? 1 : 2);
    cut.width = part.width;
    cut.height = part.height;
    std::uint32_t* at = Web.rgba.data() + static_cast<std::size_t>(part.y) * width + part.x;
    convert_picture_to_argb(&cut, at, width);
    // 0xAARRGGBB to the bytes R, G, B, A in memory (little-endian).
    for (int y = 0; y < part.height; ++y) {
        std::uint32_t* row = at + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < part.width; ++x)
            row[x] = (row[x] & 0xFF00FF00u) | ((row[x] >> 16) & 0xFFu) | ((row[x] & 0xFFu) << 16);
    }
    canvas_put(reinterpret_cast<const std::uint8_t*>(Web.rgba.data()), width, picture->height,
               part.x, part.y, part.width, part.height);
}

// The page's own events are posted as they come; only the controllers are asked.
void web_pump_events() {
    if (Web.open) web_gamepads_poll();
}

void web_set_cursor_visible(int visible) {
    Web.cursor_visible = visible != 0;
    if (Web.open) canvas_cursor(Web.cursor_visible);
}

std::int64_t browser_milliseconds() {
    return static_cast<std::int64_t>(std::floor(emscripten_get_now()));
}

// The page lives only while the program gives the browser its turn: the rest (web_rest.js)
// lets the page run and resumes the program in the next millisecond.
extern "C" void web_rest_until(double next_ms);

void rest_a_millisecond(std::int64_t next_ms) {
    web_rest_until(static_cast<double>(next_ms));
}

// The whole rest in one go: the page runs its tasks meanwhile, and the rest's timer ends
// early enough that its last steps land on the deadline's millisecond.
void web_rest_to(std::uint32_t deadline) {
    const std::int64_t now = browser_milliseconds();
    const auto left = static_cast<std::int32_t>(deadline - static_cast<std::uint32_t>(now));
    if (left > 0) web_rest_until(static_cast<double>(now + left));
}

std::uint32_t web_ticks() {
    return static_cast<std::uint32_t>(
        paced_reading(&Pacing, browser_milliseconds, rest_a_millisecond));
}

void web_set_icon(const std::uint32_t* argb, int width, int height) {
    if (argb && width > 0 && height > 0 && width <= 256 && height <= 256)
        picture_use(0, argb, width, height, 0, 0);
}

void web_set_cursor_image(const std::uint32_t* argb, int width, int height, int hot_x, int hot_y) {
    if (argb && width > 0 && height > 0 && width <= 128 && height <= 128)
        picture_use(1, argb, width, height, hot_x, hot_y);
}

} // namespace

const Host* web_host() {
    static const Host page = {
        .name = "web",
        .open_window = web_open_window,
        .close_window = web_close_window,
        .set_mode = web_set_mode,
        .present = web_present,
        .set_cursor_visible = web_set_cursor_visible,
        .set_icon = web_set_icon,
        .set_cursor_image = web_set_cursor_image,
        .pump_events = web_pump_events,
        .ticks = web_ticks,
        .rest_until = web_rest_to,
        .audio = web_audio_output,
    };
    return &page;
}
