// CSkillBookBag gains and losses.
#include "game/SkillBookBag.h"

#include <climits>

bool CSkillBookBag::AddBooks(int skillId, int count) {
    if (count <= 0) return false;
    const int index = Find(skillId);
    if (index < 0) return Append({skillId, count}, 1) >= 0;
    SkillBookEntry& entry = ElementAt(index);
    if (INT_MAX - count < entry.count) return false;
    entry.count += count;
    return true;
}

bool CSkillBookBag::RemoveBooks(int skillId, int count) {
    if (count <= 0) return false;
    const int index = Find(skillId);
    if (index < 0) return false;
    SkillBookEntry& entry = ElementAt(index);
    if (count > entry.count) return false;
    if (count == entry.count)
        RemoveAt(index);
    else
        entry.count -= count;
    return true;
}

int CSkillBookBag::BookCount(int skillId) const {
    const int index = Find(skillId);
    return index < 0 ? 0 : ElementAt(index).count;
}
