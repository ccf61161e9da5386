// CSkillBookBag: the hero's skill books, one (skill id, count) entry per skill
// in order of first gain, at most 100 entries. A gain that does not fit, or
// that would push a count past the int32 maximum, is refused quietly.
#pragma once

#include "base/DingChangArray.h"

struct SkillBookEntry {
    int skillId = 0;
    int count = 0;

    int Key() const { return skillId; }
};

class CSkillBookBag : public CDingChangArray<SkillBookEntry> {
public:
    static constexpr int kCapacity = 100;

    CSkillBookBag() : CDingChangArray<SkillBookEntry>(kCapacity, 0) {}

    bool AddBooks(int skillId, int count);
    // Takes count books away; the entry disappears with its last book.
    bool RemoveBooks(int skillId, int count);
    // How many books of the skill are held (0 when none).
    int BookCount(int skillId) const;
};
