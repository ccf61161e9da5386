// Rows of the talent-skill table and the look-up by id.
#include "game/SkillTable.h"

#include "i18n/Translation.h"

CSkillTable::CSkillTable() {
    rows_.Add({SkillId::kAttackUp, TrMark("骁勇善战"), TrMark("攻击增加5%。")});
    rows_.Add({SkillId::kDamageUp, TrMark("弱点击破"), TrMark("伤害增加10%。")});
    rows_.Add({SkillId::kDefenceHpUp, TrMark("坚如磐石"), TrMark("防御、血加5%。")});
    rows_.Add({SkillId::kDamageTakenDown, TrMark("无懈可击"), TrMark("减少对方伤害10%。")});
    rows_.Add({SkillId::kWeaponMastery, TrMark("武器精通"), TrMark("装备上的攻击效果增加5%。")});
    rows_.Add({SkillId::kArmourMastery, TrMark("防具精通"), TrMark("装备上的防御、气血效果增加5%。")});
}

const CSkillDef* CSkillTable::Find(int id) const {
    const int index = rows_.Find(id);
    return index < 0 ? nullptr : &rows_.ElementAt(index);
}
