// Each controller on its own, the same on every system: the hosts report every controller
// they read, and each is given a number that it keeps while plugged in and, where no other
// took it, when plugged in again; pad_read (platform/pads.h) hands out what each one did.
#pragma once

#include "platform/host/pad_keys.h"

#include <cstddef>
#include <cstdint>

// The axes' dead zones: a stick within this of its centre, or a trigger pressed no further,
// reads 0.
constexpr int PAD_STICK_DEAD_ZONE = 8000;
constexpr int PAD_TRIGGER_DEAD_ZONE = 3900;

// One reading of every controller is a pads_seen for each controller read, then pads_sweep.
// `handle` tells a controller apart from the others plugged in at the same time (the
// system's own number for it); `kind` tells what it is (its model, or its place where the
// system has fixed places): a controller plugged in again goes back to the number a
// controller of its kind had, when that is free.
void pads_seen(std::int64_t handle, std::uint64_t kind, const PadState& state);
// A kind made of the bytes that name a model (a GUID, the browser's id of a pad).
std::uint64_t pad_kind(const void* bytes, std::size_t size);
// Every controller that was not seen since the last sweep is unplugged: it lets go of its
// buttons and its number is free.
void pads_sweep();
// Every controller plugged in lets go of its buttons, until it is read again (the window
// lost the focus).
void pads_let_go();
// Forgets every controller and every number given out.
void pads_reset();

// A stick's value (`dead_zone` PAD_STICK_DEAD_ZONE) or a trigger's (PAD_TRIGGER_DEAD_ZONE)
// with the dead zone taken out and the rest stretched over the whole range again, kept
// within -32768 to 32767.
int pad_dead_zoned(int value, int dead_zone);
