// The program's own resources, icon 101 and cursor 9: 8-bit bitmap files that the artwork
// build puts beside the executable, with pictures drawn in code when they are absent.
#include "platform/win32/win32_resources.h"

#include <cstdio>
#include <cstring>
#include <limits.h>
#include <unistd.h>

namespace {

constexpr int ICON_ID = 101;
constexpr int CURSOR_ID = 9;
constexpr int TRANSPARENT_INDEX = 253;
// Resources are small pictures; anything larger is not one of ours.
constexpr long MAX_RESOURCE_FILE = 1 << 20;
constexpr int MAX_RESOURCE_SIDE = 256;
constexpr std::uint32_t ALPHA_OPAQUE = 0xFF000000u;

std::uint32_t read_u32(const std::vector<std::uint8_t>& data, std::size_t at) {
    return static_cast<std::uint32_t>(data[at]) | static_cast<std::uint32_t>(data[at + 1]) << 8 |
           static_cast<std::uint32_t>(data[at + 2]) << 16 |
           static_cast<std::uint32_t>(data[at + 3]) << 24;
}

std::uint16_t read_u16(const std::vector<std::uint8_t>& data, std::size_t at) {
    return static_cast<std::uint16_t>(data[at] | data[at + 1] << 8);
}

int read_whole_file(const char* path, std::vector<std::uint8_t>& data) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return 0;
    data.clear();
    std::uint8_t chunk[4096];
    std::size_t got;
    int ok = 1;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        if (data.size() + got > static_cast<std::size_t>(MAX_RESOURCE_FILE)) {
            ok = 0;
            break;
        }
        data.insert(data.end(), chunk, chunk + got);
    }
    std::fclose(file);
    return ok;
}

// The file must be the known layout: BM, an info header of at least 40 bytes, 8 bits per
// pixel uncompressed, its colour table and every row inside the file.
int decode_bitmap(const std::vector<std::uint8_t>& data, HICON__* picture) {
    constexpr std::size_t FILE_HEADER = sizeof(BITMAPFILEHEADER);
    if (data.size() < FILE_HEADER + sizeof(BITMAPINFOHEADER)) return 0;
    if (data[0] != 'B' || data[1] != 'M') return 0;
    std::uint32_t pixel_offset = read_u32(data, 10);
    std::uint32_t info_size = read_u32(data, 14);
    std::int32_t width = static_cast<std::int32_t>(read_u32(data, 18));
    std::int32_t height = static_cast<std::int32_t>(read_u32(data, 22));
    std::uint16_t bit_count = read_u16(data, 28);
    std::uint32_t compression = read_u32(data, 30);
    std::uint32_t colours_used = read_u32(data, 46);
    if (info_size < sizeof(BITMAPINFOHEADER) || info_size > data.size()) return 0;
    if (bit_count != 8 || compression != BI_RGB) return 0;
    int top_down = height < 0;
    // Checked before negating, so the most negative height cannot overflow.
    if (width <= 0 || width > MAX_RESOURCE_SIDE || height == 0 || height < -MAX_RESOURCE_SIDE ||
        height > MAX_RESOURCE_SIDE)
        return 0;
    if (top_down) height = -height;
    std::uint32_t colours = colours_used == 0 ? 256 : colours_used;
    if (colours > 256) return 0;
    std::size_t table = FILE_HEADER + info_size;
    if (table + colours * 4 > data.size()) return 0;
    std::size_t row_bytes = (static_cast<std::size_t>(width) + 3) & ~static_cast<std::size_t>(3);
    if (pixel_offset > data.size() || row_bytes * height > data.size() - pixel_offset) return 0;

    std::uint32_t palette[256] = {};
    for (std::uint32_t i = 0; i < colours; i++) {
        const std::uint8_t* q = &data[table + i * 4]; // blue, green, red, reserved
        palette[i] = ALPHA_OPAQUE | static_cast<std::uint32_t>(q[2]) << 16 |
                     static_cast<std::uint32_t>(q[1]) << 8 | q[0];
    }
    palette[TRANSPARENT_INDEX] = 0;

    picture->width = width;
    picture->height = height;
    picture->argb.assign(static_cast<std::size_t>(width) * height, 0);
    for (int y = 0; y < height; y++) {
        // Rows are stored bottom row first unless the height is negative.
        int file_row = top_down ? y : height - 1 - y;
        const std::uint8_t* row = &data[pixel_offset + row_bytes * file_row];
        for (int x = 0; x < width; x++)
            picture->argb[static_cast<std::size_t>(y) * width + x] = palette[row[x]];
    }
    return 1;
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
    HICON__ decoded = {};
    if (!read_whole_file(path, data) || !decode_bitmap(data, &decoded)) return 0;
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
        // The larger picture suits every backend that takes one icon.
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
