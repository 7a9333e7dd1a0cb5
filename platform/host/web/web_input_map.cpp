// KeyboardEvent.code names to virtual keys, and the page's geometry in device pixels.
#include "platform/host/web/web_input_map.h"
#include "platform/host/utf8.h"
#include "platform/host/virtual_keys.h"

#include <cmath>
#include <cstring>

namespace {

struct NamedKey {
    const char* code;
    int virtual_key;
};

// Codes name physical keys whatever the layout, as the game's keys are meant: Z runs on
// any keyboard where that key sits.
constexpr NamedKey NAMED_KEYS[] = {
    {"Enter", VK_RETURN},
    {"NumpadEnter", VK_RETURN},
    {"Escape", VK_ESCAPE},
    {"Backspace", VK_BACK},
    {"Tab", VK_TAB},
    {"Space", VK_SPACE},
    {"ArrowUp", VK_UP},
    {"ArrowDown", VK_DOWN},
    {"ArrowLeft", VK_LEFT},
    {"ArrowRight", VK_RIGHT},
    {"Insert", VK_INSERT},
    {"Delete", VK_DELETE},
    {"Home", VK_HOME},
    {"End", VK_END},
    {"PageUp", VK_PRIOR},
    {"PageDown", VK_NEXT},
    {"ShiftLeft", VK_LSHIFT},
    {"ShiftRight", VK_RSHIFT},
    {"ControlLeft", VK_LCONTROL},
    {"ControlRight", VK_RCONTROL},
    {"AltLeft", VK_LMENU},
    {"AltRight", VK_RMENU},
    {"MetaLeft", VK_LWIN},
    {"MetaRight", VK_RWIN},
    {"ContextMenu", VK_APPS},
    {"CapsLock", VK_CAPITAL},
    {"NumLock", VK_NUMLOCK},
    {"ScrollLock", VK_SCROLL},
    {"Pause", VK_PAUSE},
    {"PrintScreen", VK_SNAPSHOT},
    {"NumpadMultiply", VK_MULTIPLY},
    {"NumpadAdd", VK_ADD},
    {"NumpadSubtract", VK_SUBTRACT},
    {"NumpadDecimal", VK_DECIMAL},
    {"NumpadDivide", VK_DIVIDE},
    {"Semicolon", VK_OEM_1},
    {"Equal", VK_OEM_PLUS},
    {"Comma", VK_OEM_COMMA},
    {"Minus", VK_OEM_MINUS},
    {"Period", VK_OEM_PERIOD},
    {"Slash", VK_OEM_2},
    {"Backquote", VK_OEM_3},
    {"BracketLeft", VK_OEM_4},
    {"Backslash", VK_OEM_5},
    {"BracketRight", VK_OEM_6},
    {"Quote", VK_OEM_7},
    {"IntlBackslash", VK_OEM_102},
};

// The number after a prefix ("Digit7", "F11"), or -1 when the rest is not one to three digits.
int number_after(const char* code, const char* prefix) {
    std::size_t length = std::strlen(prefix);
    if (std::strncmp(code, prefix, length) != 0) return -1;
    const char* digits = code + length;
    int value = 0, count = 0;
    for (; digits[count]; count++) {
        if (count == 3 || digits[count] < '0' || digits[count] > '9') return -1;
        value = value * 10 + (digits[count] - '0');
    }
    return count ? value : -1;
}

// CSS pixels to whole device pixels; sizes beyond any screen are held at a bound so that
// the conversion to int stays defined.
int device_pixels(double css, double ratio) {
    double device = std::floor(css * ratio);
    if (!(device >= 0)) return 0;
    return device > 1 << 20 ? 1 << 20 : static_cast<int>(device);
}

} // namespace

namespace {

// Letters, digits, the number pad's digits and F1 to F12, whose codes carry their number;
// 0 for any other code.
int numbered_key(const char* code) {
    if (std::strncmp(code, "Key", 3) == 0 && code[3] >= 'A' && code[3] <= 'Z' && !code[4])
        return code[3];
    int digit = number_after(code, "Digit");
    if (digit >= 0 && digit <= 9) return '0' + digit;
    int pad = number_after(code, "Numpad");
    if (pad >= 0 && pad <= 9 && code[7] == '\0') return VK_NUMPAD0 + pad;
    int function = number_after(code, "F");
    if (function >= 1 && function <= 12 && code[1] != '0') return VK_F1 + function - 1;
    return 0;
}

} // namespace

int web_code_to_virtual_key(const char* code) {
    if (!code) return 0;
    if (int numbered = numbered_key(code)) return numbered;
    for (const NamedKey& key : NAMED_KEYS)
        if (std::strcmp(code, key.code) == 0) return key.virtual_key;
    return 0;
}

int web_key_prevents_default(int virtual_key, int ctrl_alt_or_meta) {
    if (!virtual_key || ctrl_alt_or_meta) return 0;
    switch (virtual_key) {
    case VK_TAB:
    case VK_LSHIFT:
    case VK_RSHIFT:
    case VK_LCONTROL:
    case VK_RCONTROL:
    case VK_LMENU:
    case VK_RMENU:
    case VK_LWIN:
    case VK_RWIN:
    case VK_CAPITAL:
    case VK_NUMLOCK:
    case VK_SNAPSHOT:
        return 0;
    default:
        return !(virtual_key >= VK_F1 && virtual_key < VK_F1 + 12);
    }
}

double web_pixel_ratio(double page_ratio) {
    return std::isfinite(page_ratio) && page_ratio >= 0.25 && page_ratio <= 16 ? page_ratio : 1.0;
}

VideoViewport web_page_viewport(double css_width, double css_height, double pixel_ratio,
                                int picture_width, int picture_height) {
    double ratio = web_pixel_ratio(pixel_ratio);
    return fit_picture(device_pixels(css_width, ratio), device_pixels(css_height, ratio),
                       picture_width, picture_height);
}

int web_click_to_picture(double css_width, double css_height, double pixel_ratio, double client_x,
                         double client_y, int picture_width, int picture_height, int* picture_x,
                         int* picture_y) {
    double ratio = web_pixel_ratio(pixel_ratio);
    // Off the page (or not a number) is nowhere on the picture.
    if (!(client_x >= 0 && client_y >= 0 && client_x < css_width && client_y < css_height))
        return 0;
    VideoViewport v =
        web_page_viewport(css_width, css_height, ratio, picture_width, picture_height);
    return map_to_picture(v, picture_width, picture_height, device_pixels(client_x, ratio),
                          device_pixels(client_y, ratio), picture_x, picture_y);
}

int web_mouse_button(int dom_button) {
    // The DOM numbers buttons left 0, middle 1, right 2.
    if (dom_button == 0) return VIDEO_BUTTON_LEFT;
    if (dom_button == 1) return VIDEO_BUTTON_MIDDLE;
    if (dom_button == 2) return VIDEO_BUTTON_RIGHT;
    return -1;
}

int web_wheel_notches(double delta_y, int delta_mode, double* remainder) {
    // Pixels and lines are gathered until they make a notch (100 pixels, 3 lines); a page is one.
    double per_notch = delta_mode == 0 ? 100.0 : delta_mode == 1 ? 3.0 : 1.0;
    if (!std::isfinite(delta_y) || !remainder) return 0;
    *remainder += -delta_y / per_notch;
    double whole = std::trunc(*remainder);
    if (whole > 100) whole = 100;
    if (whole < -100) whole = -100;
    *remainder -= whole;
    if (!std::isfinite(*remainder) || std::fabs(*remainder) >= 1) *remainder = 0;
    return static_cast<int>(whole);
}

int web_typed_character(const char* key) {
    // A printable key's KeyboardEvent.key is the one character it types; names such as
    // "Enter" or "Shift" are longer.
    if (!key) return -1;
    int length = static_cast<int>(std::strlen(key));
    int at = 0;
    int code_point = utf8_next(key, length, &at);
    return code_point >= 0x20 && at == length ? code_point : -1;
}
