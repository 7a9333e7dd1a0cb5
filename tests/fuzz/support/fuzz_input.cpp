// Choices, in-memory files and checks for the fuzz targets.
#include "fuzz_input.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr int FILE_SLOTS = 2;

struct MemoryFile {
    int descriptor = -1;
    char name[64] = {};
};

MemoryFile Files[FILE_SLOTS];

// A memory file per slot, made once: no disk, and nothing shared with other processes.
MemoryFile& file_in(int slot) {
    fuzz_require(slot >= 0 && slot < FILE_SLOTS, "a file slot that exists");
    MemoryFile& file = Files[slot];
    if (file.descriptor < 0) {
        file.descriptor = memfd_create("brambleleap-fuzz", 0);
        fuzz_require(file.descriptor >= 0, "an in-memory file");
        std::snprintf(file.name, sizeof file.name, "/proc/self/fd/%d", file.descriptor);
    }
    return file;
}

} // namespace

Choices take_choices(const std::uint8_t* data, std::size_t size, std::size_t count,
                     const std::uint8_t** rest, std::size_t* rest_size) {
    const std::size_t taken = size < count ? size : count;
    *rest = data + taken;
    *rest_size = size - taken;
    return Choices{data, taken, 0};
}

std::uint8_t choose_byte(Choices& choices) {
    return choices.used < choices.size ? choices.data[choices.used++] : 0;
}

std::int32_t choose_coordinate(Choices& choices) {
    const std::uint8_t byte = choose_byte(choices);
    if (byte < 0xF8) return static_cast<std::int32_t>(byte >> 1) - 8;
    static const std::int32_t EDGES[8] = {0,       -1,      INT_MIN,   INT_MAX, INT_MAX / 2 + 1,
                                          1 << 16, 1 << 30, -(1 << 30)};
    return EDGES[byte - 0xF8];
}

std::int32_t choose_size(Choices& choices, std::int32_t largest) {
    const std::uint8_t byte = choose_byte(choices);
    if (byte == 0xFF) return 0;
    if (byte == 0xFE) return -1;
    return 1 + byte % largest;
}

const char* fuzz_file(const std::uint8_t* data, std::size_t size, int slot) {
    MemoryFile& file = file_in(slot);
    fuzz_require(ftruncate(file.descriptor, 0) == 0, "the memory file emptied");
    std::size_t written = 0;
    while (written < size) {
        const ssize_t now =
            pwrite(file.descriptor, data + written, size - written, static_cast<off_t>(written));
        fuzz_require(now > 0, "the memory file written");
        written += static_cast<std::size_t>(now);
    }
    return file.name;
}

void fuzz_require(bool holds, const char* promise) {
    if (holds) return;
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}
