// Battle estimate and fight.
//
// Each side fights with a profile of its stat totals and two float bonuses:
//   damage bonus        0.1 with skill 2 (弱点击破), else 0
//   damage taken bonus -0.1 with skill 4 (无懈可击), else 0
//
// Estimate, H the hero and M the monster, first matching row decides:
//   | condition              | result | text                 |
//   |------------------------|--------|----------------------|
//   | H.attack <= M.defence  | lose   | "打不动对方。"       |
//   | M.attack <= H.defence  | win    | "对方对不动你。"     |
//   | rH < rM                | win    | rounds and damages   |
//   | rH >= rM (ties lose)   | lose   | rounds and damages   |
// where, in double precision with each damage stored as a float:
//   dH = (H.attack - M.defence) * ((H.damage bonus + 1.0) + M.damage taken bonus)
//   dM = (M.attack - H.defence) * ((M.damage bonus + 1.0) + H.damage taken bonus)
//   rH = trunc(M.hp / dH + 0.9999)        rM = trunc(H.hp / dM + 0.9999)
// Example: the new hero (20, 10, 100) against 黄巾兵 (24, 12, 108) deals 8.00
// and takes 14.00 per round, needs 14 rounds and lasts 8: a loss.
#include "game/Battle.h"

#include "base/FormatText.h"
#include "game/DefeatTally.h"
#include "game/DropRoll.h"
#include "game/GameWorld.h"
#include "game/Hero.h"
#include "game/Roster.h"
#include "game/SkillDef.h"
#include "i18n/Translation.h"

namespace {

struct CCombatProfile {
    CStats stats;
    float damageBonus;
    float damageTakenBonus;
};

CCombatProfile ProfileOf(const CCharacter& fighter, const CItemTable& items) {
    return {fighter.TotalStats(items), fighter.HasSkill(SkillId::kDamageUp) ? static_cast<float>(0.1) : 0.0f,
            fighter.HasSkill(SkillId::kDamageTakenDown) ? static_cast<float>(-0.1) : 0.0f};
}

float DamagePerRound(const CCombatProfile& attacker, const CCombatProfile& defender) {
    const int margin = attacker.stats.attack - defender.stats.defence;
    const double factor =
        (static_cast<double>(attacker.damageBonus) + 1.0) + static_cast<double>(defender.damageTakenBonus);
    return static_cast<float>(margin * factor);
}

int RoundsToDefeat(int hp, float damagePerRound) {
    return static_cast<int>(hp / static_cast<double>(damagePerRound) + 0.9999);
}

}  // namespace

std::string CEstimate::HintText() const { return (win ? Tr("打得过\r\n") : Tr("打不过\r\n")) + text; }

CEstimate Estimate(const CCharacter& hero, const CCharacter& monster, const CItemTable& items) {
    const CCombatProfile heroSide = ProfileOf(hero, items);
    const CCombatProfile monsterSide = ProfileOf(monster, items);
    if (heroSide.stats.attack <= monsterSide.stats.defence) return {false, Tr("打不动对方。")};
    if (monsterSide.stats.attack <= heroSide.stats.defence) return {true, Tr("对方对不动你。")};

    const float heroDamage = DamagePerRound(heroSide, monsterSide);
    const float monsterDamage = DamagePerRound(monsterSide, heroSide);
    const int heroRounds = RoundsToDefeat(monsterSide.stats.hp, heroDamage);
    const int monsterRounds = RoundsToDefeat(heroSide.stats.hp, monsterDamage);
    return {
        heroRounds < monsterRounds,
        FormatText(
            // TRANSLATORS: the fight button's hint; the first number is the rounds the hero needs.
            TrN("你%d回合消灭对方，对方%d回合消灭你。\r\n你每回给对方造成%5.2f伤害，对方每回合给你造成%5."
                "2f伤害。",
                "你%d回合消灭对方，对方%d回合消灭你。\r\n你每回给对方造成%5.2f伤害，对方每回合给你造成%5."
                "2f伤害。",
                static_cast<unsigned long>(heroRounds)),
            heroRounds, monsterRounds, static_cast<double>(heroDamage), static_cast<double>(monsterDamage))};
}

CFightResult Fight(int monsterIndex, CHero& hero, CGameWorld& world) {
    if (monsterIndex < 0 || monsterIndex >= world.roster.GetCount()) return {};
    const CMonster& monster = world.roster.GetMonster(monsterIndex);
    if (!Estimate(hero, monster, world.items).win) return {};
    CFightResult result;
    result.won = true;
    result.exp = monster.exp;
    result.levelBefore = hero.level;
    world.tally.Add(monsterIndex, 1);
    hero.GainExp(monster.exp);
    result.level = hero.level;
    result.drops = RollDrops(monster, hero, world.random, world.serials);
    return result;
}
