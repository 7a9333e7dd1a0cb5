// Damaged and hostile palette files: each gives its exact result, and the caller's palette
// holds exactly the fields read before the reader stopped, every later field as it was.
#include "display_test_support.h"

#include "engine/display/palette.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr std::uint8_t BEFORE = 0x5A;

struct HostilePalette {
    const char* name;
    std::function<void(const std::string& path)> make;
    std::int32_t result;
    // The first fields of the palette (red, green, blue, flags of entry 0, then entry 1...)
    // after the read; every later field keeps BEFORE.
    std::vector<std::uint8_t> fields;
};

std::string numbers(int count, int first = 0, const char* separator = " ") {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::to_string((first + i) % 256) + separator;
    return text;
}

std::vector<std::uint8_t> sequence(int count, int first = 0) {
    std::vector<std::uint8_t> fields;
    for (int i = 0; i < count; ++i)
        fields.push_back(static_cast<std::uint8_t>((first + i) % 256));
    return fields;
}

std::function<void(const std::string&)> text(std::string content) {
    return [content](const std::string& path) { write_whole_file(path, content); };
}

// The 256 entries one a line, each line ended by `line_end`.
std::string full_file(const char* line_end) {
    std::string content;
    for (int entry = 0; entry < 256; ++entry)
        content += numbers(4, entry * 4) + line_end;
    return content;
}

const HostilePalette CASES[] = {
    {"empty", text(""), 1, {}},
    {"blank lines only", text("\n\n \t\r\n\n"), 1, {}},
    {"one field", text("7"), 1, {7}},
    {"short: three fields", text("1 2 3"), 1, {1, 2, 3}},
    {"missing lines: 255 entries", text(numbers(1020, 0, "\n")), 1, sequence(1020)},
    {"out of range",
     text("256 -1 300 -300 65536 -65535 2147483648 -2147483649"),
     1,
     {0, 255, 44, 212, 0, 1, 0, 255}},
    {"digits without end", text(std::string(100000, '9') + " 5"), 1, {255, 5}},
    {"letter", text("1 2 x 4"), 1, {1, 2}},
    {"hexadecimal", text("0x10 5"), 1, {0}},
    {"decimal point", text("1.5 2"), 1, {1}},
    {"sign alone", text("4 + 5"), 1, {4}},
    {"NUL byte", text(std::string("1 2\0 3 4", 8)), 1, {1, 2}},
    {"high bytes", text("9 \xC2\xA0 8"), 1, {9}},
    {"CRLF line ends", text(full_file("\r\n")), 1, sequence(1024)},
    {"CR line ends", text(full_file("\r")), 1, sequence(1024)},
    {"a line too long: blanks", text(std::string(200000, ' ') + numbers(1024)), 1, sequence(1024)},
    {"a line too long: every entry on it", text(numbers(1024)), 1, sequence(1024)},
    {"lines of five and three numbers", text("0 1 2 3 4\n5 6 7\n" + numbers(1016, 8, "\n")), 1,
     sequence(1024)},
    {"more than 256 entries", text(numbers(1024) + numbers(4096, 7)), 1, sequence(1024)},
    {"huge: 4 GB after the entries",
     [](const std::string& path) {
         write_whole_file(path, full_file("\n"));
         // Sparse: costs no disk, but a reader that went on would read 4 GB of zero bytes.
         std::filesystem::resize_file(path, 4ull << 30);
     },
     1, sequence(1024)},
    {"a folder", [](const std::string& path) { std::filesystem::create_directory(path); }, 0, {}},
    {"absent", [](const std::string&) {}, 0, {}},
};

} // namespace

TEST(HostilePaletteFile, EachFileGivesItsResultAndLeavesTheStatedFields) {
    enter_fresh_folder();
    int number = 0;
    for (const HostilePalette& c : CASES) {
        SCOPED_TRACE(c.name);
        const std::string path = "hostile" + std::to_string(number++) + ".pal";
        c.make(path);
        Palette palette;
        std::memset(palette, BEFORE, sizeof palette);
        EXPECT_EQ(c.result, load_palette_file(path.c_str(), palette));
        const auto* field = reinterpret_cast<const std::uint8_t*>(palette);
        for (std::size_t i = 0; i < sizeof palette; ++i) {
            const std::uint8_t expected = i < c.fields.size() ? c.fields[i] : BEFORE;
            ASSERT_EQ(expected, field[i]) << "field " << i;
        }
        std::filesystem::remove(path);
    }
}
