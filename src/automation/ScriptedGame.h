// CScriptedGame: what a script needs from the game it drives, and nothing
// more, so that the scripting layer knows no game rules. The program's shell
// implements it over the running game.
#pragma once

#include <cstdint>
#include <string>

class CScriptedGame {
public:
    virtual ~CScriptedGame() = default;

    // The game state as one line of JSON (the "state" command).
    virtual std::string StateLine() = 0;
    // Re-seeds the game's random generator (the "seed" command).
    virtual void Reseed(std::uint64_t seed) = 0;
};
