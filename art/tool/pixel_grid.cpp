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

} // namespace

bool parse_pixel_grids(std::string_view text, PixelGrids& out, std::string& error) {
    std::array<int, 256> legend;
    legend.fill(-1);
    out.grids.clear();
    NamedGrid* open_grid = nullptr;
    int rows_read = 0;
    int line_number = 0;
    auto fail = [&](const std::string& why) {
        error = "line " + std::to_string(line_number) + ": " + why;
        return false;
    };
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = strip_line_end(text.substr(pos, end - pos));
        pos = end + 1;
        ++line_number;

        if (open_grid && rows_read < open_grid->canvas.height) {
            if (static_cast<int>(line.size()) != open_grid->canvas.width)
                return fail("row of grid '" + open_grid->name + "' is " +
                            std::to_string(line.size()) + " characters, not " +
                            std::to_string(open_grid->canvas.width));
            for (int x = 0; x < open_grid->canvas.width; ++x) {
                const int colour = legend[static_cast<unsigned char>(line[x])];
                if (colour < 0)
                    return fail(std::string("character '") + line[x] + "' has no colour");
                canvas_put(open_grid->canvas, x, rows_read, static_cast<std::uint8_t>(colour));
            }
            ++rows_read;
            continue;
        }
        if (line.empty() || line.front() == '#') continue;
        const std::vector<std::string_view> words = split_words(line);
        if (words[0] == "colour") {
            if (words.size() < 3 || words[1].size() != 1)
                return fail("colour needs a character and a colour");
            int index = -1;
            if (words.size() == 3) {
                if (!parse_int(words[2], index) || index < 0 || index > 255)
                    return fail("palette index must be 0 to 255");
            } else if (words.size() == 4) {
                const ColourRamp* ramp = find_ramp(words[2]);
                int step = 0;
                if (!ramp) return fail("no colour ramp named '" + std::string(words[2]) + "'");
                if (!parse_int(words[3], step) || step < 0 || step >= ramp->count)
                    return fail("ramp step out of range");
                index = ramp->first + step;
            } else {
                return fail("colour takes a character and an index or a ramp and a step");
            }
            legend[static_cast<unsigned char>(words[1][0])] = index;
        } else if (words[0] == "grid") {
            int w = 0, h = 0;
            if (words.size() != 4 || !parse_int(words[2], w) || !parse_int(words[3], h))
                return fail("grid needs a name, a width and a height");
            if (w <= 0 || h <= 0 || w > MAX_GRID_SIDE || h > MAX_GRID_SIDE)
                return fail("grid size out of range");
            if (find_grid(out, words[1]))
                return fail("grid '" + std::string(words[1]) + "' defined twice");
            out.grids.push_back(NamedGrid{std::string(words[1]), canvas_make(w, h, 0)});
            open_grid = &out.grids.back();
            rows_read = 0;
        } else {
            return fail("unknown word '" + std::string(words[0]) + "'");
        }
    }
    if (open_grid && rows_read < open_grid->canvas.height)
        return fail("grid '" + open_grid->name + "' ends after " + std::to_string(rows_read) +
                    " of " + std::to_string(open_grid->canvas.height) + " rows");
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
