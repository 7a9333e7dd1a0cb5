// Writing a canvas as the game's 8-bit bitmap file.
#include "art/tool/bitmap_writer.h"
#include "formats/bmp_encode.h"
#include "formats/file_bytes.h"

bool write_bitmap_file(const std::string& path, const Canvas& canvas, const GamePalette& palette) {
    if (canvas.width <= 0 || canvas.height <= 0 || canvas.width % 4 != 0) return false;
    if (canvas.pixels.size() != static_cast<std::size_t>(canvas.width) * canvas.height)
        return false;
    const std::vector<std::uint8_t> bytes =
        bmp_encode_indexed(canvas.width, canvas.height, canvas.pixels.data(), palette.data());
    return !bytes.empty() && write_file_bytes(path.c_str(), bytes);
}
