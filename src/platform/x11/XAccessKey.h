// An X key event, as SDL hands it over when asked for the window system's
// own events (SDL_SYSWMEVENT), in the terms of the accessibility bus
// (CAccessKey): the keysym with the modifiers applied, the hardware code,
// the modifier mask, and the text typed, or the keysym's name when that is
// nothing printable (as GTK gives it, and as Orca reads it: "KP_Enter",
// "Insert").
#pragma once

#include "platform/AccessBus.h"

#include <optional>

union SDL_Event;

// None for an event that is no X key event.
std::optional<CAccessKey> XAccessKey(const SDL_Event& event);
