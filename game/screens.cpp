// The screens' state and input: which screen shows, the highlighted menu entry, the keys
// and clicks that move between them, and drawing the current screen's picture.
#include "game/screens.h"
#include "engine/display/display_context.h"
#include "game/setup.h"
#include "platform/win32.h"

std::int32_t GameState = STATE_MENU;
std::int32_t MenuSelection = 0;
std::int32_t LevelNumber = 0;

namespace {

constexpr std::int32_t MENU_ENTRIES = 4;
constexpr std::int32_t INFO_SCREENS = 2;
constexpr std::int32_t LEVELS = 1;

struct ClickArea {
    std::int32_t left, right, top, bottom; // inclusive
};

// The menu pictures' four entries, tested in this order.
constexpr ClickArea MENU_AREAS[MENU_ENTRIES] = {
    {247, 384, 274, 289},
    {247, 319, 298, 313},
    {247, 298, 322, 337},
    {247, 296, 346, 364},
};

// The window procedure ends the loop when it receives the window's destruction.
void request_quit() {
    PostMessageA(MainWindow, WM_DESTROY, 0, 0);
}

void enter_selected_screen() {
    GameState = MenuSelection;
    if (GameState == STATE_QUITTING) request_quit();
}

// An index outside the array draws nothing rather than reading past it.
void draw_full_screen(const BitmapImage* images, std::int32_t count, std::int32_t index) {
    if (index >= 0 && index < count) image_draw(&images[index], back_buffer, back_pitch, 0);
}

} // namespace

bool handle_screen_key(std::int32_t virtual_key) {
    int on_menu = GameState == STATE_MENU;
    switch (virtual_key) {
    case VK_RETURN:
        enter_selected_screen();
        return true;
    case VK_ESCAPE:
        if (on_menu)
            request_quit();
        else
            GameState = STATE_MENU;
        return true;
    case VK_UP:
        if (!on_menu) return false;
        // Wrapping on the value before the step lets Up reach every entry, 0 included.
        MenuSelection = MenuSelection <= 0 ? MENU_ENTRIES - 1 : MenuSelection - 1;
        return true;
    case VK_DOWN:
        if (!on_menu) return false;
        MenuSelection = MenuSelection >= MENU_ENTRIES - 1 ? 0 : MenuSelection + 1;
        return true;
    case 'S':
        if (on_menu) GameState = STATE_PLAYING;
        return true;
    case 'H':
        if (on_menu) GameState = STATE_INFO1;
        return true;
    case 'A':
        if (on_menu) GameState = STATE_INFO2;
        return true;
    case 'Q':
        if (on_menu) request_quit();
        return true;
    default:
        return false;
    }
}

bool handle_play_key(std::int32_t virtual_key) {
    switch (virtual_key) {
    case VK_RETURN:
        enter_selected_screen();
        return true;
    case VK_ESCAPE:
        GameState = STATE_MENU;
        return true;
    default:
        // Movement keys are polled by the player's physics each frame.
        return false;
    }
}

void handle_menu_click(std::int32_t x, std::int32_t y) {
    for (std::int32_t entry = 0; entry < MENU_ENTRIES; entry++) {
        const ClickArea& a = MENU_AREAS[entry];
        if (x < a.left || x > a.right || y < a.top || y > a.bottom) continue;
        if (entry == STATE_QUITTING) {
            request_quit();
        } else {
            MenuSelection = entry;
            GameState = entry;
        }
        return;
    }
}

void draw_screen_image() {
    if (GameState == STATE_QUITTING) {
        // Nothing is drawn: the cleared buffer shows while the loop comes to its end.
        PostQuitMessage(0);
    } else if (GameState == STATE_MENU) {
        draw_full_screen(MenuImages, MENU_ENTRIES, MenuSelection);
    } else {
        draw_full_screen(InfoImages, INFO_SCREENS, GameState - 1);
    }
}

void draw_level_image() {
    draw_full_screen(LevelImages, LEVELS, LevelNumber);
}
