// Reading and writing whole files through the standard library's streams.
#include "formats/file_bytes.h"

#include <cstdio>

bool read_file_bytes(const char* path, std::size_t max_bytes, std::vector<std::uint8_t>* data) {
    if (path == nullptr || data == nullptr) return false;
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return false;
    data->clear();
    std::uint8_t chunk[4096];
    std::size_t got;
    bool ok = true;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        if (got > max_bytes - data->size()) {
            ok = false;
            break;
        }
        data->insert(data->end(), chunk, chunk + got);
    }
    if (std::ferror(file)) ok = false;
    std::fclose(file);
    return ok;
}

bool write_file_bytes(const char* path, const std::vector<std::uint8_t>& data) {
    if (path == nullptr) return false;
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(data.data(), 1, data.size(), file) == data.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}
