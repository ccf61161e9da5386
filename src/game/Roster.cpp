// The eleven monsters and their drop tables, in roster order.
#include "game/Roster.h"

#include "game/ItemTable.h"
#include "game/SkillDef.h"
#include "i18n/Translation.h"

namespace {

constexpr int kDropCount = 1;
constexpr unsigned kDropChance = 2000;  // 20.00%

}  // namespace

CRoster::CRoster() {
    monsters_.Add({TrMark("蝗虫  "), 0, {20, 10, 90}, 1});
    monsters_.Add({TrMark("黄巾兵"), 1, {24, 12, 108}, 2});
    monsters_.Add({TrMark("朴刀兵"), 2, {28, 14, 127}, 3});
    monsters_.Add({TrMark("黄巾兵"), 3, {32, 16, 145}, 4});
    monsters_.Add({TrMark("枪兵"), 4, {36, 18, 163}, 5});
    monsters_.Add({TrMark("王伏"), 5, {69, 15, 109}, 6});
    monsters_.Add({TrMark("成应"), 5, {69, 25, 67}, 6});
    monsters_.Add({TrMark("赖昆"), 5, {242, 20, 19}, 6});
    monsters_.Add({TrMark("钢球兵"), 7, {48, 24, 217}, 10});
    monsters_.Add({TrMark("剑兵"), 9, {56, 28, 253}, 12});
    monsters_.Add({TrMark("申雄"), 10, {93, 0, 4760}, 14});

    for (int skillId :
         {SkillId::kAttackUp, SkillId::kDamageUp, SkillId::kDefenceHpUp, SkillId::kDamageTakenDown})
        AddDrop(4, EDropKind::kSkillBook, skillId);
    for (int skillId : {SkillId::kWeaponMastery, SkillId::kArmourMastery})
        AddDrop(8, EDropKind::kSkillBook, skillId);
    for (int itemId : {ItemId::kHookSpear, ItemId::kChainMail}) AddDrop(9, EDropKind::kItem, itemId);
}

void CRoster::AddDrop(int monsterIndex, EDropKind kind, int id) {
    monsters_.ElementAt(monsterIndex).drops.Add({kind, id, kDropCount, kDropChance});
}
