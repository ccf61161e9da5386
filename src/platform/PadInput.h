// CPadInput: one controller as the keys it acts as (KeyTable.h's
// kPadTable). A button pressed is its key; the left stick pushed past the
// dead zone is the d-pad's button that way, the stronger axis deciding; a
// direction held (the last one pressed, by d-pad or stick) presses again
// after kPadRepeatDelayMs, then every kPadRepeatIntervalMs, until it is let
// go. Times are milliseconds of any steady clock; nothing here reads one, so
// the backend sleeps until NextRepeat and never while nothing is held.
#pragma once

#include "platform/KeyTable.h"

#include <cstdint>
#include <optional>

class CPadInput {
public:
    using Ms = std::int64_t;

    // A button went down (down) or up at now: its key, when it went down.
    std::optional<KeyChord::Key> Button(PadButton button, bool down, Ms now);
    // The left stick at now, each axis from -1 to 1 (right and down
    // positive): the key of the way it points, when it turned to a new way.
    std::optional<KeyChord::Key> Stick(double x, double y, Ms now);
    // The held direction's key when its next press is due at now.
    std::optional<KeyChord::Key> Repeat(Ms now);
    // When the next repeated press is due; none while no direction is held.
    std::optional<Ms> NextRepeat() const;

private:
    // A direction that repeats: from a d-pad button, or from the stick.
    struct CHeld {
        PadButton way;
        bool stick;
        Ms due;
    };
    std::optional<KeyChord::Key> Hold(PadButton way, bool stick, Ms now);
    void LetGo(PadButton way, bool stick);

    std::optional<CHeld> held_;
    std::optional<PadButton> stickWay_;
};

// The way the stick points (Up, Down, Left or Right), or none inside the
// dead zone.
std::optional<PadButton> StickWay(double x, double y);
