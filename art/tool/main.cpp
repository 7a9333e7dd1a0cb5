// Renders the game's artwork from the sources in art/ into the folder the game runs in.
//
//   arttool <sources folder> <output folder> <regular font> <bold font>
//   arttool --icon <sources folder> <size> <output PNG file>

#include "art/tool/bitmap_writer.h"
#include "art/tool/icon_art.h"
#include "art/tool/info_art.h"
#include "art/tool/level_art.h"
#include "art/tool/menu_art.h"
#include "art/tool/palette_design.h"
#include "art/tool/palette_text_writer.h"
#include "art/tool/sound_design.h"
#include "art/tool/sprite_sheets.h"
#include "formats/bmp_headers.h"
#include "formats/file_bytes.h"
#include "formats/icon_encode.h"
#include "formats/png_encode.h"
#include "formats/wave_format.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool load_all_grids(const std::string& folder, PixelGrids& grids, std::string& error) {
    for (const char* name : {"player.grid", "block.grid", "icons.grid"}) {
        PixelGrids part;
        if (!load_pixel_grids(folder + "/" + name, part, error)) return false;
        for (NamedGrid& g : part.grids) {
            if (find_grid(grids, g.name)) {
                error = "grid '" + g.name + "' defined in two files";
                return false;
            }
            grids.grids.push_back(std::move(g));
        }
    }
    return true;
}

struct Output {
    std::string folder;
    GamePalette palette;
    bool ok = true;
};

void save(Output& out, const char* name, const Canvas& canvas) {
    if (!out.ok) return;
    if (!write_bitmap_file(out.folder + "/" + name, canvas, out.palette)) {
        std::fprintf(stderr, "arttool: cannot write %s/%s\n", out.folder.c_str(), name);
        out.ok = false;
    }
}

// The icon and cursor once more, as the files a Windows resource compiler takes.
void save_resource(Output& out, const char* name, const Canvas* pictures, int count, bool cursor) {
    if (!out.ok) return;
    IconImage images[2] = {};
    for (int i = 0; i < count; ++i)
        images[i] = {pictures[i].width, pictures[i].height, pictures[i].pixels.data(), 0, 0};
    const std::vector<std::uint8_t> bytes =
        cursor ? cursor_file_encode(images, count, out.palette.data(), COLOUR_TRANSPARENT)
               : icon_file_encode(images, count, out.palette.data(), COLOUR_TRANSPARENT);
    if (bytes.empty() || !write_file_bytes((out.folder + "/" + name).c_str(), bytes)) {
        std::fprintf(stderr, "arttool: cannot write %s/%s\n", out.folder.c_str(), name);
        out.ok = false;
    }
}

// The icon once more for the browser build's app manifest, as icon-<size>.png.
void save_web_icon(Output& out, const PixelGrids& grids, int size, std::string& error) {
    const std::string name = "icon-" + std::to_string(size) + ".png";
    Canvas icon;
    if (!out.ok || !build_icon_sized(grids, size, icon, error)) return;
    const std::vector<std::uint8_t> bytes = png_file_encode(
        icon.width, icon.height, icon.pixels.data(), out.palette.data(), COLOUR_TRANSPARENT);
    if (bytes.empty() || !write_file_bytes((out.folder + "/" + name).c_str(), bytes)) {
        std::fprintf(stderr, "arttool: cannot write %s/%s\n", out.folder.c_str(), name.c_str());
        out.ok = false;
    }
}

// The sounds beside the pictures, as 16-bit mono WAVE files.
void save_sounds(Output& out) {
    for (const GameSound& sound : design_game_sounds()) {
        if (!out.ok) return;
        std::vector<std::uint8_t> le(sound.samples.size() * 2);
        for (std::size_t i = 0; i < sound.samples.size(); ++i)
            bmp_put16(&le[2 * i], static_cast<std::uint16_t>(sound.samples[i]));
        const std::vector<std::uint8_t> file =
            wave_encode(1, 16, SOUND_RATE, le.data(), static_cast<std::uint32_t>(le.size()));
        const std::string path = out.folder + "/" + sound.file;
        if (file.empty() || !write_file_bytes(path.c_str(), file)) {
            std::fprintf(stderr, "arttool: cannot write %s\n", path.c_str());
            out.ok = false;
        }
    }
}

bool render_everything(Output& out, Fonts& fonts, const PixelGrids& grids, std::string& error) {
    for (int i = 0; i < 4; ++i) {
        Canvas menu;
        if (!draw_menu(menu, fonts, grids, i, error)) return false;
        const std::string name = "menubackground" + std::to_string(i + 1) + ".bmp";
        save(out, name.c_str(), menu);
    }
    save(out, "option2.bmp", draw_help_screen(fonts, grids));
    save(out, "option3.bmp", draw_about_screen(fonts, grids));
    save(out, "gamebackground1.BMP", draw_level());
    Canvas sheet;
    if (!build_player_sheet(grids, sheet, error)) return false;
    save(out, "pelkosprites.bmp", sheet);
    if (!build_block_sheet(grids, sheet, error)) return false;
    save(out, "questionblock.bmp", sheet);
    Canvas icons[2];
    if (!build_icon_small(grids, icons[0], error)) return false;
    save(out, "icon101_16.bmp", icons[0]);
    if (!build_icon_large(grids, icons[1], error)) return false;
    save(out, "icon101_32.bmp", icons[1]);
    save_resource(out, "icon101.ico", icons, 2, false);
    save_web_icon(out, grids, 192, error);
    save_web_icon(out, grids, 512, error);
    if (!error.empty()) return false;
    Canvas cursor;
    if (!build_cursor(grids, cursor, error)) return false;
    save(out, "cursor9.bmp", cursor);
    // The arrow's tip, its top-left pixel, is where it points.
    save_resource(out, "cursor9.cur", &cursor, 1, true);
    if (out.ok && !write_palette_text(out.folder + "/PALDATA2.PAL", out.palette)) {
        std::fprintf(stderr, "arttool: cannot write %s/PALDATA2.PAL\n", out.folder.c_str());
        out.ok = false;
    }
    save_sounds(out);
    return true;
}

// The icon as a PNG of any size, for the desktop's icon theme and the web page.
int render_icon_png(const char* sources, const char* size_text, const char* path) {
    std::string error;
    PixelGrids grids;
    char* end = nullptr;
    const long size = std::strtol(size_text, &end, 10);
    Canvas icon;
    if (*size_text == '\0' || *end != '\0' || size < 1 || size > ICON_ART_MAX_SIDE) {
        error = std::string("bad icon size '") + size_text + "'";
    } else if (load_all_grids(sources, grids, error) &&
               build_icon_sized(grids, static_cast<int>(size), icon, error)) {
        const GamePalette palette = build_game_palette();
        const std::vector<std::uint8_t> bytes = png_file_encode(
            icon.width, icon.height, icon.pixels.data(), palette.data(), COLOUR_TRANSPARENT);
        if (!bytes.empty() && write_file_bytes(path, bytes)) return 0;
        error = std::string("cannot write ") + path;
    }
    std::fprintf(stderr, "arttool: %s\n", error.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "--icon")
        return render_icon_png(argv[2], argv[3], argv[4]);
    if (argc != 5) {
        std::fprintf(stderr,
                     "usage: arttool <sources folder> <output folder> <regular font> <bold font>\n"
                     "       arttool --icon <sources folder> <size> <output PNG file>\n");
        return 2;
    }
    std::string error;
    PixelGrids grids;
    if (!load_all_grids(argv[1], grids, error)) {
        std::fprintf(stderr, "arttool: %s\n", error.c_str());
        return 1;
    }
    Fonts fonts;
    if (!fonts_open(fonts, argv[3], argv[4])) {
        std::fprintf(stderr, "arttool: cannot load the fonts %s and %s\n", argv[3], argv[4]);
        return 1;
    }
    Output out{argv[2], build_game_palette()};
    const bool drawn = render_everything(out, fonts, grids, error);
    fonts_close(fonts);
    if (!drawn) {
        std::fprintf(stderr, "arttool: %s\n", error.c_str());
        return 1;
    }
    return out.ok ? 0 : 1;
}
