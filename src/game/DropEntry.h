// CDropEntry: one row of a monster's drop table (a skill book or an item, how
// many, and the chance in ten-thousandths), with the two texts of the reward
// card: the label "name(count)" and the chance "%5.2f%%".
#pragma once

#include <string>

class CItemTable;
class CSkillTable;

enum class EDropKind { kNone = 0, kSkillBook = 1, kItem = 2 };

struct CDropEntry {
    CDropEntry() = default;
    CDropEntry(EDropKind entryKind, int entryId, int entryCount, unsigned entryChance);

    // Skill or item name and count, looked up in the tables; empty for an
    // unknown id or kind.
    std::string Label(const CSkillTable& skills, const CItemTable& items) const;
    // 2000 reads "20.00%".
    std::string ChanceText() const;

    EDropKind kind = EDropKind::kNone;
    int id = 0;
    int count = 0;
    unsigned chance = 0;
};
