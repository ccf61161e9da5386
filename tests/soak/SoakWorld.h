// CSoakWorld: the game world a soak game reads and re-seeds besides the view
// (the app's own, fresh for every game); every reach into it is in this one
// place.
#pragma once

#include <cstdint>

class CGameWorld;

class CSoakWorld {
public:
    explicit CSoakWorld(CGameWorld& world) : world_(world) {}

    void Seed(std::uint64_t seed);
    int MonsterCount() const;
    int DefeatCount(int monsterIndex) const;

private:
    CGameWorld& world_;
};
