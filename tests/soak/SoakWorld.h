// CSoakWorld: the game objects a soak game reads and resets besides the view:
// the defeat tally, the item serials, the generator and the roster. They are
// program-wide today, so each game starts by putting them back as a program
// start finds them; every reach into them is in this one place.
#pragma once

#include <cstdint>

class CSoakWorld {
public:
    // Before the game is set up: a fresh tally and item numbering.
    CSoakWorld();

    void Seed(std::uint64_t seed);
    int MonsterCount() const;
    int DefeatCount(int monsterIndex) const;
};
