// Catch the falling shapes: move the basket with the mouse or the arrow keys and catch the
// balls and boxes before they reach the ground; three missed and the game is over, Space
// starts again, Escape quits. Built on engine/app.h from a plain main(), with its own colours,
// so it needs no data files.
#include "engine/engine.h"

#include <cstdint>
#include <cstdio>
#include <random>

namespace {

constexpr std::int32_t WIDTH = 640, HEIGHT = 480, GROUND = 450;
constexpr std::int32_t BASKET_WIDTH = 80, BASKET_HEIGHT = 14, BASKET_SPEED = 12;
constexpr std::int32_t MAX_SHAPES = 8, LIVES = 3;
constexpr std::int32_t SKY = 0, EARTH = 1, BASKET = 2, INK = 3, BALL = 4, BOX = 5;

struct Falling {
    std::int32_t active, x, y, speed, size, round;
};

struct Game {
    Falling shapes[MAX_SHAPES];
    std::int32_t basket_x, score, missed, frames;
};

Game Play;
std::mt19937 Random(2005);

void set_colours() {
    const PaletteEntry colours[] = {{24, 28, 64, 0},    {60, 120, 40, 0}, {200, 150, 60, 0},
                                    {255, 255, 255, 0}, {230, 70, 70, 0}, {90, 160, 240, 0}};
    for (std::int32_t i = 0; i < 6; ++i)
        set_palette_entry(i, &colours[i]);
}

void start_game() {
    Play = Game{};
    Play.basket_x = (WIDTH - BASKET_WIDTH) / 2;
}

void drop_shape() {
    for (Falling& f : Play.shapes) {
        if (f.active) continue;
        std::uniform_int_distribution<std::int32_t> size(8, 20), speed(2, 5 + Play.score / 5);
        const std::int32_t s = size(Random);
        std::uniform_int_distribution<std::int32_t> x(s, WIDTH - 1 - s);
        f = {1, x(Random), -s, speed(Random), s, static_cast<std::int32_t>(Random() % 2)};
        return;
    }
}

void move_basket() {
    std::int32_t mouse_x = 0, mouse_y = 0;
    app_mouse(&mouse_x, &mouse_y);
    static std::int32_t last_mouse_x = -1;
    // The mouse leads when it moves; otherwise the keys do.
    if (mouse_x != last_mouse_x && last_mouse_x >= 0) Play.basket_x = mouse_x - BASKET_WIDTH / 2;
    last_mouse_x = mouse_x;
    if (app_key_down(VK_LEFT)) Play.basket_x -= BASKET_SPEED;
    if (app_key_down(VK_RIGHT)) Play.basket_x += BASKET_SPEED;
    if (Play.basket_x < 0) Play.basket_x = 0;
    if (Play.basket_x > WIDTH - BASKET_WIDTH) Play.basket_x = WIDTH - BASKET_WIDTH;
}

void move_shapes() {
    const std::int32_t top = GROUND - BASKET_HEIGHT;
    for (Falling& f : Play.shapes) {
        if (!f.active) continue;
        f.y += f.speed;
        const bool over_basket = f.x >= Play.basket_x && f.x < Play.basket_x + BASKET_WIDTH;
        if (f.y + f.size >= top && over_basket) {
            f.active = 0;
            ++Play.score;
        } else if (f.y + f.size >= GROUND) {
            f.active = 0;
            ++Play.missed;
        }
    }
}

void update() {
    if (Play.missed >= LIVES) {
        if (app_key_pressed(VK_SPACE) || app_mouse_pressed(APP_MOUSE_LEFT)) start_game();
        return;
    }
    move_basket();
    // A new shape every second at first, coming quicker as the score grows.
    if (++Play.frames % (30 - (Play.score < 20 ? Play.score : 20)) == 0) drop_shape();
    move_shapes();
}

void draw_scene(std::uint8_t* pixels, std::int32_t pitch) {
    fill_rect8(0, GROUND, WIDTH - 1, HEIGHT - 1, EARTH, pixels, pitch);
    for (const Falling& f : Play.shapes) {
        if (!f.active) continue;
        const std::int32_t s = f.size;
        if (f.round) {
            fill_circle8(f.x, f.y, s, BALL, pixels, pitch);
            draw_circle8(f.x, f.y, s, INK, pixels, pitch);
        } else {
            fill_rect8(f.x - s, f.y - s, f.x + s, f.y + s, BOX, pixels, pitch);
            draw_rect8(f.x - s, f.y - s, f.x + s, f.y + s, INK, pixels, pitch);
        }
    }
    const std::int32_t left = Play.basket_x, top = GROUND - BASKET_HEIGHT;
    fill_rect8(left, top, left + BASKET_WIDTH - 1, GROUND - 1, BASKET, pixels, pitch);
    draw_rect8(left, top, left + BASKET_WIDTH - 1, GROUND - 1, INK, pixels, pitch);
}

void draw_text_lines() {
    char line[64];
    std::snprintf(line, sizeof line, "Caught %d   Missed %d of %d", Play.score, Play.missed, LIVES);
    draw_text_index(line, 10, 10, INK, back_surface);
    if (Play.missed >= LIVES)
        draw_text_index("Game over: Space to play again, Escape to quit", 150, 220, INK,
                        back_surface);
}

} // namespace

int main() {
    // Full screen: a window of 256 colours would need the desktop in 256 colours too, which
    // Windows no longer offers.
    if (!app_open("Catch", WIDTH, HEIGHT, 8, 0)) {
        std::fprintf(stderr, "catch: no window or display to play in\n");
        return 1;
    }
    set_colours();
    start_game();
    while (app_frame() && !app_key_pressed(VK_ESCAPE)) {
        update();
        fill_surface(back_surface, SKY, nullptr);
        if (std::uint8_t* pixels = lock_back()) {
            draw_scene(pixels, back_pitch);
            unlock_back();
        }
        draw_text_lines(); // text after the unlock: it draws through a device context
        present_frame();
    }
    app_close();
    return 0;
}
