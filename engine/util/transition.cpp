// Full-screen transitions: palette fades stepped through the display palette, line wipes and
// a random dissolve drawn into the caller's pixel memory, all paced by the frame clock.
#include "engine/util/transition.h"

#include "engine/display/display_context.h"
#include "engine/display/palette.h"
#include "engine/util/frame_clock.h"
#include "engine/util/lines.h"
#include "engine/util/transition_wipe.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr DWORD STEP_MILLISECONDS = 12;

struct Fade {
    std::int32_t effect;
    std::int32_t steps;
    std::int32_t first_entry;
    std::int32_t red, green, blue; // change per step, capped to 0..255
};

// The fade to black changes entries by its own rule (see step_component); its deltas are
// unused. Entry 0, the background colour, stays as it is there.
constexpr Fade FADES[] = {
    {TRANSITION_FADE_BLACK, 80, 1, 0, 0, 0},   {TRANSITION_FADE_WHITE, 64, 0, 4, 4, 4},
    {TRANSITION_FADE_BLUE, 64, 0, -4, -4, 6},  {TRANSITION_FADE_RED, 64, 0, 6, -4, -4},
    {TRANSITION_FADE_GREEN, 64, 0, -4, 6, -4},
};

const Fade* find_fade(std::int32_t effect) {
    for (const Fade& fade : FADES)
        if (fade.effect == effect) return &fade;
    return nullptr;
}

std::uint8_t step_component(std::uint8_t value, std::int32_t delta, bool to_black) {
    // Towards black a component drops by 3 and snaps to 0 once it is down to 4, so bright
    // colours keep a trace of themselves after the last step.
    if (to_black) return static_cast<std::uint8_t>(value > 4 ? value - 3 : 0);
    return static_cast<std::uint8_t>(std::clamp(value + delta, 0, 255));
}

// Each step starts the pause afresh, so a main-loop pass after a transition measures its
// time from the transition's last step.
void pause_step() {
    start_frame_clock();
    wait_frame_clock(STEP_MILLISECONDS);
}

void run_fade(const Fade& fade) {
    const bool to_black = fade.effect == TRANSITION_FADE_BLACK;
    Palette work_palette;
    for (std::int32_t step = 0; step < fade.steps; ++step) {
        get_palette(work_palette);
        for (std::int32_t i = fade.first_entry; i < 256; ++i) {
            PaletteEntry color = work_palette[i]; // the flags byte goes through as it is
            color.red = step_component(color.red, fade.red, to_black);
            color.green = step_component(color.green, fade.green, to_black);
            color.blue = step_component(color.blue, fade.blue, to_black);
            work_palette[i] = color;
        }
        set_palette(work_palette);
        pause_step();
    }
}

// Where the wipes draw, and whether they can: nothing without pixel memory, at a depth
// other than 8 or 16 bits, or on a screen without pixels.
struct WipeTarget {
    std::uint8_t* buffer;
    std::int32_t pitch;
    std::int32_t width;
    std::int32_t height;
    std::int32_t bpp;

    bool drawable() const {
        return buffer != nullptr && (bpp == 8 || bpp == 16) && width > 0 && height > 0;
    }
    std::uint16_t* words() const { return reinterpret_cast<std::uint16_t*>(buffer); }
};

// Lines go through the clip rectangle, so a narrower rectangle wipes only its inside.
void draw_wipe_line(const WipeTarget& target, const WipeLine& line) {
    const std::int32_t last = (line.vertical ? target.height : target.width) - 1;
    if (target.bpp == 8) {
        if (line.vertical)
            draw_vline8(0, last, line.at, 0, target.buffer, target.pitch);
        else
            draw_hline8(0, last, line.at, 0, target.buffer, target.pitch);
    } else if (line.vertical) {
        draw_vline16(0, last, line.at, 0, target.words(), target.pitch);
    } else {
        draw_hline16(0, last, line.at, 0, target.words(), target.pitch);
    }
}

// Every step pauses, drawn or not, so the wipe takes its time at any depth.
void run_line_wipe(std::int32_t effect, const WipeTarget& target) {
    const std::int32_t steps = wipe_step_count(effect, target.width, target.height);
    WipeLine lines[WIPE_MAX_LINES];
    for (std::int32_t step = 0; step < steps; ++step) {
        pause_step();
        if (!target.drawable()) continue;
        const std::int32_t count =
            wipe_step_lines(effect, step, target.width, target.height, lines);
        for (std::int32_t i = 0; i < count; ++i)
            draw_wipe_line(target, lines[i]);
    }
}

// Four pixels per screen pixel leave about one in fifty untouched. The places are taken
// modulo the screen's size and not clipped: the caller's buffer covers the screen.
void run_dissolve(const WipeTarget& target) {
    if (!target.drawable()) return;
    const std::int64_t count = 4 * static_cast<std::int64_t>(target.width) * target.height + 1;
    for (std::int64_t i = 0; i < count; ++i) {
        const std::int32_t row = std::rand() % target.height;
        const std::int32_t column = std::rand() % target.width;
        if (target.bpp == 8)
            plot_pixel8(column, row, 0, target.buffer, target.pitch);
        else
            plot_pixel16(column, row, 0, target.words(), target.pitch);
    }
}

} // namespace

void screen_transition(std::int32_t effect, std::uint8_t* buffer, std::int32_t pitch) {
    if (const Fade* fade = find_fade(effect)) {
        run_fade(*fade);
        return;
    }
    const WipeTarget target = {buffer, pitch, screen_width, screen_height, screen_bpp};
    if (effect == TRANSITION_DISSOLVE)
        run_dissolve(target);
    else
        run_line_wipe(effect, target); // no steps for an unknown effect
}
