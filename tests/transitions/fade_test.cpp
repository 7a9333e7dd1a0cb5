// Palette fades: each ends where its per-step arithmetic leads, entry by entry, in both the
// program's copy and the display palette, and every step pauses on the frame clock.
#include "transition_fixture.h"

#include <cstdint>
#include <cstring>
#include <random>
#include <span>
#include <string>

namespace {

struct FadeCase {
    const char* name;
    std::int32_t effect;
    std::int32_t steps;
    std::int32_t first_entry;
    int red, green, blue; // change per step; unused by the fade to black
};

const FadeCase FADE_CASES[] = {
    {"black", TRANSITION_FADE_BLACK, 80, 1, 0, 0, 0},
    {"white", TRANSITION_FADE_WHITE, 64, 0, 4, 4, 4},
    {"blue", TRANSITION_FADE_BLUE, 64, 0, -4, -4, 6},
    {"red", TRANSITION_FADE_RED, 64, 0, 6, -4, -4},
    {"green", TRANSITION_FADE_GREEN, 64, 0, -4, 6, -4},
};

std::uint8_t after_steps(std::uint8_t start, const FadeCase& fade, int delta) {
    int value = start;
    for (int step = 0; step < fade.steps; ++step) {
        if (fade.effect == TRANSITION_FADE_BLACK)
            value = value > 4 ? value - 3 : 0;
        else
            value = value + delta < 0 ? 0 : value + delta > 255 ? 255 : value + delta;
    }
    return static_cast<std::uint8_t>(value);
}

// Random colours and flags, with the corners of the arithmetic in the first entries.
void starting_palette(Palette palette) {
    std::mt19937 random(2005);
    for (PaletteEntry& entry : std::span(palette, 256))
        entry = {static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
                 static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random() % 8)};
    palette[0] = {200, 100, 50, 7};
    palette[1] = {255, 245, 4, 1};
    palette[2] = {0, 5, 255, 4};
}

struct FadeTest : TransitionTest, ::testing::WithParamInterface<FadeCase> {};

} // namespace

TEST_P(FadeTest, EndsAtTheArithmeticOfItsStepsAndPausesEachStep) {
    const FadeCase& fade = GetParam();
    Palette start;
    starting_palette(start);
    ASSERT_EQ(DD_OK, directdraw->CreatePalette(DDPCAPS_8BIT | DDPCAPS_ALLOW256,
                                               reinterpret_cast<LPPALETTEENTRY>(start),
                                               &display_palette, nullptr));
    set_palette(start);

    // No buffer: the fades still run, since they draw nothing.
    const DWORD took = elapsed([&] { screen_transition(fade.effect, nullptr, 0); });
    EXPECT_GE(took, static_cast<DWORD>(fade.steps) * 12);
    EXPECT_GE(headless_clock() - FrameStartTicks, 12u) << "the last step pauses too";

    Palette after;
    get_palette(after);
    Palette shown;
    display_palette->GetEntries(0, 0, 256, reinterpret_cast<LPPALETTEENTRY>(shown));
    EXPECT_EQ(0, std::memcmp(after, shown, sizeof(Palette)));
    for (int i = 0; i < 256; ++i) {
        const PaletteEntry& from = start[i];
        const bool changed = i >= fade.first_entry;
        const PaletteEntry expected = {
            changed ? after_steps(from.red, fade, fade.red) : from.red,
            changed ? after_steps(from.green, fade, fade.green) : from.green,
            changed ? after_steps(from.blue, fade, fade.blue) : from.blue, from.flags};
        ASSERT_EQ(0, std::memcmp(&expected, &after[i], sizeof(PaletteEntry)))
            << "entry " << i << ": " << int(after[i].red) << " " << int(after[i].green) << " "
            << int(after[i].blue) << " " << int(after[i].flags);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFade, FadeTest, ::testing::ValuesIn(FADE_CASES),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TransitionTest, FadesReachTheirEndsExactly) {
    Palette start;
    starting_palette(start);
    Palette after;

    set_palette(start);
    screen_transition(TRANSITION_FADE_BLACK, nullptr, 0);
    get_palette(after);
    EXPECT_EQ(200, after[0].red) << "the background entry stays";
    EXPECT_EQ(15, after[1].red);
    EXPECT_EQ(5, after[1].green);
    EXPECT_EQ(0, after[1].blue);
    EXPECT_EQ(15, after[2].blue);

    const struct {
        std::int32_t effect;
        int red, green, blue;
    } ends[] = {{TRANSITION_FADE_WHITE, 255, 255, 255},
                {TRANSITION_FADE_BLUE, 0, 0, 255},
                {TRANSITION_FADE_RED, 255, 0, 0},
                {TRANSITION_FADE_GREEN, 0, 255, 0}};
    for (const auto& end : ends) {
        set_palette(start);
        screen_transition(end.effect, nullptr, 0);
        get_palette(after);
        for (int i = 0; i < 256; ++i) {
            ASSERT_EQ(end.red, after[i].red) << end.effect << " entry " << i;
            ASSERT_EQ(end.green, after[i].green) << end.effect << " entry " << i;
            ASSERT_EQ(end.blue, after[i].blue) << end.effect << " entry " << i;
            ASSERT_EQ(start[i].flags, after[i].flags) << end.effect << " entry " << i;
        }
    }
}

TEST_F(TransitionTest, UnknownEffectsReturnAtOnceAndChangeNothing) {
    Palette start;
    starting_palette(start);
    set_palette(start);
    std::uint8_t pixels[16] = {1, 2, 3};
    for (std::int32_t effect : {9, -1, 100, INT32_MIN, INT32_MAX}) {
        EXPECT_EQ(0u, elapsed([&] { screen_transition(effect, pixels, 4); })) << effect;
        EXPECT_EQ(0, std::memcmp(start, palette_entries, sizeof(Palette))) << effect;
        EXPECT_EQ(3, pixels[2]) << effect;
    }
}
