// Walkers animated from the game's sprite sheet cross a floor of tiles, full screen at
// 800 x 600 x 8; the tiles are cells of the block sheet cut into surfaces with
// surface_cut_cell. Started with "16" on its command line, it draws the scene at 16 bits per
// pixel instead, with shapes in 5.6.5 colours, since the sheets are 8-bit pictures.
// Run it in the game's data folder, which holds the sheets and "PALDATA2.PAL". Escape quits.
#include "engine/engine.h"

#include <cstring>

namespace {

constexpr std::int32_t WIDTH = 800, HEIGHT = 600, TILE = 32, TILE_KINDS = 4;
constexpr std::int32_t FLOOR_TOP = HEIGHT - 3 * TILE;
constexpr std::int32_t WALKERS = 5, WALKER_W = 24, WALKER_H = 32, WALK_FRAMES = 4;
constexpr std::int32_t SHEET_KEY = 253; // the sheets' transparent palette index
constexpr std::int32_t SKY = 0;

Sprite Walkers[WALKERS];
IDirectDrawSurface7* Tiles[TILE_KINDS];

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_KEYDOWN && wparam == VK_ESCAPE) PostMessageA(window, WM_DESTROY, 0, 0);
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wparam, lparam);
}

// Four tiles from the block sheet's cells, and the walkers' frames from the character sheet.
int load_sheets() {
    BitmapFile sheet = {};
    if (!read_bitmap_file(&sheet, "questionblock.bmp")) return 0;
    set_palette(sheet.palette);
    int ok = 1;
    for (int i = 0; i < TILE_KINDS && ok; ++i) {
        Tiles[i] = create_offscreen_surface(TILE, TILE, 0, 0);
        ok = Tiles[i] != nullptr && surface_cut_cell(&sheet, Tiles[i], i, 0);
    }
    release_bitmap_file(&sheet);
    if (!ok || !read_bitmap_file(&sheet, "pelkosprites.bmp")) return 0;
    for (int w = 0; w < WALKERS && ok; ++w) {
        Sprite& s = Walkers[w];
        ok = sprite_create(&s, w * 150, FLOOR_TOP - WALKER_H, WALKER_W, WALKER_H, WALK_FRAMES,
                           SPRITE_SHOWN | SPRITE_CYCLE_FRAMES | SPRITE_WRAPS, 0, SHEET_KEY, 8);
        for (int f = 0; f < WALK_FRAMES && ok; ++f)
            ok = sprite_cut_frame(&s, &sheet, f, f, 0, 0);
        sprite_set_velocity(&s, 1 + w % 3, 0);
        sprite_set_delay(&s, 2 + w % 2);
    }
    release_bitmap_file(&sheet);
    return ok;
}

void draw_scene8() {
    fill_surface(back_surface, SKY, nullptr);
    for (std::int32_t y = FLOOR_TOP; y < HEIGHT; y += TILE) {
        for (std::int32_t x = 0; x < WIDTH; x += TILE) {
            RECT to = {x, y, x + TILE, y + TILE};
            back_surface->Blt(&to, Tiles[(x / TILE + y / TILE) % TILE_KINDS], nullptr, DDBLT_WAIT,
                              nullptr);
        }
    }
    for (Sprite& s : Walkers) {
        sprite_animate(&s);
        sprite_move(&s);
        sprite_draw(&s, back_surface);
    }
}

// The same scene in 5.6.5 colours: a sky that darkens upwards, checked tiles, walkers as
// boxes that bob as they go.
void draw_scene16(std::int32_t frame) {
    for (std::int32_t band = 0; band < 8; ++band)
        fill_rectangle(0, band * FLOOR_TOP / 8, WIDTH, (band + 1) * FLOOR_TOP / 8,
                       rgb16(40 + band * 20, 90 + band * 18, 255), back_surface);
    for (std::int32_t y = FLOOR_TOP; y < HEIGHT; y += TILE)
        for (std::int32_t x = 0; x < WIDTH; x += TILE)
            fill_rectangle(x, y, x + TILE, y + TILE,
                           (x / TILE + y / TILE) % 2 ? rgb16(150, 90, 40) : rgb16(110, 60, 30),
                           back_surface);
    for (std::int32_t w = 0; w < WALKERS; ++w) {
        std::int32_t x = (w * 150 + frame * (1 + w % 3)) % WIDTH;
        std::int32_t bob = (frame / 4 + w) % 2 * 3;
        std::int32_t top = FLOOR_TOP - WALKER_H - bob;
        std::int32_t right = x + WALKER_W < WIDTH ? x + WALKER_W : WIDTH;
        fill_rectangle(x, top, right, top + WALKER_H, rgb16(250, 220, 60 * w), back_surface);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int) {
    const std::int32_t bpp = command_line && std::strcmp(command_line, "16") == 0 ? 16 : 8;
    WNDCLASSEX window_class = {};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = window_proc;
    window_class.hInstance = instance;
    window_class.lpszClassName = "SPRITES";
    if (!RegisterClassEx(&window_class)) return 1;
    MainWindow = CreateWindowEx(0, "SPRITES", "Sprites", WS_POPUP | WS_VISIBLE, 0, 0, WIDTH, HEIGHT,
                                nullptr, nullptr, instance, nullptr);
    if (!MainWindow) return 1;
    int ok = display_init(WIDTH, HEIGHT, bpp, 0) && (bpp == 16 || load_sheets());
    MSG message = {};
    for (std::int32_t frame = 0; ok; ++frame) {
        start_frame_clock();
        // Every waiting message is handled before the frame is drawn.
        while (PeekMessage(&message, nullptr, 0, 0, PM_REMOVE) && message.message != WM_QUIT)
            DispatchMessage(&message);
        if (message.message == WM_QUIT) break;
        if (bpp == 8)
            draw_scene8();
        else
            draw_scene16(frame);
        present_frame();
        wait_frame_clock(30);
    }
    for (Sprite& s : Walkers)
        sprite_destroy(&s);
    for (IDirectDrawSurface7*& tile : Tiles)
        if (tile) tile->Release(), tile = nullptr;
    display_shutdown();
    return ok ? static_cast<int>(message.wParam) : 1;
}
