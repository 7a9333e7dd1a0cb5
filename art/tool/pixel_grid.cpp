#include "art/tool/pixel_grid.h"

#include "art/tool/palette_design.h"

#include <array>
#include <charconv>
#include <fstream>
#include <sstream>

namespace {

std::vector<std::string_view> split_words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

bool parse_int(std::string_view word, int& value) {
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, value);
    return ec == std::errc() && ptr == end;
}

std::string_view strip_line_end(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    return line;
}

// Largest picture a grid may declare; far beyond any sprite, small enough to stay sane.
constexpr int MAX_GRID_SIDE = 1024;

// Where a parse stands: the legend so far, and the grid whose rows are still being read.
struct GridReader {
    PixelGrids& out;
    std::string& error;
    std::array<int, 256> legend;
    NamedGrid* open_grid = nullptr;
    int rows_read = 0;
    int line_number = 0;
};

bool fail(GridReader& r, const std::string& why) {
    r.error = "line " + std::to_string(r.line_number) + ": " + why;
    return false;
}

bool wants_rows(const GridReader& r) {
    return r.open_grid && r.rows_read < r.open_grid->canvas.height;
}

bool read_grid_row(GridReader& r, std::string_view line) {
    NamedGrid& grid = *r.open_grid;
    if (static_cast<int>(line.size()) != grid.canvas.width)
        return fail(r, "row of grid '" + grid.name + "' is " + std::to_string(line.size()) +
                           " characters, not " + std::to_string(grid.canvas.width));
    for (int x = 0; x < grid.canvas.width; ++x) {
        const int colour = r.legend[static_cast<unsigned char>(line[x])];
        if (colour < 0) return fail(r, std::string("character '") + line[x] + "' has no colour");
        canvas_put(grid.canvas, x, r.rows_read, static_cast<std::uint8_t>(colour));
    }
    ++r.rows_read;
    return true;
}

// The palette index of `colour c INDEX` or of `colour c RAMP STEP`.
bool legend_index(GridReader& r, const std::vector<std::string_view>& words, int& index) {
    if (words.size() == 3) {
        if (!parse_int(words[2], index) || index < 0 || index > 255)
            return fail(r, "palette index must be 0 to 255");
        return true;
    }
    if (words.size() != 4)
        return fail(r, "colour takes a character and an index or a ramp and a step");
    const ColourRamp* ramp = find_ramp(words[2]);
    int step = 0;
    if (!ramp) return fail(r, "no colour ramp named '" + std::string(words[2]) + "'");
    if (!parse_int(words[3], step) || step < 0 || step >= ramp->count)
        return fail(r, "ramp step out of range");
    index = ramp->first + step;
    return true;
}

bool read_colour(GridReader& r, const std::vector<std::string_view>& words) {
    if (words.size() < 3 || words[1].size() != 1)
        return fail(r, "colour needs a character and a colour");
    int index = -1;
    if (!legend_index(r, words, index)) return false;
    r.legend[static_cast<unsigned char>(words[1][0])] = index;
    return true;
}

bool read_grid_start(GridReader& r, const std::vector<std::string_view>& words) {
    int w = 0, h = 0;
    if (words.size() != 4 || !parse_int(words[2], w) || !parse_int(words[3], h))
        return fail(r, "grid needs a name, a width and a height");
    if (w <= 0 || h <= 0 || w > MAX_GRID_SIDE || h > MAX_GRID_SIDE)
        return fail(r, "grid size out of range");
    if (find_grid(r.out, words[1]))
        return fail(r, "grid '" + std::string(words[1]) + "' defined twice");
    r.out.grids.push_back(NamedGrid{std::string(words[1]), canvas_make(w, h, 0)});
    r.open_grid = &r.out.grids.back();
    r.rows_read = 0;
    return true;
}

bool read_line(GridReader& r, std::string_view line) {
    if (wants_rows(r)) return read_grid_row(r, line);
    if (line.empty() || line.front() == '#') return true;
    const std::vector<std::string_view> words = split_words(line);
    if (words[0] == "colour") return read_colour(r, words);
    if (words[0] == "grid") return read_grid_start(r, words);
    return fail(r, "unknown word '" + std::string(words[0]) + "'");
}

} // namespace

bool parse_pixel_grids(std::string_view text, PixelGrids& out, std::string& error) {
    GridReader r{out, error, {}};
    r.legend.fill(-1);
    out.grids.clear();
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = strip_line_end(text.substr(pos, end - pos));
        pos = end + 1;
        ++r.line_number;
        if (!read_line(r, line)) return false;
    }
    if (wants_rows(r))
        return fail(r, "grid '" + r.open_grid->name + "' ends after " +
                           std::to_string(r.rows_read) + " of " +
                           std::to_string(r.open_grid->canvas.height) + " rows");
    return true;
}

bool load_pixel_grids(const std::string& path, PixelGrids& out, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot open " + path;
        return false;
    }
    std::stringstream content;
    content << file.rdbuf();
    if (!parse_pixel_grids(content.str(), out, error)) {
        error = path + ", " + error;
        return false;
    }
    return true;
}

const Canvas* find_grid(const PixelGrids& grids, std::string_view name) {
    for (const NamedGrid& g : grids.grids)
        if (g.name == name) return &g.canvas;
    return nullptr;
}
