// Reading one artwork file at start, and ending the program cleanly when it is unusable.
#include "game/artwork_failure.h"

#include "game/setup.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

static constexpr std::int32_t ARTWORK_BPP = 8;

[[noreturn]] static void stop_for_artwork(BitmapFile* bitmap, const char* name,
                                          const char* problem) {
    std::error_code error;
    std::string folder = std::filesystem::current_path(error).string();
    if (error) folder = "(the working folder cannot be named)";
    std::fprintf(stderr, "Brambleleap 2005: the artwork file \"%s\" %s in the folder \"%s\".\n",
                 name, problem, folder.c_str());
    std::fflush(stderr);
    // The shell does not look at set-up's result, so the clean end has to happen here.
    release_bitmap_file(bitmap);
    game_tear_down();
    std::exit(ARTWORK_EXIT_CODE);
}

void load_artwork_file(BitmapFile* bitmap, const char* name, std::int32_t min_width,
                       std::int32_t min_height) {
    if (!read_bitmap_file(bitmap, name))
        stop_for_artwork(bitmap, name, "is missing or cannot be read");
    const BITMAPINFOHEADER& info = bitmap->info_header;
    // Files stored top row first carry a negative height.
    const long long height = info.biHeight < 0 ? -static_cast<long long>(info.biHeight)
                                               : static_cast<long long>(info.biHeight);
    if (bitmap->pixels == nullptr || info.biBitCount != ARTWORK_BPP || info.biWidth < min_width ||
        height < min_height) {
        char problem[120];
        std::snprintf(problem, sizeof problem, "is not an 8-bit picture of at least %d x %d pixels",
                      min_width, min_height);
        stop_for_artwork(bitmap, name, problem);
    }
}
