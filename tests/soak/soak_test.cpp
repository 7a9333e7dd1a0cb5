// A long run of the real game loop on seeded random input: every key the game handles held
// and let go, Enter and Escape between the screens, clicks anywhere. Memory must stay flat,
// and so must the sound: the voices the mixer plays and the DirectSound objects alive. The
// character's position stays finite; a character that walks off a side is steered back
// now and then, so that most played frames are played on the screen.
#include "engine/sound/sound.h"
#include "game/game_sounds.h"
#include "game/screens.h"
#include "game/setup.h"
#include "platform/dsound/dsound_state.h"
#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <unistd.h>
#include <vector>

namespace {

#if defined(__SANITIZE_ADDRESS__)
// Under the sanitizers every frame costs far more; the full length runs in the normal build.
constexpr int SOAK_FRAMES = 10000;
#else
constexpr int SOAK_FRAMES = 100000;
#endif
constexpr long FLAT_BYTES = 1 << 20;
constexpr std::uint32_t SEED = 20050607;

// The keys the character's movement polls: right, left, run and jump, two of each.
const int MOVEMENT_KEYS[] = {VK_RIGHT, 'D', VK_LEFT, 'A', VK_DELETE, 'Z', VK_NEXT, 'C'};
// The keys the screens take as messages (S, H, A and Q jump between screens on the menu).
const int SCREEN_KEYS[] = {VK_UP, VK_DOWN, 'S', 'H', 'A', 'Q'};
constexpr int QUIT_ENTRY = 3;
// The menu's quit entry, a little enlarged, which random clicks on the menu leave alone.
constexpr int QUIT_LEFT = 240, QUIT_RIGHT = 300, QUIT_TOP = 340, QUIT_BOTTOM = 370;
constexpr int CHARACTER_WIDTH = 24, CHARACTER_HEIGHT = 32;

long resident_bytes() {
    long pages_total = 0, pages_resident = 0;
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm) return -1;
    const int read = std::fscanf(statm, "%ld %ld", &pages_total, &pages_resident);
    std::fclose(statm);
    return read == 2 ? pages_resident * sysconf(_SC_PAGESIZE) : -1;
}

struct Soak {
    std::mt19937 random{SEED};
    int frames = 0;
    int played = 0;
    int played_on_screen = 0;
    int steered = 0;
    bool all_finite = true;
    long resident_at_tenth = -1;
    long resident_at_end = -1;
    int voices_at_tenth = -1;
    int voices_at_end = -1;
    int voices_most = 0;
    int objects_at_tenth = -1;
    int objects_at_end = -1;
    bool held[256] = {};
    int steer_key = 0;    // the key held to bring the character back, or 0
    int quiet_frames = 0; // frames to wait before the next event, so the queue drains
    int release_key = 0;  // a screen key to let go of at the next event
    bool quit_scheduled = false;
};

Soak* Current = nullptr;

int pick(int count) {
    return std::uniform_int_distribution<int>(0, count - 1)(Current->random);
}

void key(int virtual_key, bool down) {
    headless_script_key(headless_clock(), virtual_key, down ? 1 : 0);
    Current->held[virtual_key] = down;
}

void release_movement_keys() {
    for (int k : MOVEMENT_KEYS)
        if (Current->held[k]) key(k, false);
}

bool on_screen(float x, float y) {
    return x > -CHARACTER_WIDTH && x < 640 && y > -CHARACTER_HEIGHT && y < 480;
}

// Off a side, the character is walked back by the opposite key until it is well inside.
bool steer() {
    const float x = PlayerSprite.x;
    if (Current->steer_key == 0) {
        if (x >= -CHARACTER_WIDTH && x < 640) return false;
        release_movement_keys();
        Current->steer_key = x < 0 ? VK_RIGHT : VK_LEFT;
        key(Current->steer_key, true);
        ++Current->steered;
        return true;
    }
    if (x > 100 && x < 500) {
        key(Current->steer_key, false);
        Current->steer_key = 0;
    }
    return true;
}

// Presses a screen key, to be let go of at the next event.
void press(int virtual_key) {
    key(virtual_key, true);
    Current->release_key = virtual_key;
}

void random_click() {
    const int x = pick(640), y = pick(480);
    const bool quit_entry = x >= QUIT_LEFT && x <= QUIT_RIGHT && y >= QUIT_TOP && y <= QUIT_BOTTOM;
    if (!(GameState == STATE_MENU && quit_entry)) headless_script_click(headless_clock(), x, y);
}

// One random event that never ends the game: no Escape or Q on the menu, no Enter while
// the quit entry is selected, no click on the quit entry. Most events move the character,
// and the other screens soon lead back to the game.
void random_event() {
    if (Current->release_key) {
        key(Current->release_key, false);
        Current->release_key = 0;
        return;
    }
    const bool may_enter = MenuSelection != QUIT_ENTRY;
    const int roll = pick(100);
    if (GameState == STATE_PLAYING) {
        if (roll < 80) {
            const int k = MOVEMENT_KEYS[pick(8)];
            key(k, !Current->held[k]);
        } else if (roll < 88) {
            random_click();
        } else if (roll < 92) {
            press(VK_ESCAPE);
        } else if (roll < 95) {
            if (may_enter) press(VK_RETURN);
        } else {
            press(SCREEN_KEYS[pick(6)]);
        }
    } else if (GameState == STATE_MENU) {
        if (roll < 35) {
            press('S');
        } else if (roll < 50) {
            if (may_enter) press(VK_RETURN);
        } else if (roll < 70) {
            press(pick(2) ? VK_UP : VK_DOWN);
        } else if (roll < 80) {
            press(pick(2) ? 'H' : 'A');
        } else {
            random_click();
        }
    } else {
        if (roll < 50) {
            press(VK_ESCAPE);
        } else if (roll < 70) {
            if (may_enter) press(VK_RETURN);
        } else if (roll < 85) {
            random_click();
        } else {
            press(SCREEN_KEYS[pick(6)]);
        }
    }
}

void on_present(const HeadlessFrame&) {
    Soak& soak = *Current;
    ++soak.frames;
    const int voices = dsound_voices_playing();
    if (voices > soak.voices_most) soak.voices_most = voices;
    if (soak.frames == SOAK_FRAMES / 10) {
        soak.resident_at_tenth = resident_bytes();
        soak.voices_at_tenth = voices;
        soak.objects_at_tenth = dsound_objects_alive();
    }
    if (soak.frames >= SOAK_FRAMES) {
        if (!soak.quit_scheduled) {
            soak.resident_at_end = resident_bytes();
            soak.voices_at_end = voices;
            soak.objects_at_end = dsound_objects_alive();
            headless_script_close(headless_clock());
            soak.quit_scheduled = true;
        }
        return;
    }
    const float x = PlayerSprite.x, y = PlayerSprite.y;
    if (!std::isfinite(x) || !std::isfinite(y)) soak.all_finite = false;
    const bool playing = GameState == STATE_PLAYING;
    if (playing) {
        ++soak.played;
        if (on_screen(x, y)) ++soak.played_on_screen;
    }
    if (soak.quiet_frames > 0) {
        --soak.quiet_frames;
        return;
    }
    // One event at a time, each followed by a quiet frame: the loop takes one message a
    // pass, so every event meets the screen it was chosen for.
    soak.quiet_frames = 1;
    if (playing && steer()) return;
    if (pick(4) != 0) return;
    random_event();
}

} // namespace

TEST(Soak, MemoryStaysFlatAndTheCharacterFiniteThroughLongRandomPlay) {
    Soak soak;
    Current = &soak;
    platform_reset();
    headless_keep_frames(1);
    headless_on_present(on_present);
    char command_line[] = "";
    const int code = WinMain(nullptr, nullptr, command_line, SW_SHOWNORMAL);
    headless_on_present(nullptr);
    Current = nullptr;

    EXPECT_EQ(0, code);
    EXPECT_GE(soak.frames, SOAK_FRAMES);
    EXPECT_TRUE(soak.all_finite);
    ASSERT_GT(soak.resident_at_tenth, 0);
    ASSERT_GT(soak.resident_at_end, 0);
    const long growth = soak.resident_at_end - soak.resident_at_tenth;
    EXPECT_LE(std::labs(growth), FLAT_BYTES);
    // The sound was there (the device and its buffers) and stayed as it was: no buffer made
    // and kept, and no sound heard more times at once than its cap of copies, however many
    // jumps and landings were heard.
    EXPECT_GT(soak.objects_at_tenth, 1);
    EXPECT_EQ(soak.objects_at_end, soak.objects_at_tenth);
    EXPECT_LE(soak.voices_most, (GAME_SOUND_COUNT + 1) * SOUND_MAX_COPIES);
    // The run is worth something only if it is mostly played, and played on the screen.
    EXPECT_GT(soak.played, SOAK_FRAMES / 2);
    EXPECT_GT(soak.played_on_screen, soak.played * 3 / 4);
    std::printf("soak: %d frames, %d played (%d on the screen), steered back %d times; "
                "resident %.2f MB at 10%%, %.2f MB at the end (%+ld bytes); voices %d at 10%%, "
                "%d at the end, %d at most; %d sound objects at 10%%, %d at the end\n",
                soak.frames, soak.played, soak.played_on_screen, soak.steered,
                soak.resident_at_tenth / 1048576.0, soak.resident_at_end / 1048576.0, growth,
                soak.voices_at_tenth, soak.voices_at_end, soak.voices_most, soak.objects_at_tenth,
                soak.objects_at_end);
}
