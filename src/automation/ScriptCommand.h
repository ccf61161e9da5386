// One command of the script language that drives and inspects the game,
// one command a line:
//   seed N          re-seed the random generator (N: 0 to 2^64 - 1)
//   move X Y        the pointer moved to (X, Y)
//   click X Y       left button down at (X, Y)
//   rclick X Y      right button down at (X, Y)
//   key CHORD       a key, e.g. ctrl+n, return, escape, tab, shift+tab, space
//   close           the active window's close box
//   shot FILE       the active window's client area as a PNG file
//   state           the game state as one line of JSON on standard output
//   windows         the open windows as one line of JSON
//   widgets         the active window's widget tree as one line of JSON
//   access          the active window's accessibility description as one line of JSON
//   focus NODE      assistive technology focused the node of that id ('access' lists them)
//   activate NODE   assistive technology activated it (as Space on the focused widget)
//   quit            end the program
// Coordinates are client coordinates of the active (top-most) window.
// Blank lines and lines starting with '#' are no commands. A shot's file
// name is the rest of the line (spaces kept). The same text is what a
// recording writes, so FormatScriptCommand and ParseScriptLine round-trip.
#pragma once

#include "base/ErrorOr.h"
#include "platform/Platform.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct ScriptCommand {
    enum class Kind {
        Seed,
        Move,
        Click,
        RClick,
        Key,
        Close,
        Shot,
        State,
        Windows,
        Widgets,
        Access,
        Focus,
        Activate,
        Quit
    };
    Kind kind = Kind::Quit;
    std::uint64_t seed = 0;  // Seed
    int x = 0;               // Move, Click, RClick
    int y = 0;
    KeyChord key;      // Key
    std::string file;  // Shot
    std::string node;  // Focus, Activate
    int line = 0;      // where the command stands in its script (1-based)

    // The command's word ("click", "shot", ...).
    std::string_view Name() const;
    // The input event of Move, Click, RClick, Key, Close, Focus and Activate;
    // none for the others.
    std::optional<InputEvent> Event() const;
};

// What one line of a script says: a command, nothing (blank or comment), or
// a syntax error with a one-line message (without file and line).
using ParsedLine = CErrorOr<std::optional<ScriptCommand>>;

ParsedLine ParseScriptLine(std::string_view text, int lineNumber);

// The command as a script line (no line break). Null for a key whose chord
// has no name.
std::optional<std::string> FormatScriptCommand(const ScriptCommand& command);
// The command that replays event, when it can be written.
std::optional<ScriptCommand> CommandForEvent(const InputEvent& event);
