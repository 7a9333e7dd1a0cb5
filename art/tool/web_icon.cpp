// The page's app icons as PNG files: a small writer that needs no compression library, since
// the files are read once by a browser and stored deflate blocks are valid deflate.
#include "art/tool/web_icon.h"
#include "formats/file_bytes.h"

#include <array>

namespace {

std::uint32_t crc32(const std::uint8_t* data, std::size_t size) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; n++) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; k++)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; i++)
        c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void chunk(std::vector<std::uint8_t>& out, const char* kind,
           const std::vector<std::uint8_t>& body) {
    put32(out, static_cast<std::uint32_t>(body.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), kind, kind + 4);
    out.insert(out.end(), body.begin(), body.end());
    put32(out, crc32(out.data() + start, out.size() - start));
}

// The raw rows in a zlib stream of stored blocks (at most 65535 bytes each).
std::vector<std::uint8_t> zlib_stored(const std::vector<std::uint8_t>& raw) {
    std::vector<std::uint8_t> out = {0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t size = raw.size() - at < 65535 ? raw.size() - at : 65535;
        out.push_back(at + size == raw.size() ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(size));
        out.push_back(static_cast<std::uint8_t>(size >> 8));
        out.push_back(static_cast<std::uint8_t>(~size));
        out.push_back(static_cast<std::uint8_t>(~size >> 8));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                   raw.begin() + static_cast<std::ptrdiff_t>(at + size));
        at += size;
    } while (at < raw.size());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    put32(out, (b << 16) | a);
    return out;
}

} // namespace

Canvas web_icon_canvas(const Canvas& icon, int size) {
    if (icon.width <= 0 || icon.height <= 0 || size < icon.width || size < icon.height ||
        size > 4096)
        return {};
    const int factor =
        size / icon.width < size / icon.height ? size / icon.width : size / icon.height;
    Canvas out = canvas_make(size, size, COLOUR_TRANSPARENT);
    blit_canvas(out, scale_canvas(icon, factor), (size - icon.width * factor) / 2,
                (size - icon.height * factor) / 2, 256);
    return out;
}

std::vector<std::uint8_t> png_encode(const Canvas& canvas, const GamePalette& palette, int clear) {
    if (canvas.width <= 0 || canvas.height <= 0 ||
        canvas.pixels.size() != static_cast<std::size_t>(canvas.width) * canvas.height)
        return {};
    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>(canvas.width + 1) * canvas.height);
    for (int y = 0; y < canvas.height; y++) {
        raw.push_back(0); // no filter
        const auto row = canvas.pixels.begin() + static_cast<std::ptrdiff_t>(y) * canvas.width;
        raw.insert(raw.end(), row, row + canvas.width);
    }
    std::vector<std::uint8_t> header, colours, alpha;
    put32(header, static_cast<std::uint32_t>(canvas.width));
    put32(header, static_cast<std::uint32_t>(canvas.height));
    header.insert(header.end(),
                  {8, 3, 0, 0, 0}); // 8 bits, indexed, deflate, no filter, no interlace
    for (int i = 0; i < 256; i++) {
        colours.insert(colours.end(), {palette[i].red, palette[i].green, palette[i].blue});
        alpha.push_back(i == clear ? 0 : 255);
    }
    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    chunk(out, "IHDR", header);
    chunk(out, "PLTE", colours);
    chunk(out, "tRNS", alpha);
    chunk(out, "IDAT", zlib_stored(raw));
    chunk(out, "IEND", {});
    return out;
}

bool write_png_file(const std::string& path, const Canvas& canvas, const GamePalette& palette,
                    int clear) {
    const std::vector<std::uint8_t> bytes = png_encode(canvas, palette, clear);
    return !bytes.empty() && write_file_bytes(path.c_str(), bytes);
}
