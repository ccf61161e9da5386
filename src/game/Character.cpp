// CCharacter stat totals.
#include "game/Character.h"

#include "game/SkillDef.h"

#include <utility>

namespace {

// The single-precision percentage a talent adds when the character knows it.
float TalentPercent(const CCharacter& character, int skillId) {
    return character.HasSkill(skillId) ? 0.05f : 0.0f;
}

}  // namespace

CCharacter::CCharacter(std::string characterName, int characterLevel, CStats characterStats, int characterExp)
    : stats(characterStats), exp(characterExp), level(characterLevel), name(std::move(characterName)) {}

bool CCharacter::HasSkill(int skillId) const { return skills.Find(skillId) >= 0; }

CStats CCharacter::BaseStats(bool withTalents) const {
    if (!withTalents) return stats;
    const float defenceHp = TalentPercent(*this, SkillId::kDefenceHpUp);
    return stats.Scaled(TalentPercent(*this, SkillId::kAttackUp), defenceHp, defenceHp);
}

CStats CCharacter::EquipStats(const CItemTable& items, bool withTalents) const {
    CStats sum;
    for (const CItem& item : equipment) sum = sum + item.Stats(items);
    if (!withTalents) return sum;
    const float defenceHp = TalentPercent(*this, SkillId::kArmourMastery);
    return sum.Scaled(TalentPercent(*this, SkillId::kWeaponMastery), defenceHp, defenceHp);
}

CStats CCharacter::TotalStats(const CItemTable& items) const {
    return BaseStats(true) + EquipStats(items, true);
}
