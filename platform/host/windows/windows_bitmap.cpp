// The Windows host's bitmap: made, freed and copied to the window.
#include "platform/host/windows/windows_bitmap.h"

void bitmap_free(PresenterBitmap* bitmap) {
    if (bitmap->dc) {
        SelectObject(bitmap->dc, bitmap->dc_default);
        DeleteDC(bitmap->dc);
    }
    if (bitmap->bitmap) DeleteObject(bitmap->bitmap);
    *bitmap = PresenterBitmap{};
}

int bitmap_ensure(PresenterBitmap* bitmap, int width, int height) {
    if (width <= 0 || height <= 0) return 0;
    if (bitmap->bitmap && bitmap->width == width && bitmap->height == height) return 1;
    bitmap_free(bitmap);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    bitmap->bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    bitmap->dc = bitmap->bitmap && pixels ? CreateCompatibleDC(nullptr) : nullptr;
    if (!bitmap->dc) {
        bitmap_free(bitmap);
        return 0;
    }
    bitmap->dc_default = SelectObject(bitmap->dc, bitmap->bitmap);
    bitmap->pixels = static_cast<std::uint32_t*>(pixels);
    bitmap->width = width;
    bitmap->height = height;
    return 1;
}

void bitmap_show_rows(const PresenterBitmap& bitmap, HDC target, int x, int y, int top,
                      int height) {
    if (!bitmap.dc || !target) return;
    // The bitmap's pixels were written by the processor: GDI must see them all first.
    GdiFlush();
    BitBlt(target, x, y + top, bitmap.width, height, bitmap.dc, 0, top, SRCCOPY);
}
