// The program's own resources, icon 101 and cursor 9: 8-bit bitmap files that the artwork
// build puts beside the executable, with pictures drawn in code when they are absent.
#include "platform/winapi/winapi_resources.h"
#include "formats/bmp_decode.h"
#include "formats/file_bytes.h"

#include <cstdio>
#include <cstring>
#include <limits.h>
#include <unistd.h>

namespace {

constexpr int ICON_ID = 101;
constexpr int CURSOR_ID = 9;
constexpr int TRANSPARENT_INDEX = 253;
// Resources are small pictures; anything larger is not one of ours.
constexpr std::size_t MAX_RESOURCE_FILE = 1 << 20;
constexpr int MAX_RESOURCE_SIDE = 256;
constexpr std::uint32_t ALPHA_OPAQUE = 0xFF000000u;

// The file's colours as opaque pixels, palette index 253 clear; table entries the file does not
// hold are clear as well.
void decode_resource(const BmpIndexedImage& image, HICON__* picture) {
    std::uint32_t argb[256] = {};
    for (int i = 0; i < image.colour_count; i++) {
        const PaletteEntry& c = image.colours[i];
        argb[i] = ALPHA_OPAQUE | static_cast<std::uint32_t>(c.red) << 16 |
                  static_cast<std::uint32_t>(c.green) << 8 | c.blue;
    }
    argb[TRANSPARENT_INDEX] = 0;
    picture->width = image.width;
    picture->height = image.height;
    picture->argb.resize(image.indices.size());
    for (std::size_t i = 0; i < image.indices.size(); i++)
        picture->argb[i] = argb[image.indices[i]];
}

void draw_placeholder_icon(HICON__* icon) {
    constexpr int SIDE = 32;
    icon->width = icon->height = SIDE;
    icon->hot_x = icon->hot_y = SIDE / 2;
    icon->argb.assign(SIDE * SIDE, 0);
    // A green ball with a dark rim and a light spot: recognisable at 16 pixels too.
    for (int y = 0; y < SIDE; y++) {
        for (int x = 0; x < SIDE; x++) {
            int dx = 2 * x + 1 - SIDE, dy = 2 * y + 1 - SIDE;
            int d2 = dx * dx + dy * dy;
            std::uint32_t colour = 0;
            if (d2 <= 28 * 28) colour = ALPHA_OPAQUE | 0x2E9E3A;
            if (d2 > 24 * 24 && d2 <= 28 * 28) colour = ALPHA_OPAQUE | 0x145A1C;
            int sx = 2 * x + 1 - 22, sy = 2 * y + 1 - 22;
            if (d2 <= 24 * 24 && sx * sx + sy * sy <= 36) colour = ALPHA_OPAQUE | 0xD8F4C0;
            icon->argb[y * SIDE + x] = colour;
        }
    }
}

void draw_placeholder_cursor(HICON__* cursor) {
    constexpr int SIDE = 32;
    constexpr int ARROW_ROWS = 18;
    cursor->width = cursor->height = SIDE;
    cursor->hot_x = cursor->hot_y = 0;
    cursor->argb.assign(SIDE * SIDE, 0);
    // An arrow pointing up and left, white with a black outline, tip at the hot spot.
    for (int y = 0; y < ARROW_ROWS; y++) {
        int right = y * 2 / 3;
        for (int x = 0; x <= right; x++) {
            int edge = x == 0 || x == right || y == ARROW_ROWS - 1;
            cursor->argb[y * SIDE + x] = ALPHA_OPAQUE | (edge ? 0x000000 : 0xFFFFFF);
        }
    }
}

} // namespace

int read_resource_bitmap(const char* path, HICON__* picture) {
    if (!path || !picture) return 0;
    std::vector<std::uint8_t> data;
    BmpIndexedImage image;
    if (!read_file_bytes(path, MAX_RESOURCE_FILE, &data) ||
        !bmp_decode_indexed(data.data(), data.size(), &image))
        return 0;
    // Resources are small pictures; anything larger is not one of ours.
    if (image.width > MAX_RESOURCE_SIDE || image.height > MAX_RESOURCE_SIDE) return 0;
    HICON__ decoded = {};
    decode_resource(image, &decoded);
    decoded.hot_x = picture->hot_x;
    decoded.hot_y = picture->hot_y;
    *picture = std::move(decoded);
    return 1;
}

std::string executable_folder() {
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return "";
    path[length] = 0;
    char* slash = std::strrchr(path, '/');
    if (!slash) return "";
    slash[1] = 0;
    return path;
}

namespace {

int resource_id(LPCSTR name) {
    auto value = reinterpret_cast<std::uintptr_t>(name);
    // Integer resources are names below 0x10000 (MAKEINTRESOURCE).
    return value < 0x10000 ? static_cast<int>(value) : -1;
}

HICON__ Icon;
HICON__ Cursor;
int IconLoaded = 0;
int CursorLoaded = 0;

int load_from_folder(const char* file_name, HICON__* picture) {
    return read_resource_bitmap((executable_folder() + file_name).c_str(), picture);
}

} // namespace

HICON LoadIconA(HINSTANCE instance, LPCSTR name) {
    (void)instance;
    if (resource_id(name) != ICON_ID) return nullptr;
    if (!IconLoaded) {
        // The larger picture suits every host that takes one icon.
        if (!load_from_folder("icon101_32.bmp", &Icon) &&
            !load_from_folder("icon101_16.bmp", &Icon))
            draw_placeholder_icon(&Icon);
        Icon.hot_x = Icon.width / 2;
        Icon.hot_y = Icon.height / 2;
        IconLoaded = 1;
    }
    return &Icon;
}

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name) {
    (void)instance;
    if (resource_id(name) != CURSOR_ID) return nullptr;
    if (!CursorLoaded) {
        if (!load_from_folder("cursor9.bmp", &Cursor)) draw_placeholder_cursor(&Cursor);
        // The colour cursor's hot spot is its top-left pixel.
        Cursor.hot_x = Cursor.hot_y = 0;
        CursorLoaded = 1;
    }
    return &Cursor;
}
