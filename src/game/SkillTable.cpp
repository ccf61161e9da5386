// Rows of the talent-skill table and the look-up by id.
#include "game/SkillTable.h"

void BuildSkillTable() {
    CAnQianArray<CSkillDef>& table = SkillTable();
    if (table.GetSize() > 0) return;
    table.Add({SkillId::kAttackUp, "骁勇善战", "攻击增加5%。"});
    table.Add({SkillId::kDamageUp, "弱点击破", "伤害增加10%。"});
    table.Add({SkillId::kDefenceHpUp, "坚如磐石", "防御、血加5%。"});
    table.Add({SkillId::kDamageTakenDown, "无懈可击", "减少对方伤害10%。"});
    table.Add({SkillId::kWeaponMastery, "武器精通", "装备上的攻击效果增加5%。"});
    table.Add({SkillId::kArmourMastery, "防具精通", "装备上的防御、气血效果增加5%。"});
}

const CSkillDef* FindSkill(int id) {
    const CAnQianArray<CSkillDef>& table = SkillTable();
    const int index = table.Find(id);
    return index < 0 ? nullptr : &table.ElementAt(index);
}
