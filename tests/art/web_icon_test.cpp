// The browser build's app icons: PNG files read back by a reader of their own (chunks and
// their checksums, the stored zlib stream) hold the 32 x 32 icon's pixels scaled up whole,
// with its palette, clear where the icon is transparent.
#include "art/tool/web_icon.h"
#include "bitmap_probe.h"
#include "formats/file_bytes.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

std::uint32_t be32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return (static_cast<std::uint32_t>(b[at]) << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) |
           b[at + 3];
}

// Bit by bit, unlike the writer's table.
std::uint32_t slow_crc(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; i++) {
        crc ^= data[i];
        for (int k = 0; k < 8; k++)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

struct ProbedPng {
    std::string error;
    std::map<std::string, std::vector<std::uint8_t>> chunks;
    std::vector<std::uint8_t> raw; // the inflated rows
};

ProbedPng probe_png(const std::vector<std::uint8_t>& b) {
    ProbedPng png;
    const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (b.size() < 8 || !std::equal(signature, signature + 8, b.begin())) {
        png.error = "no PNG signature";
        return png;
    }
    std::size_t at = 8;
    while (at + 12 <= b.size()) {
        const std::uint32_t length = be32(b, at);
        if (at + 12 + length > b.size()) break;
        const std::string kind(b.begin() + at + 4, b.begin() + at + 8);
        if (slow_crc(&b[at + 4], length + 4) != be32(b, at + 8 + length)) {
            png.error = "bad checksum in " + kind;
            return png;
        }
        png.chunks[kind].insert(png.chunks[kind].end(), b.begin() + at + 8,
                                b.begin() + at + 8 + length);
        at += 12 + length;
    }
    if (at != b.size() || !png.chunks.count("IEND")) png.error = "truncated";
    // A zlib stream of stored blocks, then its Adler-32.
    const std::vector<std::uint8_t>& z = png.chunks["IDAT"];
    std::size_t p = 2;
    bool last = z.size() < 2 || (z[0] * 256 + z[1]) % 31 != 0;
    if (last) png.error = "bad zlib header";
    while (!last && p + 5 <= z.size()) {
        last = z[p] & 1;
        const std::size_t size = z[p + 1] | (z[p + 2] << 8);
        if ((z[p] & 6) != 0 ||
            static_cast<std::size_t>((z[p + 3] | (z[p + 4] << 8)) ^ 0xFFFF) != size ||
            p + 5 + size > z.size()) {
            png.error = "not a stored block";
            return png;
        }
        png.raw.insert(png.raw.end(), z.begin() + p + 5, z.begin() + p + 5 + size);
        p += 5 + size;
    }
    std::uint32_t a = 1, s = 0;
    for (std::uint8_t byte : png.raw) {
        a = (a + byte) % 65521;
        s = (s + a) % 65521;
    }
    if (p + 4 != z.size() || be32(z, p) != ((s << 16) | a)) png.error = "bad Adler-32";
    return png;
}

} // namespace

TEST(WebIcons, PngFilesHoldTheIconScaledWholeWithItsPalette) {
    const ProbedBitmap icon = probe_bitmap("icon101_32.bmp");
    ASSERT_TRUE(icon.ok) << icon.error;
    for (int size : {192, 512}) {
        SCOPED_TRACE(size);
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(
            read_file_bytes(("icon-" + std::to_string(size) + ".png").c_str(), 4 << 20, &bytes));
        ProbedPng png = probe_png(bytes);
        ASSERT_EQ(png.error, "");
        const std::vector<std::uint8_t>& header = png.chunks["IHDR"];
        ASSERT_EQ(header.size(), 13u);
        EXPECT_EQ(be32(header, 0), static_cast<std::uint32_t>(size));
        EXPECT_EQ(be32(header, 4), static_cast<std::uint32_t>(size));
        EXPECT_EQ(std::vector<std::uint8_t>(header.begin() + 8, header.end()),
                  (std::vector<std::uint8_t>{8, 3, 0, 0, 0}));
        const std::vector<std::uint8_t>& colours = png.chunks["PLTE"];
        const std::vector<std::uint8_t>& alpha = png.chunks["tRNS"];
        ASSERT_EQ(colours.size(), 768u);
        ASSERT_EQ(alpha.size(), 256u);
        for (int i = 0; i < 256; i++) {
            EXPECT_EQ((ProbeColour{colours[i * 3], colours[i * 3 + 1], colours[i * 3 + 2]}),
                      icon.palette[i]);
            EXPECT_EQ(alpha[i], i == COLOUR_TRANSPARENT ? 0 : 255);
        }
        const int factor = size / 32;
        const std::size_t stride = static_cast<std::size_t>(size) + 1;
        ASSERT_EQ(png.raw.size(), stride * size);
        const int offset = (size - 32 * factor) / 2;
        int mismatches = 0;
        for (int y = 0; y < size; y++) {
            EXPECT_EQ(png.raw[y * stride], 0); // no filter
            for (int x = 0; x < size; x++) {
                const int ix = (x - offset) / factor, iy = (y - offset) / factor;
                const bool inside = x >= offset && y >= offset && ix < 32 && iy < 32;
                const int want = inside ? icon.at(ix, iy) : COLOUR_TRANSPARENT;
                mismatches += png.raw[y * stride + 1 + x] != want;
            }
        }
        EXPECT_EQ(mismatches, 0);
    }
}

TEST(WebIcons, OddSizesAreCentredAndImpossibleOnesRefused) {
    Canvas wide = canvas_make(40, 20, 7);
    // 100 takes the 40 x 20 picture twice: 80 x 40, 10 and 30 pixels in.
    const Canvas out = web_icon_canvas(wide, 100);
    ASSERT_EQ(out.width, 100);
    ASSERT_EQ(out.height, 100);
    EXPECT_EQ(canvas_get(out, 10, 30), 7);
    EXPECT_EQ(canvas_get(out, 89, 69), 7);
    EXPECT_EQ(canvas_get(out, 9, 30), COLOUR_TRANSPARENT);
    EXPECT_EQ(canvas_get(out, 10, 70), COLOUR_TRANSPARENT);
    // Smaller than the icon, absurd, or from nothing: no picture, and no file.
    EXPECT_EQ(web_icon_canvas(wide, 39).width, 0);
    EXPECT_EQ(web_icon_canvas(wide, 1 << 20).width, 0);
    EXPECT_EQ(web_icon_canvas(Canvas{}, 64).width, 0);
    const GamePalette palette = build_game_palette();
    EXPECT_TRUE(png_encode(Canvas{}, palette, COLOUR_TRANSPARENT).empty());
    Canvas lying = canvas_make(4, 4, 1);
    lying.pixels.resize(3); // fewer pixels than its size says
    EXPECT_TRUE(png_encode(lying, palette, COLOUR_TRANSPARENT).empty());
    EXPECT_FALSE(write_png_file("/nonexistent-folder/icon.png", out, palette, 0));
}
