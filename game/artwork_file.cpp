// Reading one artwork file at start, and the line that says which file stopped the start.
#include "game/artwork_file.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

constexpr std::int32_t ARTWORK_BPP = 8;

std::string ArtworkFailureLine;

std::int32_t refuse_artwork(BitmapFile* bitmap, const char* name, const char* problem) {
    release_bitmap_file(bitmap);
    std::error_code error;
    std::string folder = std::filesystem::current_path(error).string();
    if (error) folder = "(the working folder cannot be named)";
    ArtworkFailureLine = std::string("Brambleleap 2005: the artwork file \"") + name + "\" " +
                         problem + " in the folder \"" + folder + "\".\n";
    return ARTWORK_UNUSABLE;
}

} // namespace

std::int32_t load_artwork_file(BitmapFile* bitmap, const char* name, std::int32_t min_width,
                               std::int32_t min_height) {
    if (!read_bitmap_file(bitmap, name))
        return refuse_artwork(bitmap, name, "is missing or cannot be read");
    const BITMAPINFOHEADER& info = bitmap->info_header;
    // Files stored top row first carry a negative height.
    const long long height = info.biHeight < 0 ? -static_cast<long long>(info.biHeight)
                                               : static_cast<long long>(info.biHeight);
    if (bitmap->pixels == nullptr || info.biBitCount != ARTWORK_BPP || info.biWidth < min_width ||
        height < min_height) {
        char problem[120];
        std::snprintf(problem, sizeof problem, "is not an 8-bit picture of at least %d x %d pixels",
                      min_width, min_height);
        return refuse_artwork(bitmap, name, problem);
    }
    return 1;
}

const char* artwork_failure_line() {
    return ArtworkFailureLine.c_str();
}
