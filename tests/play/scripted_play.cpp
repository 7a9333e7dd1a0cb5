// Running the real game loop with scripted keys and checking every presented picture.
#include "scripted_play.h"

#include "engine/engine.h"
#include "engine/util/frame_clock.h"
#include "game/player.h"
#include "game/player_state.h"
#include "game/screens.h"
#include "game/setup.h"
#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"

#include <cstring>

namespace {

struct Expected {
    BitmapFile menus[4];
    BitmapFile infos[2];
    BitmapFile level;
};

Expected* Pictures = nullptr;
const std::vector<ScriptedKey>* Keys = nullptr;
std::vector<PassRecord>* Passes = nullptr;
PassWatcher Watcher = nullptr;
DWORD LastFrameStart = 0;
int PassNumber = 0;

bool inside(int x, int y, float left, float top, int width, int height) {
    const int l = static_cast<int>(left), t = static_cast<int>(top);
    return x >= l && x < l + width && y >= t && y < t + height;
}

// The picture of the current screen, pixel for pixel; on the playing screen the character
// and the block may cover their own rectangles and nothing else.
bool picture_matches(const HeadlessFrame& frame, std::int32_t state) {
    const BitmapFile* expected = nullptr;
    if (state == STATE_MENU)
        expected = &Pictures->menus[MenuSelection];
    else if (state == STATE_PLAYING)
        expected = &Pictures->level;
    else if (state == STATE_INFO1 || state == STATE_INFO2)
        expected = &Pictures->infos[state - 1];
    if (!expected || frame.width != 640 || frame.height != 480 || frame.bpp != 8) return false;
    for (int y = 0; y < 480; ++y) {
        const std::uint8_t* shown = &frame.pixels[y * 640];
        const std::uint8_t* wanted = &expected->pixels[y * 640];
        if (std::memcmp(shown, wanted, 640) == 0) continue;
        if (state != STATE_PLAYING) return false;
        for (int x = 0; x < 640; ++x)
            if (shown[x] != wanted[x] && !inside(x, y, PlayerSprite.x, PlayerSprite.y, 24, 32) &&
                !inside(x, y, BlockSprite.x, BlockSprite.y, 32, 32))
                return false;
    }
    return true;
}

void on_present(const HeadlessFrame& frame) {
    // Presents before the loop's first pass (set-up's palette changes) are not passes. A new
    // pass begins with a new frame clock reading; other presents within a pass are folded
    // into it.
    if (FrameStartTicks == 0) return;
    if (FrameStartTicks != LastFrameStart) {
        LastFrameStart = FrameStartTicks;
        ++PassNumber;
        for (const ScriptedKey& key : *Keys)
            if (key.pass == PassNumber + 1)
                headless_script_key(headless_clock(), key.virtual_key, key.down);
        Passes->push_back({});
    }
    PassRecord& record = Passes->back();
    record.pass = PassNumber;
    record.game_state = GameState;
    record.x = PlayerSprite.x;
    record.y = PlayerSprite.y;
    record.frame = PlayerSprite.current_frame;
    record.velocity_x = PlayerVelocityX;
    record.velocity_y = PlayerVelocityY;
    record.picture_as_expected = picture_matches(frame, GameState);
    record.level_palette = true;
    for (int i = 0; i < 256; ++i) {
        const PaletteEntry& entry = Pictures->level.palette[i];
        if (frame.palette[i].red != entry.red || frame.palette[i].green != entry.green ||
            frame.palette[i].blue != entry.blue)
            record.level_palette = false;
    }
    if (Watcher) Watcher(PassNumber, frame);
}

} // namespace

PlayResult play(const std::vector<ScriptedKey>& keys, PassWatcher watcher) {
    Expected pictures{};
    char name[80];
    for (int i = 0; i < 4; ++i) {
        std::snprintf(name, sizeof name, "menubackground%d.bmp", i + 1);
        read_bitmap_file(&pictures.menus[i], name);
    }
    read_bitmap_file(&pictures.infos[0], "option2.bmp");
    read_bitmap_file(&pictures.infos[1], "option3.bmp");
    read_bitmap_file(&pictures.level, "gamebackground1.BMP");

    PlayResult result{};
    Pictures = &pictures;
    Keys = &keys;
    Passes = &result.passes;
    Watcher = watcher;
    PassNumber = 0;
    LastFrameStart = 0;

    platform_reset();
    // The loop's first reading must differ from the 0 that marks "before the loop".
    headless_set_clock(1);
    FrameStartTicks = 0;
    // Keys for the first pass go in before the loop starts.
    for (const ScriptedKey& key : keys)
        if (key.pass <= 1) headless_script_key(0, key.virtual_key, key.down);
    headless_on_present(on_present);
    char command_line[] = "";
    result.exit_code = WinMain(nullptr, nullptr, command_line, SW_SHOWNORMAL);
    headless_on_present(nullptr);

    for (BitmapFile& file : pictures.menus)
        release_bitmap_file(&file);
    for (BitmapFile& file : pictures.infos)
        release_bitmap_file(&file);
    release_bitmap_file(&pictures.level);
    Pictures = nullptr;
    Keys = nullptr;
    Passes = nullptr;
    Watcher = nullptr;
    return result;
}

const PassRecord* at_pass(const PlayResult& result, int pass) {
    for (const PassRecord& record : result.passes)
        if (record.pass == pass) return &record;
    return nullptr;
}
