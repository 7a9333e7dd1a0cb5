// The game's sounds, read from the files beside the pictures at start and let go at the end.
#include "game/game_sounds.h"

#include "engine/display/display_context.h"
#include "engine/sound/sound.h"

#include <cstring>

namespace {

// Two copies of each effect, so a jump straight after a jump sounds over the first.
constexpr std::int32_t EFFECT_COPIES = 2;

const char* const EFFECT_FILES[GAME_SOUND_COUNT] = {"menumove.wav", "menuchoose.wav", "jump.wav",
                                                    "bump.wav", "land.wav"};

Sound Effects[GAME_SOUND_COUNT];
Sound Tune;

} // namespace

std::int32_t load_game_sounds() {
    std::memset(Effects, 0, sizeof Effects);
    std::memset(&Tune, 0, sizeof Tune);
    if (sound_init(MainWindow) != 1) return 0;
    std::int32_t made = 0;
    for (int i = 0; i < GAME_SOUND_COUNT; ++i)
        made += sound_load(&Effects[i], EFFECT_FILES[i], EFFECT_COPIES);
    made += sound_load(&Tune, "tune.wav", 1);
    // The tune sits under the effects.
    sound_set_volume(&Tune, -600);
    return made;
}

void release_game_sounds() {
    for (Sound& sound : Effects)
        sound_destroy(&sound);
    sound_destroy(&Tune);
    sound_shutdown();
}

void play_game_sound(GameSoundId id) {
    if (id >= 0 && id < GAME_SOUND_COUNT) sound_play(&Effects[id], 0);
}

void play_tune() {
    sound_play(&Tune, 1);
}

void stop_tune() {
    sound_stop(&Tune);
}

std::int32_t tune_playing() {
    return sound_playing(&Tune);
}
