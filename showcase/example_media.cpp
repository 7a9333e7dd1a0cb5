// Pictures and music on the short way in: a true-colour PNG ship with clear surroundings,
// moved by the arrow keys over bands of colour on an 8-bit display, and a streamed Ogg Vorbis
// tune, looping. Run it beside "ship.png" and "tune.ogg" (the guide's "Pictures" and "Music"
// say how to make them); without them it says why on standard output. Escape ends it.
#include "engine/engine.h"

int main() {
    open_error_log("stdout", stdout); // apart from SDL's lines on standard error
    if (!app_open("Pictures and music", 640, 480, 8, 1)) return 1;
    sound_init(MainWindow);
    // Six levels of red, green and blue in entries 1 to 216: a true-colour picture's 8-bit
    // cut takes the nearest of them. Entry 0 stays black, the ship's key.
    Palette cube = {};
    for (int i = 0; i < 216; ++i)
        cube[i + 1] = {static_cast<std::uint8_t>(i % 6 * 51),
                       static_cast<std::uint8_t>(i / 6 % 6 * 51),
                       static_cast<std::uint8_t>(i / 36 * 51), 0};
    set_palette(cube);
    BitmapFile file = {};
    Sprite ship = {};
    if (read_bitmap_file(&file, "ship.png") &&
        sprite_create(&ship, 280, 200, file.info_header.biWidth, file.info_header.biHeight, 1,
                      SPRITE_SHOWN, DDSCAPS_SYSTEMMEMORY, 0, 8))
        sprite_cut_frame(&ship, &file, 0, 0, 0, 1); // clear pixels become the key
    release_bitmap_file(&file);
    music_play("tune.ogg", 1); // app_frame keeps it flowing
    while (app_frame() && !app_key_pressed(VK_ESCAPE)) {
        ship.x += 4.0f * static_cast<float>(app_key_down(VK_RIGHT) - app_key_down(VK_LEFT));
        ship.y += 4.0f * static_cast<float>(app_key_down(VK_DOWN) - app_key_down(VK_UP));
        for (std::int32_t band = 0; band < 6; ++band)
            fill_rectangle(0, band * 80, 640, band * 80 + 80, 1 + 36 * band + 6 * band + 5,
                           back_surface);
        sprite_draw(&ship, back_surface);
        present_frame();
    }
    music_stop();
    sprite_destroy(&ship);
    sound_shutdown();
    app_close();
    close_error_log();
    return 0;
}
