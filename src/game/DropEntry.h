// CDropEntry: one row of a monster's drop table (a skill book or an item, how
// many, and the chance in ten-thousandths), with the two texts of the reward
// card: the label "name(count)" and the chance "%5.2f%%".
#pragma once

#include <cstdint>
#include <string>

namespace DropKind {
inline constexpr int kSkillBook = 1;
inline constexpr int kItem = 2;
}  // namespace DropKind

struct CDropEntry {
    CDropEntry() = default;
    CDropEntry(std::int16_t entryKind, int entryId, int entryCount, unsigned entryChance);

    // Skill or item name and count; empty for an unknown id or kind.
    std::string Label() const;
    // 2000 reads "20.00%".
    std::string ChanceText() const;

    int kind = 0;
    int id = 0;
    int count = 0;
    unsigned chance = 0;
};
