// Byte-level construction of bitmap files for the reader's tests.
#include "bmp_builder.h"

#include "support/temp_folder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

Bytes stored_rows(const std::vector<Bytes>& top_first_rows) {
    Bytes data;
    for (auto row = top_first_rows.rbegin(); row != top_first_rows.rend(); ++row) {
        data.insert(data.end(), row->begin(), row->end());
        data.resize((data.size() + 3) / 4 * 4, 0);
    }
    return data;
}

void put16(Bytes& bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

void put32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
    put16(bytes, offset, static_cast<std::uint16_t>(value));
    put16(bytes, offset + 2, static_cast<std::uint16_t>(value >> 16));
}

Bytes bmp_file(std::int32_t width, std::int32_t height, std::uint16_t bits, const Bytes& data) {
    const std::size_t table = bits == 8 ? 1024 : 0;
    Bytes bytes(54 + table, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(bytes, BF_SIZE, static_cast<std::uint32_t>(54 + table + data.size()));
    put32(bytes, BF_OFF_BITS, static_cast<std::uint32_t>(54 + table));
    put32(bytes, BI_SIZE, 40);
    put32(bytes, BI_WIDTH, static_cast<std::uint32_t>(width));
    put32(bytes, BI_HEIGHT, static_cast<std::uint32_t>(height));
    put16(bytes, 26, 1);
    put16(bytes, BI_BIT_COUNT, bits);
    put32(bytes, BI_SIZE_IMAGE, static_cast<std::uint32_t>(data.size()));
    for (std::size_t i = 0; i < table / 4; ++i) {
        bytes[54 + i * 4] = static_cast<std::uint8_t>(i);
        bytes[54 + i * 4 + 1] = static_cast<std::uint8_t>(255 - i);
        bytes[54 + i * 4 + 2] = static_cast<std::uint8_t>(i / 2);
    }
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

std::string test_folder() {
    static const std::string path = make_temp_folder("brambleleap_image").string();
    return path;
}

std::string write_file(const std::string& name, const Bytes& bytes) {
    const std::string path = test_folder() + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return path;
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return path;
}
