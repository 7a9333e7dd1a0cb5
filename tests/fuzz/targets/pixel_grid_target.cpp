// Fuzz target: the artwork tool's pixel-grid parser. Any text is either refused with an
// error that names its line, or parsed into grids of their declared sizes with unique
// names; parsed grids written out again as grid text (with a legend of their own) parse
// to the same pictures.
//
// Input: the grid text.
#include "fuzz_input.h"

#include "art/tool/pixel_grid.h"

#include <set>
#include <string>
#include <string_view>

namespace {

constexpr int MAX_SIDE = 1024;

// Legend characters for written grids: printable, no blank, and never the start of a
// comment. Pictures with more colours than these are not written back.
const std::string_view LEGEND_CHARACTERS =
    "!\"$%&'()*+,-./"
    "0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~";

bool write_grids(const PixelGrids& grids, std::string& text) {
    int character_of[256];
    for (int& c : character_of)
        c = -1;
    std::size_t used = 0;
    for (const NamedGrid& grid : grids.grids) {
        for (std::uint8_t colour : grid.canvas.pixels) {
            if (character_of[colour] >= 0) continue;
            if (used == LEGEND_CHARACTERS.size()) return false;
            character_of[colour] = static_cast<unsigned char>(LEGEND_CHARACTERS[used++]);
            text += "colour ";
            text += static_cast<char>(character_of[colour]);
            text += " " + std::to_string(colour) + "\n";
        }
    }
    for (const NamedGrid& grid : grids.grids) {
        text += "grid " + grid.name + " " + std::to_string(grid.canvas.width) + " " +
                std::to_string(grid.canvas.height) + "\n";
        for (int y = 0; y < grid.canvas.height; ++y) {
            for (int x = 0; x < grid.canvas.width; ++x)
                text += static_cast<char>(character_of[canvas_get(grid.canvas, x, y)]);
            text += "\n";
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    PixelGrids grids;
    std::string error;
    if (!parse_pixel_grids(text, grids, error)) {
        fuzz_require(error.rfind("line ", 0) == 0, "a refusal names its line");
        return 0;
    }
    std::set<std::string> names;
    for (const NamedGrid& grid : grids.grids) {
        const Canvas& canvas = grid.canvas;
        fuzz_require(canvas.width > 0 && canvas.width <= MAX_SIDE && canvas.height > 0 &&
                         canvas.height <= MAX_SIDE,
                     "a grid's size is in range");
        fuzz_require(canvas.pixels.size() == static_cast<std::size_t>(canvas.width) * canvas.height,
                     "a grid holds its declared number of pixels");
        fuzz_require(!grid.name.empty() && names.insert(grid.name).second, "grid names are unique");
        fuzz_require(find_grid(grids, grid.name) == &canvas, "a grid is found by its name");
    }
    std::string written;
    if (!write_grids(grids, written)) return 0;
    PixelGrids again;
    fuzz_require(parse_pixel_grids(written, again, error), "written grids parse");
    fuzz_require(again.grids.size() == grids.grids.size(), "written grids parse to as many");
    for (std::size_t i = 0; i < grids.grids.size(); ++i) {
        fuzz_require(again.grids[i].name == grids.grids[i].name &&
                         again.grids[i].canvas.width == grids.grids[i].canvas.width &&
                         again.grids[i].canvas.pixels == grids.grids[i].canvas.pixels,
                     "written grids parse to the same pictures");
    }
    return 0;
}
