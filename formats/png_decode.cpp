// Reading PNG files through stb_image. It hands back colours only, so a palettised file is
// decoded from a copy whose colour table says, in its red bytes, which entry each pixel
// takes: the indices come out exactly, and the real table and its opacities are read here.
#include "formats/png_decode.h"

#include "formats/png_encode.h"

#include <cstring>

#define STBI_NO_STDIO
#include <stb_image.h>

namespace {

constexpr std::uint8_t SIGNATURE[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t IHDR_END = 8 + 8 + 13;
constexpr std::uint8_t PALETTE_TYPE = 3;

std::uint32_t get32be(const std::uint8_t* at) {
    return (static_cast<std::uint32_t>(at[0]) << 24) | (static_cast<std::uint32_t>(at[1]) << 16) |
           (static_cast<std::uint32_t>(at[2]) << 8) | at[3];
}

void put32be(std::uint8_t* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

struct Chunk {
    std::size_t start; // its length field
    std::uint32_t length;
    const std::uint8_t* type;
    const std::uint8_t* data;
};

// The chunk at `at`, or false when it does not lie wholly inside the file.
bool chunk_at(const std::uint8_t* data, std::size_t size, std::size_t at, Chunk* chunk) {
    if (at > size || size - at < 12) return false;
    chunk->start = at;
    chunk->length = get32be(data + at);
    chunk->type = data + at + 4;
    chunk->data = data + at + 8;
    return chunk->length <= size - at - 12;
}

void append(std::vector<std::uint8_t>& out, const std::uint8_t* from, std::size_t bytes) {
    out.insert(out.end(), from, from + bytes);
}

// The file again with a table of 256 entries whose red byte is the entry's own number, and
// its opacities hidden (renamed to a chunk the decoder skips) so that they cannot blend in.
// The real table and opacities go into the picture.
bool rewrite_palette(const std::uint8_t* data, std::size_t size, PngPicture* picture,
                     std::vector<std::uint8_t>* copy) {
    append(*copy, data, 8);
    Chunk chunk{};
    for (std::size_t at = 8; chunk_at(data, size, at, &chunk); at += 12 + chunk.length) {
        const std::size_t whole = 12 + static_cast<std::size_t>(chunk.length);
        if (std::memcmp(chunk.type, "PLTE", 4) == 0) {
            if (chunk.length % 3 != 0 || chunk.length == 0 || chunk.length > 768) return false;
            picture->colour_count = static_cast<std::int32_t>(chunk.length / 3);
            for (std::int32_t i = 0; i < picture->colour_count; ++i)
                picture->colours[i] = {chunk.data[3 * i], chunk.data[3 * i + 1],
                                       chunk.data[3 * i + 2], 0};
            std::uint8_t table[12 + 768] = {};
            put32be(table, 768);
            std::memcpy(table + 4, "PLTE", 4);
            for (int i = 0; i < 256; ++i)
                table[8 + 3 * i] = static_cast<std::uint8_t>(i);
            append(*copy, table, sizeof table);
            continue;
        }
        if (std::memcmp(chunk.type, "tRNS", 4) == 0)
            for (std::uint32_t i = 0; i < chunk.length && i < 256; ++i)
                picture->alpha[i] = chunk.data[i];
        append(*copy, data + chunk.start, whole);
        if (std::memcmp(chunk.type, "tRNS", 4) == 0)
            std::memcpy(copy->data() + copy->size() - whole + 4, "tRNx", 4);
        if (std::memcmp(chunk.type, "IEND", 4) == 0) break;
    }
    return picture->colour_count > 0;
}

const char* decode_indexed(const std::uint8_t* data, std::size_t size, PngPicture* picture) {
    std::vector<std::uint8_t> copy;
    if (!rewrite_palette(data, size, picture, &copy)) return "its colour table is damaged";
    int width = 0, height = 0, channels = 0;
    unsigned char* rgb = stbi_load_from_memory(copy.data(), static_cast<int>(copy.size()), &width,
                                               &height, &channels, 3);
    if (rgb == nullptr) return stbi_failure_reason();
    const auto count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    picture->indices.resize(count);
    bool inside = true;
    for (std::size_t i = 0; i < count; ++i) {
        picture->indices[i] = rgb[3 * i];
        inside = inside && rgb[3 * i] < picture->colour_count;
    }
    stbi_image_free(rgb);
    picture->width = width;
    picture->height = height;
    return inside ? nullptr : "a pixel names a colour its table lacks";
}

const char* decode_colours(const std::uint8_t* data, std::size_t size, PngPicture* picture) {
    int width = 0, height = 0, channels = 0;
    unsigned char* rgba =
        stbi_load_from_memory(data, static_cast<int>(size), &width, &height, &channels, 4);
    if (rgba == nullptr) return stbi_failure_reason();
    picture->rgba.assign(rgba, rgba + static_cast<std::size_t>(width) * height * 4);
    stbi_image_free(rgba);
    picture->width = width;
    picture->height = height;
    return nullptr;
}

} // namespace

bool png_signature(const std::uint8_t* data, std::size_t size) {
    return data != nullptr && size >= sizeof SIGNATURE &&
           std::memcmp(data, SIGNATURE, sizeof SIGNATURE) == 0;
}

const char* png_decode(const std::uint8_t* data, std::size_t size, PngPicture* picture) {
    if (picture == nullptr || !png_signature(data, size)) return "it is not a PNG file";
    if (size < IHDR_END || std::memcmp(data + 12, "IHDR", 4) != 0 || size > 0x7FFFFFFF)
        return "its header is missing or damaged";
    const std::uint32_t width = get32be(data + 16);
    const std::uint32_t height = get32be(data + 20);
    if (width == 0 || height == 0 || width > PNG_MAX_SIDE || height > PNG_MAX_SIDE)
        return "its size is 0 or above 4096 pixels a side";
    PngPicture decoded{};
    std::memset(decoded.alpha, 255, sizeof decoded.alpha);
    decoded.indexed = data[25] == PALETTE_TYPE;
    const char* why = decoded.indexed ? decode_indexed(data, size, &decoded)
                                      : decode_colours(data, size, &decoded);
    if (why != nullptr) return why;
    *picture = std::move(decoded);
    return nullptr;
}
