// The game's sounds in a scripted play, heard on the recorder: the stream must be exactly the
// sum of the sound files, each starting within the pass whose physics or input called for it
// (the menu's choice and the tune, every landing, every jump, the bump under the block) and the
// tune ending on the way back to the menu; before the first key the menu is silent.
#include "scripted_play.h"

#include "engine/sound/wave_file.h"
#include "game/player.h"
#include "game/player_state.h"
#include "game/screens.h"
#include "game/setup.h"
#include "platform/dsound/dsound_mixer.h"
#include "platform/host/audio/headless_audio.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int KEEP_FRAMES = 44100 * 60;
// The recorder's origin is known to the millisecond: windows are widened by this much.
constexpr long SLACK = 60;
// Frames compared to place a sound: less than a pass, so the next pass's sounds stay out.
constexpr long COMPARE = 300;

struct Seen {
    int pass;
    DWORD time;
    std::int32_t state;
    float x;
    std::int32_t velocity_y;
};

std::vector<Seen>* Log = nullptr;
int JumpPressedAt = 0;
int Stalled = 0;
int HopUntil = 0;

void press(int key, int down) {
    headless_script_key(headless_clock(), key, down);
}

// Walks right to beneath the block, hopping over whatever stops the walk, then jumps into
// the block with the key held, and goes back to the menu and out.
void steer(int pass, const HeadlessFrame& frame) {
    if (pass == 1) {
        ASSERT_EQ(headless_audio_keep(KEEP_FRAMES), 1);
    }
    const bool standing = PlayerVelocityY == 0;
    if (!Log->empty() && GameState == STATE_PLAYING && JumpPressedAt == 0 && pass > 22) {
        const float centre = PlayerSprite.x + 12;
        const float block_centre = BlockSprite.x + 16;
        Stalled = Log->back().x == PlayerSprite.x && standing ? Stalled + 1 : 0;
        if (HopUntil && pass >= HopUntil) {
            press(VK_NEXT, 0);
            HopUntil = 0;
        } else if (standing && !HopUntil && centre > block_centre - 6 &&
                   centre < block_centre + 6) {
            press(VK_RIGHT, 0);
            press(VK_NEXT, 1);
            JumpPressedAt = pass;
        } else if (Stalled >= 4 && !HopUntil) {
            press(VK_NEXT, 1);
            HopUntil = pass + 12;
        }
    }
    if (JumpPressedAt && pass == JumpPressedAt + 25) press(VK_NEXT, 0);
    if (JumpPressedAt && pass == JumpPressedAt + 30) press(VK_ESCAPE, 1);
    if (JumpPressedAt && pass == JumpPressedAt + 31) press(VK_ESCAPE, 0);
    if (pass == JumpPressedAt + 40 || pass == 600) press('Q', 1);
    Log->push_back({pass, frame.time, GameState, PlayerSprite.x, PlayerVelocityY});
}

// A sound file as the mixer plays it at the stream's rate: the frames it adds, at full
// volume unless said otherwise, centred.
std::vector<std::int32_t> as_played(const char* file, LONG volume, long frames, bool looping) {
    WaveData wave{};
    EXPECT_EQ(read_wave_file(&wave, file), 1) << file;
    std::vector<std::int32_t> sum(static_cast<std::size_t>(frames) * 2, 0);
    if (!wave.samples) return sum;
    MixVoice voice{};
    voice.data = wave.samples;
    voice.frames = wave.bytes / static_cast<std::uint32_t>(wave.channels * wave.bits / 8);
    voice.channels = wave.channels;
    voice.bits = wave.bits;
    voice.step = mix_step(static_cast<DWORD>(wave.rate), 44100);
    mix_pan_gains(volume, 0, &voice.left_gain, &voice.right_gain);
    voice.looping = looping;
    voice.playing = 1;
    mix_voice_add(&voice, sum.data(), static_cast<int>(frames));
    release_wave(&wave);
    return sum;
}

struct Heard {
    std::vector<std::int32_t> left; // what the stream holds that no sound found so far explains
    long frames;

    // Finds where `sound` starts within [from, to] so that it explains the next `compare`
    // frames exactly, and takes it out, up to `until` (the stream's end by default); -1
    // when no start fits.
    long take(const std::vector<std::int32_t>& sound, long from, long to, long compare,
              long until = -1) {
        const long length = static_cast<long>(sound.size() / 2);
        for (long start = std::max(0L, from); start <= to && start < frames; ++start) {
            bool fits = true;
            for (long k = 0; k < compare && k < length && start + k < frames && fits; ++k)
                fits = left[2 * (start + k)] == sound[2 * k] &&
                       left[2 * (start + k) + 1] == sound[2 * k + 1];
            if (!fits) continue;
            const long end = until < 0 ? frames : until;
            for (long k = 0; k < length && start + k < end; ++k) {
                left[2 * (start + k)] -= sound[2 * k];
                left[2 * (start + k) + 1] -= sound[2 * k + 1];
            }
            return start;
        }
        return -1;
    }
    long first_unexplained() const {
        for (long f = 0; f < frames; ++f)
            if (left[2 * f] != 0 || left[2 * f + 1] != 0) return f;
        return -1;
    }
};

} // namespace

TEST(SoundPlay, TheStreamIsTheSoundsStartedInTheirPasses) {
    std::vector<Seen> log;
    Log = &log;
    JumpPressedAt = Stalled = HopUntil = 0;
    const PlayResult result =
        play({{5, VK_RETURN, 1}, {6, VK_RETURN, 0}, {20, VK_RIGHT, 1}}, steer);
    Log = nullptr;
    EXPECT_EQ(result.exit_code, 0);
    ASSERT_GT(JumpPressedAt, 0) << "never reached the block";

    int frames = 0;
    const std::int16_t* stream = headless_audio_samples(&frames);
    ASSERT_NE(stream, nullptr);
    ASSERT_LT(frames, KEEP_FRAMES) << "the play outlasted the recording";
    Heard heard{std::vector<std::int32_t>(stream, stream + 2 * frames), frames};
    const DWORD origin = headless_audio_start_ms();
    auto frame_at = [&](DWORD ms) { return static_cast<long>((ms - origin) * 441L / 10); };
    // The pass's sounds start after the previous pass presented and before this one did.
    auto window_from = [&](std::size_t i) { return frame_at(log[i - 1].time) - SLACK; };
    auto window_to = [&](std::size_t i) { return frame_at(log[i].time) + SLACK; };

    const long end = frames + 44100;
    const auto tune = as_played("tune.wav", -600, end, true);
    const auto choose = as_played("menuchoose.wav", 0, end, false);
    const auto jump = as_played("jump.wav", 0, end, false);
    const auto bump = as_played("bump.wav", 0, end, false);
    const auto land = as_played("land.wav", 0, end, false);
    const auto tune_and_choose = [&] {
        std::vector<std::int32_t> both(tune.size());
        for (std::size_t i = 0; i < both.size(); ++i)
            both[i] = tune[i] + choose[i];
        return both;
    }();

    int jumps = 0, bumps = 0, lands = 0;
    long tune_start = -1;
    std::size_t leaving = 0;
    for (std::size_t i = 1; i < log.size(); ++i) {
        const Seen& before = log[i - 1];
        const Seen& now = log[i];
        if (before.state == STATE_MENU && now.state == STATE_PLAYING) {
            // Until the choice the menu was silent: nothing is explained before it.
            const long heard_from = heard.first_unexplained();
            EXPECT_GE(heard_from, frame_at(before.time) - SLACK) << "sound on the idle menu";
            // The choice and the tune start in the same call; the tune is taken out whole
            // for now and put back from where it stops.
            tune_start = heard.take(tune_and_choose, window_from(i), window_to(i), COMPARE);
            ASSERT_GE(tune_start, 0) << "no choice and tune in pass " << now.pass;
        }
        if (now.state != STATE_PLAYING) {
            if (before.state == STATE_PLAYING) leaving = i;
            continue;
        }
        const char* what = nullptr;
        const std::vector<std::int32_t>* sound = nullptr;
        if (before.velocity_y == 0 && now.velocity_y == JUMP_IMPULSE)
            what = "jump", sound = &jump, ++jumps;
        else if (before.velocity_y > 0 && now.velocity_y == FALL_SPEED &&
                 now.pass > JumpPressedAt && now.pass < JumpPressedAt + 25)
            what = "bump", sound = &bump, ++bumps;
        else if (before.velocity_y < 0 && now.velocity_y == 0)
            what = "landing", sound = &land, ++lands;
        if (!sound) continue;
        EXPECT_GE(heard.take(*sound, window_from(i), window_to(i), COMPARE), 0)
            << "no " << what << " in pass " << now.pass;
    }
    EXPECT_GE(jumps, 1);
    EXPECT_GE(bumps, 1) << "the held jump under the block is cut short";
    EXPECT_GE(lands, 2) << "the first fall onto the ground, and after the bump";

    // Back on the menu the tune stops within the pass that left the level: from some frame of
    // that pass on, the stream is short of exactly the tune.
    ASSERT_GT(leaving, 0u) << "never left the level";
    std::vector<std::int32_t> tune_after(tune.size(), 0);
    long stopped = -1;
    for (long at = window_from(leaving); at <= window_to(leaving) && stopped < 0; ++at) {
        bool fits = true;
        for (long k = 0; k < 4410 && at + k < frames && fits; ++k)
            for (int c = 0; c < 2 && fits; ++c)
                fits = heard.left[2 * (at + k) + c] == -tune[2 * (at + k - tune_start) + c];
        if (fits) stopped = at;
    }
    ASSERT_GE(stopped, 0) << "the tune did not stop on the way to the menu";
    for (long f = stopped; f < frames; ++f)
        for (int c = 0; c < 2; ++c)
            heard.left[2 * f + c] += tune[2 * (f - tune_start) + c];
    EXPECT_EQ(heard.first_unexplained(), -1) << "sound that no event of the play explains";
}

TEST(SoundPlay, WithoutTheSoundFilesTheGamePlaysTheSameInSilence) {
    namespace fs = std::filesystem;
    const fs::path here = fs::current_path();
    const fs::path folder = make_temp_folder("silent_game");
    ASSERT_FALSE(folder.empty());
    for (const char* name :
         {"menubackground1.bmp", "menubackground2.bmp", "menubackground3.bmp",
          "menubackground4.bmp", "option2.bmp", "option3.bmp", "gamebackground1.BMP",
          "pelkosprites.bmp", "questionblock.bmp", "PALDATA2.PAL"})
        fs::copy_file(here / name, folder / name);
    const std::vector<ScriptedKey> keys = {
        {3, VK_DOWN, 1},    {4, VK_DOWN, 0},    {5, VK_UP, 1},    {6, VK_UP, 0},
        {8, VK_RETURN, 1},  {9, VK_RETURN, 0},  {12, VK_NEXT, 1}, {20, VK_NEXT, 0},
        {40, VK_ESCAPE, 1}, {41, VK_ESCAPE, 0}, {45, 'Q', 1}};
    const auto keep = [](int pass, const HeadlessFrame&) {
        if (pass == 1) {
            ASSERT_EQ(headless_audio_keep(44100 * 10), 1);
        }
    };
    // Both plays start from the game's state at program start.
    const auto fresh_play = [&] {
        GameState = STATE_MENU;
        MenuSelection = 0;
        PlayerVelocityX = PlayerVelocityY = JumpRising = 0;
        return play(keys, keep);
    };
    const PlayResult with_sound = fresh_play();
    int frames = 0;
    const std::int16_t* stream = headless_audio_samples(&frames);
    EXPECT_GT(frames, 0);
    EXPECT_NE(std::count(stream, stream + 2 * frames, 0), 2 * frames) << "the files were heard";

    fs::current_path(folder);
    const PlayResult silent = fresh_play();
    fs::current_path(here);
    stream = headless_audio_samples(&frames);
    EXPECT_GT(frames, 0);
    EXPECT_EQ(std::count(stream, stream + 2 * frames, 0), 2 * frames);
    EXPECT_EQ(silent.exit_code, with_sound.exit_code);
    ASSERT_EQ(silent.passes.size(), with_sound.passes.size());
    for (std::size_t i = 0; i < silent.passes.size(); ++i) {
        const PassRecord& a = silent.passes[i];
        const PassRecord& b = with_sound.passes[i];
        EXPECT_TRUE(a.picture_as_expected) << a.pass;
        EXPECT_EQ(a.game_state, b.game_state) << a.pass;
        EXPECT_EQ(a.x, b.x) << a.pass;
        EXPECT_EQ(a.y, b.y) << a.pass;
        EXPECT_EQ(a.velocity_y, b.velocity_y) << a.pass;
    }
}
