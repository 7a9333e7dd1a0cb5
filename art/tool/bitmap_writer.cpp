#include "art/tool/bitmap_writer.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

template <typename T> void append_bytes(std::vector<std::uint8_t>& out, const T& value) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
    out.insert(out.end(), bytes, bytes + sizeof(T));
}

} // namespace

bool write_bitmap_file(const std::string& path, const Canvas& canvas, const GamePalette& palette) {
    if (canvas.width <= 0 || canvas.height <= 0 || canvas.width % 4 != 0) return false;
    const DWORD table_bytes = 256 * 4;
    const DWORD image_bytes = static_cast<DWORD>(canvas.width) * canvas.height;
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + table_bytes;

    BITMAPFILEHEADER file_header{};
    file_header.bfType = 0x4D42;
    file_header.bfSize = offset + image_bytes;
    file_header.bfOffBits = offset;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(BITMAPINFOHEADER);
    info.biWidth = canvas.width;
    info.biHeight = canvas.height;
    info.biPlanes = 1;
    info.biBitCount = 8;
    info.biCompression = BI_RGB;
    info.biSizeImage = image_bytes;
    info.biXPelsPerMeter = 2835; // 72 dots per inch
    info.biYPelsPerMeter = 2835;
    info.biClrUsed = 256;
    info.biClrImportant = 256;

    std::vector<std::uint8_t> out;
    out.reserve(offset + image_bytes);
    append_bytes(out, file_header);
    append_bytes(out, info);
    for (const PALETTEENTRY& e : palette) {
        out.push_back(e.peBlue);
        out.push_back(e.peGreen);
        out.push_back(e.peRed);
        out.push_back(0);
    }
    for (int row = canvas.height - 1; row >= 0; --row) {
        const std::uint8_t* src =
            canvas.pixels.data() + static_cast<std::size_t>(row) * canvas.width;
        out.insert(out.end(), src, src + canvas.width);
    }

    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}
