// A PNG of one palettised picture: the rows are deflated with the fixed codes and runs of a
// repeated byte only, which is small and plenty for icons made of flat colour.
#include "formats/png_encode.h"

#include <array>
#include <cstddef>

namespace {

using Bytes = std::vector<std::uint8_t>;

void put_u32_be(Bytes& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::uint32_t crc32(const std::uint8_t* data, std::size_t size) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

std::uint32_t adler32(const Bytes& data) {
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void put_chunk(Bytes& out, const char* type, const Bytes& data) {
    put_u32_be(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    put_u32_be(out, crc32(out.data() + start, out.size() - start));
}

// Deflate's bits go least significant first; its Huffman codes most significant first.
struct BitWriter {
    Bytes bytes;
    std::uint32_t pending = 0;
    int count = 0;
};

void put_bits(BitWriter& w, std::uint32_t value, int bits) {
    for (int i = 0; i < bits; ++i) {
        w.pending |= ((value >> i) & 1u) << w.count;
        if (++w.count == 8) {
            w.bytes.push_back(static_cast<std::uint8_t>(w.pending));
            w.pending = 0;
            w.count = 0;
        }
    }
}

void put_code(BitWriter& w, std::uint32_t code, int bits) {
    for (int i = bits - 1; i >= 0; --i)
        put_bits(w, (code >> i) & 1u, 1);
}

// The fixed literal and length alphabet.
void put_symbol(BitWriter& w, int symbol) {
    if (symbol < 144)
        put_code(w, 0x30 + symbol, 8);
    else if (symbol < 256)
        put_code(w, 0x190 + (symbol - 144), 9);
    else if (symbol < 280)
        put_code(w, symbol - 256, 7);
    else
        put_code(w, 0xC0 + (symbol - 280), 8);
}

// A copy of the byte before, `length` (3 to 258) times: distance 1 is distance code 0.
void put_run(BitWriter& w, int length) {
    static constexpr int BASE[29] = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                     15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                     67, 83, 99, 115, 131, 163, 195, 227, 258};
    static constexpr int EXTRA[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                      2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    int code = 28;
    while (BASE[code] > length)
        --code;
    put_symbol(w, 257 + code);
    put_bits(w, static_cast<std::uint32_t>(length - BASE[code]), EXTRA[code]);
    put_code(w, 0, 5);
}

Bytes zlib_compress(const Bytes& data) {
    BitWriter w;
    w.bytes = {0x78, 0x01};
    put_bits(w, 1, 1); // the last block
    put_bits(w, 1, 2); // with the fixed codes
    std::size_t i = 0;
    while (i < data.size()) {
        put_symbol(w, data[i]);
        std::size_t run = 0;
        while (run < 258 && i + 1 + run < data.size() && data[i + 1 + run] == data[i])
            ++run;
        if (run >= 3)
            put_run(w, static_cast<int>(run));
        else
            run = 0;
        i += 1 + run;
    }
    put_symbol(w, 256);
    if (w.count > 0) put_bits(w, 0, 8 - w.count);
    put_u32_be(w.bytes, adler32(data));
    return w.bytes;
}

} // namespace

std::vector<std::uint8_t> png_file_encode(std::int32_t width, std::int32_t height,
                                          const std::uint8_t* indices, const PaletteEntry* colours,
                                          std::int32_t transparent) {
    if (indices == nullptr || colours == nullptr || width < 1 || height < 1 ||
        width > PNG_MAX_SIDE || height > PNG_MAX_SIDE)
        return {};
    const std::size_t row = static_cast<std::size_t>(width);
    // Each row is kept as its difference from the row above (filter 2), so the repeated rows
    // of a scaled-up picture become runs of zeros.
    Bytes filtered;
    filtered.reserve((row + 1) * static_cast<std::size_t>(height));
    for (std::size_t y = 0; y < static_cast<std::size_t>(height); ++y) {
        filtered.push_back(2);
        for (std::size_t x = 0; x < row; ++x) {
            const std::uint8_t above = y > 0 ? indices[(y - 1) * row + x] : 0;
            filtered.push_back(static_cast<std::uint8_t>(indices[y * row + x] - above));
        }
    }

    Bytes header;
    put_u32_be(header, static_cast<std::uint32_t>(width));
    put_u32_be(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 3, 0, 0, 0}); // 8-bit indices, no interlacing
    Bytes palette;
    for (int i = 0; i < 256; ++i)
        palette.insert(palette.end(), {colours[i].red, colours[i].green, colours[i].blue});

    Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    put_chunk(out, "IHDR", header);
    put_chunk(out, "PLTE", palette);
    if (transparent >= 0 && transparent <= 255) {
        // Opacity by index, up to the clear one; the indices after it are opaque.
        Bytes alpha(static_cast<std::size_t>(transparent) + 1, 255);
        alpha.back() = 0;
        put_chunk(out, "tRNS", alpha);
    }
    put_chunk(out, "IDAT", zlib_compress(filtered));
    put_chunk(out, "IEND", {});
    return out;
}
