// Key chords as scripts write them: modifiers first, joined by '+', then the
// key: "ctrl+n", "ctrl+shift+p", "return", "escape", "ctrl+=", "ctrl+-",
// and the focus keys "tab" ("shift+tab"), "space", "left", "right", "up",
// "down", "pageup", "pagedown", "home", "end". Letters are a to z; "enter"
// and "esc" are read as return and escape. Case does not matter when reading;
// writing gives the lower-case form above. Other keys have no name (no
// handler acts on them).
#pragma once

#include "platform/Window.h"

#include <optional>
#include <string>
#include <string_view>

std::optional<KeyChord> ParseKeyChord(std::string_view text);
// Empty for a chord whose key has no name.
std::string KeyChordName(const KeyChord& chord);
