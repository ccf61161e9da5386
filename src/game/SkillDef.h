// CSkillDef: one talent skill of the skill table (id, name, effect text), and
// the ids of the six skills as the rules refer to them.
#pragma once

#include <cstdint>
#include <string>

namespace SkillId {
inline constexpr int kAttackUp = 1;         // 骁勇善战: bare attack +5%
inline constexpr int kDamageUp = 2;         // 弱点击破: damage dealt +10%
inline constexpr int kDefenceHpUp = 3;      // 坚如磐石: bare defence and hp +5%
inline constexpr int kDamageTakenDown = 4;  // 无懈可击: damage received -10%
inline constexpr int kWeaponMastery = 5;    // 武器精通: attack from equipment +5%
inline constexpr int kArmourMastery = 6;    // 防具精通: defence and hp from equipment +5%
}  // namespace SkillId

class CSkillDef {
public:
    CSkillDef() = default;
    CSkillDef(std::int16_t skillId, std::string skillName, std::string skillDescription);
    virtual ~CSkillDef() = default;

    int Key() const { return id; }

    std::int16_t id = 0;
    std::string name;
    std::string description;
};
