// The table of blinking palette entries. Blinkers change only the display palette, so
// palette_entries keeps the colours the program set.
#include "engine/display/palette.h"

#include "engine/display/display_context.h"

#include <cstring>

namespace {

PaletteBlinker blinkers[256];
bool blinkers_ready = false;

bool valid_slot(std::int32_t slot) {
    return slot >= 0 && slot <= 255;
}

void show_color(std::int32_t index, PaletteEntry color) {
    if (display_palette == nullptr) return;
    display_palette->SetEntries(0, static_cast<DWORD>(index), 1,
                                reinterpret_cast<LPPALETTEENTRY>(&color));
}

std::int32_t blink_add(const PaletteBlinker* blinker) {
    if (blinker == nullptr || blinker->color_index < 0 || blinker->color_index > 255) return -1;
    for (std::int32_t slot = 0; slot < 256; ++slot) {
        if (blinkers[slot].state != 0) continue;
        blinkers[slot] = *blinker;
        blinkers[slot].counter = 0;
        blinkers[slot].state = -1;
        show_color(blinkers[slot].color_index, blinkers[slot].off_color);
        return slot;
    }
    // Every slot taken: -1, which no slot number can be mistaken for.
    return -1;
}

std::int32_t blink_delete(std::int32_t slot) {
    if (!valid_slot(slot) || blinkers[slot].state == 0) return -1;
    std::memset(&blinkers[slot], 0, sizeof(PaletteBlinker));
    return slot;
}

std::int32_t blink_update(const PaletteBlinker* blinker, std::int32_t slot) {
    if (blinker == nullptr || !valid_slot(slot) || blinkers[slot].state == 0) return -1;
    PaletteBlinker& target = blinkers[slot];
    target.on_color = blinker->on_color;
    target.off_color = blinker->off_color;
    target.on_time = blinker->on_time;
    target.off_time = blinker->off_time;
    show_color(target.color_index, target.state == -1 ? target.off_color : target.on_color);
    return slot;
}

void blink_run() {
    for (PaletteBlinker& blinker : blinkers) {
        if (blinker.state == -1) {
            if (++blinker.counter >= blinker.off_time) {
                blinker.counter = 0;
                blinker.state = 1;
                show_color(blinker.color_index, blinker.on_color);
            }
        } else if (blinker.state == 1) {
            if (++blinker.counter >= blinker.on_time) {
                blinker.counter = 0;
                blinker.state = -1;
                show_color(blinker.color_index, blinker.off_color);
            }
        }
    }
}

} // namespace

void blink_palette_reset() {
    std::memset(blinkers, 0, sizeof(blinkers));
    blinkers_ready = true;
}

std::int32_t blink_palette(std::int32_t command, PaletteBlinker* blinker, std::int32_t slot) {
    if (!blinkers_ready) blink_palette_reset();
    switch (command) {
    case BLINK_ADD:
        return blink_add(blinker);
    case BLINK_DELETE:
        return blink_delete(slot);
    case BLINK_UPDATE:
        return blink_update(blinker, slot);
    case BLINK_RUN:
        blink_run();
        return 1;
    default:
        return 1;
    }
}
