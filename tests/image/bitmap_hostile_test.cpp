// Damaged and hostile bitmap files: each is refused with 0, leaves the record as the reader
// promises, and is never read or written beyond what the file holds (checked by the
// sanitizer builds).
#include "bmp_builder.h"

#include "engine/image/bitmap_file.h"
#include "engine/image/bitmap_image.h"
#include "formats/png_encode.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>

namespace {

// What the record holds after a refusal.
enum class After {
    Unchanged,         // nothing was read
    FileHeaderOnly,    // the 14 bytes of the file header, nothing else
    HeadersKeepPixels, // both headers; palette and pixels as before (a refused depth)
    HeadersNoPixels,   // both headers; palette as before; pixels released
};

struct HostileCase {
    const char* name;
    std::function<Bytes()> make;
    After after;
};

Bytes good() {
    return bmp_file(4, 2, 8, stored_rows({{20, 21, 22, 23}, {10, 11, 12, 13}}));
}

Bytes cut_at(std::size_t length) {
    Bytes file = good();
    file.resize(length);
    return file;
}

Bytes with32(std::size_t offset, std::uint32_t value, Bytes file = good()) {
    put32(file, offset, value);
    return file;
}

Bytes with16(std::size_t offset, std::uint16_t value, Bytes file = good()) {
    put16(file, offset, value);
    return file;
}

// A 4 x 2 palettised PNG of three colours, the third transparent.
Bytes png_good() {
    PaletteEntry colours[256] = {{10, 20, 30, 0}, {40, 50, 60, 0}, {70, 80, 90, 0}};
    const std::uint8_t indices[8] = {0, 1, 2, 0, 2, 1, 0, 1};
    return png_file_encode(4, 2, indices, colours, 2);
}

Bytes png_cut_at(std::size_t length) {
    Bytes file = png_good();
    file.resize(length);
    return file;
}

Bytes png_with32(std::size_t offset, std::uint32_t value) {
    Bytes file = png_good();
    for (int i = 0; i < 4; ++i)
        file[offset + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
    return file;
}

std::size_t png_chunk(const Bytes& file, const char* type) {
    for (std::size_t at = 8; at + 8 <= file.size();
         at +=
         12 + (std::size_t{file[at]} << 24 | file[at + 1] << 16 | file[at + 2] << 8 | file[at + 3]))
        if (std::memcmp(file.data() + at + 4, type, 4) == 0) return at;
    ADD_FAILURE() << type << " not found";
    return 0;
}

// Only the length field changes: the chunk's bytes stay where they were.
Bytes png_chunk_length(const char* type, std::uint32_t length) {
    const Bytes file = png_good();
    return png_with32(png_chunk(file, type), length);
}

Bytes png_damaged_data() {
    Bytes file = png_good();
    const std::size_t data = png_chunk(file, "IDAT") + 8;
    for (std::size_t i = data + 2; i < data + 8 && i < file.size(); ++i)
        file[i] ^= 0xA5;
    return file;
}

const HostileCase CASES[] = {
    {"empty", [] { return Bytes{}; }, After::Unchanged},
    {"two bytes", [] { return cut_at(2); }, After::Unchanged},
    {"inside file header", [] { return cut_at(13); }, After::Unchanged},
    {"file header only", [] { return cut_at(14); }, After::FileHeaderOnly},
    {"inside info header", [] { return cut_at(30); }, After::FileHeaderOnly},
    {"one byte short of info header", [] { return cut_at(53); }, After::FileHeaderOnly},
    {"headers only", [] { return cut_at(54); }, After::HeadersNoPixels},
    {"inside colour table", [] { return cut_at(54 + 512); }, After::HeadersNoPixels},
    {"colour table but no rows", [] { return cut_at(54 + 1024); }, After::HeadersNoPixels},
    {"half the rows", [] { return cut_at(54 + 1024 + 4); }, After::HeadersNoPixels},
    {"magic MB", [] { return with16(0, 0x424D); }, After::FileHeaderOnly},
    {"magic zero", [] { return with16(0, 0); }, After::FileHeaderOnly},
    {"width zero", [] { return with32(BI_WIDTH, 0); }, After::HeadersNoPixels},
    {"width negative", [] { return with32(BI_WIDTH, static_cast<std::uint32_t>(-4)); },
     After::HeadersNoPixels},
    {"width huge", [] { return with32(BI_WIDTH, INT_MAX); }, After::HeadersNoPixels},
    {"width above limit", [] { return with32(BI_WIDTH, 16385); }, After::HeadersNoPixels},
    {"height zero", [] { return with32(BI_HEIGHT, 0); }, After::HeadersNoPixels},
    {"height most negative", [] { return with32(BI_HEIGHT, 0x80000000u); }, After::HeadersNoPixels},
    {"height huge", [] { return with32(BI_HEIGHT, INT_MAX); }, After::HeadersNoPixels},
    {"width times height overflows",
     [] { return with32(BI_HEIGHT, 65536, with32(BI_WIDTH, 65536)); }, After::HeadersNoPixels},
    {"largest allowed picture, tiny file",
     [] { return with16(BI_BIT_COUNT, 24, with32(BI_HEIGHT, 16384, with32(BI_WIDTH, 16384))); },
     After::HeadersNoPixels},
    {"image size beyond file", [] { return with32(BI_SIZE_IMAGE, 8 + 1024 + 54 + 1); },
     After::HeadersNoPixels},
    {"image size huge", [] { return with32(BI_SIZE_IMAGE, 0xFFFFFFF0u); }, After::HeadersNoPixels},
    {"colour count huge", [] { return with32(BI_CLR_USED, 0xFFFFFFFFu, cut_at(54 + 512)); },
     After::HeadersNoPixels},
    {"2 bits", [] { return with16(BI_BIT_COUNT, 2); }, After::HeadersKeepPixels},
    {"64 bits", [] { return with16(BI_BIT_COUNT, 64); }, After::HeadersKeepPixels},
    {"32 bits, rows missing", [] { return with16(BI_BIT_COUNT, 32, cut_at(54 + 20)); },
     After::HeadersNoPixels},
    {"0 bits", [] { return with16(BI_BIT_COUNT, 0); }, After::HeadersNoPixels},
    {"RLE8", [] { return with32(BI_COMPRESSION, BI_RLE8); }, After::HeadersNoPixels},
    {"RLE4", [] { return with32(BI_COMPRESSION, BI_RLE4, with16(BI_BIT_COUNT, 4)); },
     After::HeadersNoPixels},
    // PNG files are refused before anything of the record changes.
    {"PNG signature only", [] { return png_cut_at(8); }, After::Unchanged},
    {"PNG inside its header", [] { return png_cut_at(20); }, After::Unchanged},
    {"PNG without its pixels", [] { return png_cut_at(png_good().size() / 2); }, After::Unchanged},
    {"PNG width 0", [] { return png_with32(16, 0); }, After::Unchanged},
    {"PNG huge", [] { return png_with32(20, 0x7FFFFFFF); }, After::Unchanged},
    {"PNG wider than read", [] { return png_with32(16, 4097); }, After::Unchanged},
    {"PNG colour table longer than 256", [] { return png_chunk_length("PLTE", 771); },
     After::Unchanged},
    {"PNG chunk longer than the file", [] { return png_chunk_length("IDAT", 0xFFFFFFF0u); },
     After::Unchanged},
    {"PNG colour table length cut short", [] { return png_chunk_length("PLTE", 3); },
     After::Unchanged},
    {"PNG damaged pixels", [] { return png_damaged_data(); }, After::Unchanged},
    {"masks on 8 bits", [] { return with32(BI_COMPRESSION, BI_BITFIELDS); },
     After::HeadersNoPixels},
    {"unknown compression", [] { return with32(BI_COMPRESSION, 4); }, After::HeadersNoPixels},
    // OS/2's headers put other fields where Windows' header has these: refused, not misread.
    {"OS/2 1.x header of 12 bytes", [] { return with32(BI_SIZE, 12); }, After::HeadersNoPixels},
    {"OS/2 2.x header of 16 bytes", [] { return with32(BI_SIZE, 16); }, After::HeadersNoPixels},
    {"OS/2 2.x header of 64 bytes", [] { return with32(BI_SIZE, 64); }, After::HeadersNoPixels},
    {"header size zero", [] { return with32(BI_SIZE, 0); }, After::HeadersNoPixels},
    {"24 bits, rows missing",
     [] { return with16(BI_BIT_COUNT, 24, with32(BI_SIZE_IMAGE, 0, cut_at(54 + 20))); },
     After::HeadersNoPixels},
};

// A record as a previous successful read of a 2 x 1 8-bit file leaves it, with a palette the
// test recognises.
void fill_previous(BitmapFile* bitmap) {
    ASSERT_EQ(1, read_bitmap_file(
                     bitmap, write_file("previous.bmp", bmp_file(2, 1, 8, {7, 9, 0, 0})).c_str()));
    std::memset(bitmap->palette, 0x5A, sizeof bitmap->palette);
}

} // namespace

TEST(HostileBitmap, EveryDamagedFileIsRefusedAndLeavesTheRecordAsPromised) {
    for (const HostileCase& c : CASES) {
        SCOPED_TRACE(c.name);
        BitmapFile bitmap{};
        fill_previous(&bitmap);
        const BitmapFile before = bitmap;
        const Bytes file = c.make();
        EXPECT_EQ(0, read_bitmap_file(&bitmap, write_file("hostile.bmp", file).c_str()));

        const bool file_header = c.after != After::Unchanged;
        const bool info_header =
            c.after == After::HeadersKeepPixels || c.after == After::HeadersNoPixels;
        EXPECT_EQ(0, std::memcmp(file_header ? file.data()
                                             : static_cast<const void*>(&before.file_header),
                                 &bitmap.file_header, 14));
        EXPECT_EQ(0, std::memcmp(info_header ? file.data() + 14
                                             : static_cast<const void*>(&before.info_header),
                                 &bitmap.info_header, 40));
        EXPECT_EQ(0, std::memcmp(before.palette, bitmap.palette, sizeof bitmap.palette));
        if (c.after == After::HeadersNoPixels) {
            EXPECT_EQ(nullptr, bitmap.pixels);
        } else {
            ASSERT_EQ(before.pixels, bitmap.pixels);
            EXPECT_EQ(7, bitmap.pixels[0]);
        }
        // Whatever the record now says, no cut reads beyond the 2 bytes it holds: (2, 1) lies
        // inside the damaged file's 4 x 2 picture but outside the pixels still held.
        BitmapImage image{};
        ASSERT_EQ(1, image_create(&image, 0, 0, 2, 1, 8));
        EXPECT_EQ(0, image_cut(&image, &bitmap, 2, 1, 1));
        image_destroy(&image);
        release_bitmap_file(&bitmap);
    }
}

TEST(HostileBitmap, MissingFilesAndFoldersLeaveTheRecordUntouched) {
    BitmapFile bitmap{};
    fill_previous(&bitmap);
    const BitmapFile before = bitmap;
    EXPECT_EQ(0, read_bitmap_file(&bitmap, (test_folder() + "/absent.bmp").c_str()));
    EXPECT_EQ(0, read_bitmap_file(&bitmap, test_folder().c_str()));
    EXPECT_EQ(0, read_bitmap_file(&bitmap, nullptr));
    EXPECT_EQ(0, read_bitmap_file(nullptr, "absent.bmp"));
    EXPECT_EQ(0, std::memcmp(&before, &bitmap, sizeof bitmap));
    release_bitmap_file(&bitmap);
}

TEST(HostileBitmap, ShortColourTablesAreReadAsFarAsTheFileSaysAndTheRestIsBlack) {
    // A file that declares 2 colours and stores only those two entries.
    Bytes file = bmp_file(4, 1, 8, {0, 1, 1, 0});
    file.erase(file.begin() + 54 + 8, file.begin() + 54 + 1024);
    put32(file, BI_CLR_USED, 2);
    BitmapFile bitmap{};
    ASSERT_EQ(1, read_bitmap_file(&bitmap, write_file("two.bmp", file).c_str()));
    EXPECT_EQ(255, bitmap.palette[0].green);
    EXPECT_EQ(254, bitmap.palette[1].green);
    EXPECT_EQ(0, bitmap.palette[2].green);
    EXPECT_EQ(PC_NOCOLLAPSE, bitmap.palette[255].flags);
    const std::uint8_t expected[] = {0, 1, 1, 0};
    EXPECT_EQ(0, std::memcmp(expected, bitmap.pixels, 4));
    // Declaring fewer colours than the file stores still reads every stored entry.
    file = bmp_file(4, 1, 8, {0, 1, 1, 0});
    put32(file, BI_CLR_USED, 2);
    ASSERT_EQ(1, read_bitmap_file(&bitmap, write_file("more.bmp", file).c_str()));
    EXPECT_EQ(255 - 200, bitmap.palette[200].green);
    release_bitmap_file(&bitmap);
}
