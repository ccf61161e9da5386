// Rows of the talent-skill table and the look-up by id.
#include "game/SkillTable.h"

CSkillTable::CSkillTable() {
    rows_.Add({SkillId::kAttackUp, "骁勇善战", "攻击增加5%。"});
    rows_.Add({SkillId::kDamageUp, "弱点击破", "伤害增加10%。"});
    rows_.Add({SkillId::kDefenceHpUp, "坚如磐石", "防御、血加5%。"});
    rows_.Add({SkillId::kDamageTakenDown, "无懈可击", "减少对方伤害10%。"});
    rows_.Add({SkillId::kWeaponMastery, "武器精通", "装备上的攻击效果增加5%。"});
    rows_.Add({SkillId::kArmourMastery, "防具精通", "装备上的防御、气血效果增加5%。"});
}

const CSkillDef* CSkillTable::Find(int id) const {
    const int index = rows_.Find(id);
    return index < 0 ? nullptr : &rows_.ElementAt(index);
}
