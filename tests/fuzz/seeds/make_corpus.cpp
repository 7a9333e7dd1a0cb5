// Writes the fuzz targets' seed corpora: small valid bitmap files of each depth and row
// order, the damaged files of the reader's hostile-file tests, palette texts good and bad,
// pixel grids good and bad, and WAVE files of every shape, whole and damaged. Each bitmap seed
// starts with the target's choice bytes, set so that some cuts land inside the picture and some
// outside.
//
//   fuzz_make_corpus <corpus folder> <artwork sources folder>
#include "bmp_builder.h"

#include "formats/wave_format.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A coordinate choice byte for the value v (-8 to 115), as the targets decode it.
std::uint8_t at(int v) {
    return static_cast<std::uint8_t>((v + 8) * 2);
}
// A size choice byte for the value v (1 to 64).
std::uint8_t sized(int v) {
    return static_cast<std::uint8_t>(v - 1);
}
constexpr std::uint8_t CELL_MODE = 1, ABSOLUTE_MODE = 0;

void write(const fs::path& folder, const std::string& name, const Bytes& bytes) {
    fs::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

void write_text(const fs::path& folder, const std::string& name, const std::string& text) {
    write(folder, name, Bytes(text.begin(), text.end()));
}

Bytes concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Rows of `width` pixels of `bytes` each, every byte a different value.
std::vector<Bytes> rows(int width, int height, int bytes) {
    std::vector<Bytes> result;
    for (int y = 0; y < height; ++y) {
        Bytes row;
        for (int i = 0; i < width * bytes; ++i)
            row.push_back(static_cast<std::uint8_t>(y * 31 + i * 7 + 1));
        result.push_back(row);
    }
    return result;
}

Bytes picture(int width, int height, std::uint16_t bits, bool top_down = false) {
    auto stored = rows(width, height, bits / 8);
    if (top_down) std::reverse(stored.begin(), stored.end());
    Bytes file = bmp_file(width, top_down ? -height : height, bits, stored_rows(stored));
    return file;
}

// A sheet of 8-bit cells of the given size, with grid lines, 2 x 1 cells.
Bytes sheet(int cell) {
    return picture(2 * (cell + 1) + 1, cell + 2, 8);
}

Bytes with32(Bytes file, std::size_t offset, std::uint32_t value) {
    put32(file, offset, value);
    return file;
}

Bytes with16(Bytes file, std::size_t offset, std::uint16_t value) {
    put16(file, offset, value);
    return file;
}

Bytes cut_at(Bytes file, std::size_t length) {
    file.resize(length);
    return file;
}

// Choices of the bitmap target: the display's layout (0: 8, 1: 15, 2: 16 bits), the split
// (0: one file), then for each file a cut (mode, width, height, cx, cy), a scroll and a frame.
Bytes bitmap_choices(std::uint8_t format, std::size_t split, Bytes first_cut, Bytes second_cut) {
    Bytes choices = {format, static_cast<std::uint8_t>(split),
                     static_cast<std::uint8_t>(split >> 8)};
    choices = concat(choices, first_cut);
    choices = concat(choices, second_cut);
    // One file leaves the second cut's bytes unused, but they are taken all the same.
    choices.resize(3 + 2 * 7, 0);
    return choices;
}

void bitmap_corpus(const fs::path& folder) {
    // Cuts: absolute 2 x 1 at (1, 1); cell 1 x 1 at cell (1, 0); absolute 3 x 2 at (0, 0).
    const Bytes inside = {ABSOLUTE_MODE, sized(2), sized(1), at(1), at(1), at(3), 0};
    const Bytes cell = {CELL_MODE, sized(1), sized(1), at(1), at(0), at(-5), 1};
    const Bytes corner = {ABSOLUTE_MODE, sized(3), sized(2), at(0), at(0), at(2), 0};
    const Bytes outside = {ABSOLUTE_MODE, sized(8), sized(8), at(-1), at(100), 0xFB, 2};
    const struct {
        const char* name;
        Bytes file;
        std::uint8_t format;
        Bytes cut;
    } valid[] = {
        {"8bit-4x2", picture(4, 2, 8), 0, inside},
        {"8bit-3x3-padded", picture(3, 3, 8), 0, corner},
        {"8bit-4x3-top-down", picture(4, 3, 8, true), 0, cell},
        {"8bit-sheet-16", sheet(16), 0, {CELL_MODE, sized(16), sized(16), at(1), at(0), at(5), 1}},
        {"16bit-2x2", picture(2, 2, 16), 0, inside},
        {"16bit-3x2-padded", picture(3, 2, 16), 0, corner},
        {"16bit-3x3-top-down", picture(3, 3, 16, true), 0, cell},
        {"24bit-4x2-565", picture(4, 2, 24), 2, inside},
        {"24bit-3x2-padded-555", picture(3, 2, 24), 1, corner},
        {"24bit-3x3-top-down", picture(3, 3, 24, true), 2, outside},
    };
    for (const auto& v : valid)
        write(folder, std::string(v.name) + ".bmp",
              concat(bitmap_choices(v.format, 0, v.cut, {}), v.file));

    // The damaged files of the reader's hostile-file tests.
    const Bytes good = picture(4, 2, 8);
    const struct {
        const char* name;
        Bytes file;
    } hostile[] = {
        {"empty", {}},
        {"two-bytes", cut_at(good, 2)},
        {"file-header-only", cut_at(good, 14)},
        {"inside-info-header", cut_at(good, 30)},
        {"headers-only", cut_at(good, 54)},
        {"inside-colour-table", cut_at(good, 54 + 512)},
        {"half-the-rows", cut_at(good, 54 + 1024 + 4)},
        {"magic-MB", with16(good, 0, 0x424D)},
        {"width-zero", with32(good, BI_WIDTH, 0)},
        {"width-negative", with32(good, BI_WIDTH, static_cast<std::uint32_t>(-4))},
        {"width-huge", with32(good, BI_WIDTH, INT_MAX)},
        {"height-most-negative", with32(good, BI_HEIGHT, 0x80000000u)},
        {"area-overflows", with32(with32(good, BI_WIDTH, 65536), BI_HEIGHT, 65536)},
        {"largest-picture-tiny-file",
         with16(with32(with32(good, BI_WIDTH, 16384), BI_HEIGHT, 16384), BI_BIT_COUNT, 24)},
        {"image-size-huge", with32(good, BI_SIZE_IMAGE, 0xFFFFFFF0u)},
        {"colour-count-huge", with32(cut_at(good, 54 + 512), BI_CLR_USED, 0xFFFFFFFFu)},
        {"colour-count-2", with32(good, BI_CLR_USED, 2)},
        {"4-bits", with16(good, BI_BIT_COUNT, 4)},
        {"32-bits", with16(good, BI_BIT_COUNT, 32)},
        {"0-bits", with16(good, BI_BIT_COUNT, 0)},
        {"RLE8", with32(good, BI_COMPRESSION, 1)},
        {"bitfields", with32(good, BI_COMPRESSION, 3)},
        {"24-bits-rows-missing",
         with16(with32(cut_at(good, 54 + 20), BI_SIZE_IMAGE, 0), BI_BIT_COUNT, 24)},
    };
    for (const auto& h : hostile)
        write(folder, std::string("hostile-") + h.name + ".bmp",
              concat(bitmap_choices(0, 0, inside, {}), h.file));

    // Two files read in turn into one record: a good one, then another or a damaged one.
    const Bytes second_files[] = {picture(3, 3, 24), with16(good, BI_BIT_COUNT, 32),
                                  cut_at(good, 54 + 1024 + 4), picture(2, 2, 16)};
    int number = 0;
    for (const Bytes& second : second_files)
        write(folder, "two-files-" + std::to_string(++number) + ".bmp",
              concat(concat(bitmap_choices(2, good.size(), inside, corner), good), second));
}

void cells_corpus(const fs::path& folder) {
    // Choices: the cell (width, height, cx, cy), the images' sizes (source width and
    // height, destination width and height), their kinds (1: 16 bits, 2: one image,
    // 4: depths differ) and the rectangle (destination x, y, source x, y, width, height).
    const Bytes cell_inside = {sized(16), sized(16), at(1), at(0)};
    const Bytes cell_outside = {sized(16), sized(16), at(2), at(0)};
    const Bytes images = {sized(6), sized(5), sized(5), sized(6)};
    const Bytes rect = {at(1), at(2), at(0), at(1), at(3), at(2)};
    const Bytes overlapping = {at(1), at(1), at(0), at(0), at(4), at(3)};
    const Bytes too_wide = {at(0), at(0), at(0), at(0), at(7), at(1)};
    const struct {
        const char* name;
        Bytes choices;
        Bytes file;
    } seeds[] = {
        {"sheet-8bit", concat(concat(concat(cell_inside, images), {0}), rect), sheet(16)},
        {"sheet-one-image", concat(concat(concat(cell_inside, images), {2}), overlapping),
         sheet(16)},
        {"sheet-cell-outside", concat(concat(concat(cell_outside, images), {0}), too_wide),
         sheet(16)},
        {"16bit", concat(concat(concat(cell_inside, images), {1}), rect), picture(8, 8, 16)},
        {"16bit-one-image", concat(concat(concat(cell_inside, images), {3}), overlapping),
         picture(8, 8, 16)},
        {"depths-differ", concat(concat(concat(cell_inside, images), {4}), rect), sheet(16)},
        {"not-a-bitmap", concat(concat(concat(cell_inside, images), {0}), rect), {'X', 'Y'}},
    };
    for (const auto& s : seeds)
        write(folder, std::string(s.name) + ".bin", concat(s.choices, s.file));
}

void palette_corpus(const fs::path& folder) {
    std::string saved;
    for (int i = 0; i < 256; ++i)
        saved += "\n" + std::to_string(i) + " " + std::to_string(255 - i) + " " +
                 std::to_string(i * 7 % 256) + " " + std::to_string(i % 5);
    std::string crlf;
    for (int i = 0; i < 256; ++i)
        crlf += std::to_string(i) + " 0 0 0\r\n";
    const struct {
        const char* name;
        std::string text;
    } seeds[] = {
        {"saved", saved},
        {"crlf", crlf},
        {"empty", ""},
        {"short", "1 2 3 4\n5 6 7"},
        {"out-of-range", "256 -1 300 -300 99999999999999999999 -2147483649 +7 0"},
        {"letter", "1 2 3 4\n40 4x 42 43\n5 5 5 5"},
        {"hexadecimal-and-point", "0x10 1.5 7 7"},
        {"sign-alone", "4 + 5 6"},
        {"nul-byte", std::string("1 2\0 3 4", 8)},
        {"long-line", std::string(600, ' ') + "1 2 3 4 5 6 7 8 9 10 11 12"},
        {"blank-lines", "\n\n\t \r\n 9\n\n 8 7 6"},
    };
    for (const auto& s : seeds)
        write_text(folder, std::string(s.name) + ".pal", s.text);
}

void wave_corpus(const fs::path& folder) {
    Bytes samples(64);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::uint8_t>(i * 37);
    const int shapes[][2] = {{1, 8}, {2, 8}, {1, 16}, {2, 16}};
    for (const auto& shape : shapes) {
        const Bytes file = wave_encode(shape[0], shape[1], 22050, samples.data(), 64);
        const std::string name = std::to_string(shape[0]) + "x" + std::to_string(shape[1]);
        write(folder, name + ".wav", file);
        write(folder, name + "-cut.wav", Bytes(file.begin(), file.begin() + 50));
    }
    Bytes listed = wave_encode(2, 16, 8000, samples.data(), 64);
    const Bytes list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    listed.insert(listed.begin() + 12, list.begin(), list.end());
    listed[4] = static_cast<std::uint8_t>(listed.size() - 8);
    write(folder, "list-chunk.wav", listed);
}

void pixel_grid_corpus(const fs::path& folder, const fs::path& sources) {
    for (const char* name : {"block.grid", "icons.grid", "player.grid"})
        fs::copy_file(sources / name, folder / name, fs::copy_options::overwrite_existing);
    const struct {
        const char* name;
        std::string text;
    } seeds[] = {
        {"two-grids", "# two small grids\ncolour . 253\ncolour K grey 0\ncolour o gold 3\n"
                      "grid a 3 2\n.K.\nKoK\n\ngrid b 2 2\noo\r\n..\n"},
        {"row-too-short", "colour . 0\ngrid a 3 2\n...\n..\n"},
        {"no-colour", "colour . 0\ngrid a 2 1\n.x\n"},
        {"too-few-rows", "colour . 0\ngrid a 2 3\n..\n"},
        {"twice", "colour . 0\ngrid a 1 1\n.\ngrid a 1 1\n.\n"},
        {"size-out-of-range", "colour . 0\ngrid a 1025 1\n"},
        {"unknown-word", "color . 0\n"},
        {"bad-ramp", "colour . nothing 3\ncolour , grey 99\ncolour ; 256\n"},
    };
    for (const auto& s : seeds)
        write_text(folder, std::string(s.name) + ".grid", s.text);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_make_corpus <corpus folder> <artwork sources folder>\n");
        return 2;
    }
    const fs::path corpus = argv[1];
    bitmap_corpus(corpus / "bitmap");
    cells_corpus(corpus / "cells");
    palette_corpus(corpus / "palette");
    wave_corpus(corpus / "wave");
    fs::create_directories(corpus / "pixel_grid");
    pixel_grid_corpus(corpus / "pixel_grid", argv[2]);
    return 0;
}
