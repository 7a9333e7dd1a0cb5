// Failures that say why: one run that makes the display, the bitmap reader, the sound files
// and the text each fail, read back as a whole log in which every message starts a line of
// its own; and text without a font, said once on standard error too.
#include "display_test_support.h"

#include "engine/display/display_context.h"
#include "engine/display/display_init.h"
#include "engine/display/error_log.h"
#include "engine/display/text.h"
#include "engine/image/bitmap_file.h"
#include "engine/image/bitmap_image.h"
#include "engine/sound/wave_file.h"
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/gdi/gdi_font.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// A bitmap file's two headers and a blank colour table, with the fields the test changes.
std::string bitmap_bytes(std::uint32_t header_size, std::uint16_t bits, std::uint32_t compression,
                         std::size_t pixel_bytes) {
    std::string bytes(54 + 1024 + pixel_bytes, '\0');
    auto put = [&bytes](std::size_t at, std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i)
            bytes[at + i] = static_cast<char>(value >> (8 * i));
    };
    bytes[0] = 'B', bytes[1] = 'M';
    put(14, header_size, 4);
    put(18, 4, 4); // 4 x 2 pixels
    put(22, 2, 4);
    put(26, 1, 2);
    put(28, bits, 2);
    put(30, compression, 4);
    return bytes;
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

const char* const NO_FONT = "/nonexistent/no-such-font.ttf";

} // namespace

TEST(FailureLog, EveryFailureSaysWhyOnALineOfItsOwn) {
    const std::string folder = enter_fresh_folder();
    write_whole_file("rle8.bmp", bitmap_bytes(40, 8, 1, 8));
    write_whole_file("two.bmp", bitmap_bytes(40, 2, 0, 2));
    write_whole_file("bad.png", std::string("\x89PNG\r\n\x1a\n", 8) + "damaged");
    write_whole_file("os2.bmp", bitmap_bytes(64, 8, 0, 8));
    write_whole_file("short.bmp", bitmap_bytes(40, 8, 0, 8).substr(0, 60));
    write_whole_file("text.bmp", "not a picture at all");
    write_whole_file("bad.wav", "RIFF....WAVEjunk");
    ASSERT_EQ(open_error_log("run.log", nullptr), 1);

    // A window's display with no window fails, and says so.
    start_headless_window();
    MainWindow = nullptr;
    EXPECT_EQ(display_init(640, 480, 8, 1), 0);
    display_shutdown();
    EXPECT_EQ(ddraw_live_objects(), 0);

    ASSERT_EQ(start_display(320, 200, 8, 1), 1);
    BitmapFile bitmap{};
    for (const char* name :
         {"missing.bmp", "rle8.bmp", "two.bmp", "os2.bmp", "short.bmp", "text.bmp", "bad.png"})
        EXPECT_EQ(read_bitmap_file(&bitmap, name), 0) << name;
    BitmapImage image{};
    ASSERT_EQ(image_create(&image, 0, 0, 4, 4, 8), 1);
    EXPECT_EQ(image_cut(&image, &bitmap, 0, 0, 1), 0);
    image_destroy(&image);
    WaveData wave{};
    EXPECT_EQ(read_wave_file(&wave, "nope.wav"), 0);
    EXPECT_EQ(read_wave_file(&wave, "bad.wav"), 0);
    gdi_set_font_path(NO_FONT);
    testing::internal::CaptureStderr();
    EXPECT_EQ(draw_text_index("unseen", 0, 0, 15, back_surface), 0);
    testing::internal::GetCapturedStderr();
    gdi_set_font_path(nullptr);
    display_shutdown();
    close_error_log();

    // Each message begins a line: a line that starts with none of the known beginnings is two
    // messages run together (or a message that forgot its line break).
    const std::vector<std::string> expected = {
        "No display: there is no window to show it in",
        "pixel format = 8",
        "pixel format = 5.6.5",
        "Bitmap not read, the file cannot be opened: missing.bmp",
        "Bitmap refused, compressed (only uncompressed is read): rle8.bmp",
        "Bitmap refused, 2 bits per pixel (1, 4, 8, 16, 24, 32 are read): two.bmp",
        "Bitmap refused, an info header of 64 bytes is not read: os2.bmp",
        "Bitmap refused, the file is shorter than its pixels: short.bmp",
        "Bitmap refused, neither a BMP nor a PNG file: text.bmp",
        "PNG refused, its header is missing or damaged: bad.png",
        "Cut refused: the picture holds no pixels",
        "Cannot read the sound file nope.wav.",
        "The sound file bad.wav is neither a PCM WAVE nor an Ogg Vorbis file",
        "No text: no usable font was found",
        "Closing Error Output File.",
    };
    const std::vector<std::string> lines = lines_of(read_whole_file(folder + "/run.log"));
    std::size_t next = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        // The opening header: an empty line, the header with its timestamp, an empty line.
        if (line.empty() || line.rfind("Opening Error Output File (run.log) on ", 0) == 0) continue;
        ASSERT_LT(next, expected.size()) << "an extra line: " << line;
        EXPECT_EQ(line.rfind(expected[next], 0), 0u)
            << "line " << i << " is \"" << line << "\", not \"" << expected[next] << "...\"";
        ++next;
    }
    EXPECT_EQ(next, expected.size());
}

TEST(FailureLog, TextWithoutAFontReturnsZeroAndSaysSoOnce) {
    const std::string folder = enter_fresh_folder();
    ASSERT_EQ(start_display(320, 200, 8, 1), 1);
    ASSERT_EQ(open_error_log("text.log", nullptr), 1);
    gdi_set_font_path(NO_FONT);
    testing::internal::CaptureStderr();
    std::int32_t width = -1, height = -1;
    EXPECT_EQ(draw_text_index("one", 0, 0, 15, back_surface), 0);
    EXPECT_EQ(draw_text_rgb("two", 0, 0, 0xFFFFFF, back_surface), 0);
    EXPECT_EQ(measure_text("three", &width, &height, back_surface), 0);
    EXPECT_EQ(width, 0);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "No text: no usable font was found (install fonts-dejavu-core).\n");
    close_error_log();
    const std::string log = read_whole_file(folder + "/text.log");
    EXPECT_EQ(log.find("\nNo text: "), log.rfind("\nNo text: "));
    EXPECT_NE(log.find("\nNo text: "), std::string::npos);

    // With the font back, text draws again.
    gdi_set_font_path(nullptr);
    EXPECT_EQ(draw_text_index("back", 0, 0, 15, back_surface), 1);
    EXPECT_EQ(measure_text("back", &width, &height, back_surface), 1);
    EXPECT_GT(width, 0);
    display_shutdown();
}
