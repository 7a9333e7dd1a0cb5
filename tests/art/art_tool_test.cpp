// The artwork tool's own pieces: the pixel-grid parser with good and hostile input, the
// bitmap writer's row order and refusals, and font loading failures.

#include "art/tool/bitmap_writer.h"
#include "art/tool/pixel_grid.h"
#include "art/tool/sprite_sheets.h"
#include "art/tool/text_render.h"
#include "bitmap_probe.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

TEST(ArtTool, GridsTakeIndicesAndRampSteps) {
    PixelGrids grids;
    std::string error;
    const char* text = "# two pictures\n"
                       "colour . 253\n"
                       "colour g green 3\n"
                       "colour K 0\n"
                       "grid a 3 2\n"
                       ".gK\r\n"
                       "Kg.\n"
                       "\n"
                       "grid b 1 1\n"
                       "g\n";
    ASSERT_TRUE(parse_pixel_grids(text, grids, error)) << error;
    const Canvas* a = find_grid(grids, "a");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->width, 3);
    EXPECT_EQ(a->height, 2);
    EXPECT_EQ(canvas_get(*a, 0, 0), 253);
    EXPECT_EQ(canvas_get(*a, 1, 0), RAMP_GREEN.first + 3);
    EXPECT_EQ(canvas_get(*a, 2, 0), 0);
    EXPECT_EQ(canvas_get(*a, 0, 1), 0);
    ASSERT_NE(find_grid(grids, "b"), nullptr);
    EXPECT_EQ(find_grid(grids, "c"), nullptr);
}

TEST(ArtTool, BadGridsAreRefusedWithTheLineAndTheCause) {
    struct Case {
        const char* text;
        const char* says;
    };
    const Case cases[] = {
        {"colour . 1\ngrid a 2 1\n.x\n", "line 3: character 'x' has no colour"},
        {"colour . 1\ngrid a 2 1\n...\n", "line 3: row of grid 'a' is 3 characters, not 2"},
        {"colour . 1\ngrid a 1 3\n.\n.\n", "grid 'a' ends after 2 of 3 rows"},
        {"colour . 1\ngrid a 1 1\n.\ngrid a 1 1\n.\n", "line 4: grid 'a' defined twice"},
        {"grid a 0 4\n", "grid size out of range"},
        {"grid a 100000 100000\n", "grid size out of range"},
        {"grid a -3 2\n", "grid size out of range"},
        {"grid a 2\n", "grid needs a name, a width and a height"},
        {"grid a two 2\n", "grid needs a name, a width and a height"},
        {"colour . 256\n", "palette index must be 0 to 255"},
        {"colour . -1\n", "palette index must be 0 to 255"},
        {"colour . fuchsia 2\n", "no colour ramp named 'fuchsia'"},
        {"colour . green 16\n", "ramp step out of range"},
        {"colour . green 2 9\n", "colour takes a character and an index or a ramp and a step"},
        {"colour .. 4\n", "colour needs a character and a colour"},
        {"paint . 4\n", "unknown word 'paint'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        PixelGrids grids;
        std::string error;
        EXPECT_FALSE(parse_pixel_grids(c.text, grids, error));
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
    }
}

TEST(ArtTool, MissingGridFileIsNamed) {
    PixelGrids grids;
    std::string error;
    EXPECT_FALSE(load_pixel_grids("no_such_folder/player.grid", grids, error));
    EXPECT_NE(error.find("no_such_folder/player.grid"), std::string::npos) << error;
}

TEST(ArtTool, SheetsNameAMissingOrMisfitFrame) {
    PixelGrids grids;
    std::string error;
    ASSERT_TRUE(parse_pixel_grids("colour . 253\ngrid stand 2 2\n..\n..\n", grids, error)) << error;
    Canvas sheet;
    EXPECT_FALSE(build_player_sheet(grids, sheet, error));
    EXPECT_NE(error.find("'stand' must be 24 x 32"), std::string::npos) << error;
    EXPECT_FALSE(build_block_sheet(grids, sheet, error));
    EXPECT_NE(error.find("no grid named 'block'"), std::string::npos) << error;
}

TEST(ArtTool, BitmapsAreWrittenBottomRowFirstAndOddWidthsRefused) {
    const GamePalette palette = build_game_palette();
    Canvas canvas = canvas_make(4, 2, 7);
    canvas_put(canvas, 0, 0, 1); // top-left
    canvas_put(canvas, 3, 1, 9); // bottom-right
    const std::string path = "art_tool_test_probe.bmp";
    ASSERT_TRUE(write_bitmap_file(path, canvas, palette));
    const ProbedBitmap bmp = probe_bitmap(path);
    ASSERT_TRUE(bmp.ok) << bmp.error;
    EXPECT_EQ(bmp.at(0, 0), 1);
    EXPECT_EQ(bmp.at(3, 1), 9);
    EXPECT_EQ(bmp.image_size, 8u);
    EXPECT_EQ(bmp.palette[170].red, palette[170].red);
    std::remove(path.c_str());

    const std::string odd = "art_tool_test_odd.bmp";
    EXPECT_FALSE(write_bitmap_file(odd, canvas_make(6, 2, 0), palette));
    EXPECT_FALSE(write_bitmap_file(odd, Canvas{}, palette));
    std::FILE* f = std::fopen(odd.c_str(), "rb");
    EXPECT_EQ(f, nullptr) << "a refused picture leaves no file";
    if (f) std::fclose(f);
    EXPECT_FALSE(write_bitmap_file("no_such_folder/x.bmp", canvas, palette));
}

TEST(ArtTool, FontsThatCannotLoadLeaveNothingOpen) {
    Fonts fonts;
    EXPECT_FALSE(fonts_open(fonts, "no_such_font.ttf", "no_such_font_either.ttf"));
    EXPECT_EQ(fonts.library, nullptr);
    EXPECT_EQ(fonts.regular, nullptr);
    EXPECT_EQ(fonts.bold, nullptr);
    // Drawing with unopened fonts draws nothing rather than failing.
    Canvas canvas = canvas_make(8, 8, 0);
    TextStyle style;
    draw_text(canvas, fonts, style, 0, 6, "Hi");
    for (std::uint8_t p : canvas.pixels)
        EXPECT_EQ(p, 0);
}

TEST(ArtTool, TextIsHardEdgedAndLandsWhereMeasured) {
    Fonts fonts;
    ASSERT_TRUE(fonts_open(fonts, "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                           "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"));
    Canvas canvas = canvas_make(120, 40, 0);
    TextStyle style;
    style.pixel_size = 15;
    style.bold = true;
    style.colour = 5;
    style.shadow = 9;
    const InkBox box = text_ink_box(fonts, style, 10, 25, "Quit");
    draw_text(canvas, fonts, style, 10, 25, "Quit");
    fonts_close(fonts);
    int inked = 0;
    for (int y = 0; y < canvas.height; ++y)
        for (int x = 0; x < canvas.width; ++x) {
            const std::uint8_t p = canvas_get(canvas, x, y);
            // Only the two colours asked for: no blended edge shades.
            ASSERT_TRUE(p == 0 || p == 5 || p == 9) << int(p);
            if (p == 0) continue;
            ++inked;
            EXPECT_TRUE(x >= box.x0 && x <= box.x1 && y >= box.y0 && y <= box.y1) << x << ", " << y;
        }
    EXPECT_GT(inked, 30);
    EXPECT_LE(box.x1 - box.x0 + 1, 50) << "\"Quit\" must fit the menu's 50-pixel rectangle";
}
