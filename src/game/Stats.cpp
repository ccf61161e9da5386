// CStats scaling and comparison.
#include "game/Stats.h"

namespace {

int ScaleComponent(int value, float percent) {
    return static_cast<int>(value * (1.0 + static_cast<double>(percent)));
}

}  // namespace

CStats CStats::Scaled(float attackPercent, float defencePercent, float hpPercent) const {
    return {ScaleComponent(attack, attackPercent), ScaleComponent(defence, defencePercent),
            ScaleComponent(hp, hpPercent)};
}

bool CStats::StrictlyBetter(const CStats& other) const {
    const bool noneLower = attack >= other.attack && defence >= other.defence && hp >= other.hp;
    const bool oneHigher = attack > other.attack || defence > other.defence || hp > other.hp;
    return noneLower && oneHigher;
}
