// Scripted controllers for the headless host: plugged in, moved and unplugged at virtual
// times, read by the message pump as a system's controllers are, bound keys and all.
#pragma once

#include "platform/pads.h"

#include <cstdint>

// From `at_ms` on, controller `pad_id` (the test's own name for it, kept as its kind too)
// is plugged in, holding `buttons` (pad_button bits; a trigger's bit pulls it all the way)
// with its axes at `axes` (PAD_AXIS_COUNT raw values in PadAxis order, before any dead zone;
// null for all at rest).
void headless_script_pad(std::uint32_t at_ms, int pad_id, std::uint32_t buttons,
                         const std::int32_t* axes);
// From `at_ms` on, controller `pad_id` is unplugged.
void headless_script_pad_gone(std::uint32_t at_ms, int pad_id);

// For the host: where the keys bound to the controllers' buttons go.
struct HeadlessPadKey {
    void (*emit)(int virtual_key, int down, void* context);
    void* context;
};
// For the host: applies every scripted change due at `clock_ms`, in time order.
void headless_pads_due(std::uint32_t clock_ms, const HeadlessPadKey& key);
// Forgets the scripted controllers and the numbers they were given.
void headless_pads_reset();
