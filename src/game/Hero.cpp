// CHero levelling, talent learning and the automatic equip.
#include "game/Hero.h"

#include "base/FormatText.h"
#include "i18n/Translation.h"

CHero::CHero() : CCharacter(TrMark("无名氏"), 0, {20, 10, 100}, 0) {}

int CHero::ExpForNextLevel() const { return (level + 1) * (level + 1); }

bool CHero::TryLevelUp() {
    if (level >= levelCap) return false;
    const int need = ExpForNextLevel();
    if (exp < need) return false;
    level += 1;
    exp -= need;
    stats = stats + CStats{4, 2, 20};
    return true;
}

void CHero::GainExp(int amount) {
    if (amount <= 0) return;
    exp += amount;
    while (TryLevelUp()) {
    }
    if (level >= levelCap) {
        const int need = ExpForNextLevel();
        if (exp >= need) exp = need - 1;
    }
}

void CHero::RaiseLevelCap(int newCap) {
    if (newCap > levelCap) levelCap = newCap;
}

std::string CHero::ExpText() const {
    if (level >= levelCap) return Tr("满级");
    return FormatText("%5.2f%%", exp * 100.0 / ExpForNextLevel());
}

bool CHero::LearnSkill(int skillId, std::string& message) {
    if (HasSkill(skillId)) {
        message = Tr("你已经有此技能。");
        return false;
    }
    if (skills.GetSize() >= maxSkills) {
        message =
            FormatText(TrN("最多可以学%d个技能，你已经有%d个技能。", "最多可以学%d个技能，你已经有%d个技能。",
                           static_cast<unsigned long>(maxSkills)),
                       maxSkills, skills.GetSize());
        return false;
    }
    if (!skillBooks.RemoveBooks(skillId, 1)) {
        message = Tr("你没有此种技能书。");
        return false;
    }
    skills.Add(skillId);
    return true;
}

bool CHero::ForgetSkill(int skillId, std::string& message) {
    const int index = skills.Find(skillId);
    if (index < 0) {
        message = Tr("你没有此技能。");
        return false;
    }
    skills.RemoveAt(index);
    return true;
}

void CHero::AutoEquip(const CItemTable& items) {
    for (int index = bag.GetUpperBound(); index >= 0; --index) {
        const CItem item = bag.GetAt(index);
        const int slot = SlotIndex(item.Kind(items));
        const CItem current = equipment.GetAt(slot);
        if (item.Level(items) > level || !item.Stats(items).StrictlyBetter(current.Stats(items))) continue;
        equipment.ElementAt(slot) = item;
        if (current.serial == 0)
            bag.RemoveAt(index);
        else
            bag.ElementAt(index) = current;
    }
}
