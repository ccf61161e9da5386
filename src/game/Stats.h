// CStats: the attack / defence / hp triple of characters and items, with the
// component-wise sum, percentage scaling and strict dominance used by the rules.
#pragma once

struct CStats {
    int attack = 0;
    int defence = 0;
    int hp = 0;

    // Each component times (1 + its percentage), in double precision, truncated
    // toward zero. The percentages stay single-precision floats on purpose: the
    // float nearest 0.05 lies slightly above it, so 20 x 1.05 gives exactly 21
    // while 10 x 1.05 still truncates to 10 and 24 x 1.05 to 25.
    CStats Scaled(float attackPercent, float defencePercent, float hpPercent) const;

    // At least as high in every component and higher in at least one.
    bool StrictlyBetter(const CStats& other) const;

    friend CStats operator+(const CStats& left, const CStats& right) {
        return {left.attack + right.attack, left.defence + right.defence, left.hp + right.hp};
    }
    friend bool operator==(const CStats&, const CStats&) = default;
};
