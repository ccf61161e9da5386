// CHero: the player's character. Adds to CCharacter the skill-book bag, the
// item bag, the level cap and the skill limit, and the rules that change them:
// levelling by experience, learning and forgetting talent skills, and the
// automatic equip. Refusals of learn and forget come back as false plus the
// message the calling screen shows.
#pragma once

#include "base/AnQianArray.h"
#include "game/Character.h"
#include "game/Item.h"
#include "game/SkillBookBag.h"

#include <string>

class CHero : public CCharacter {
public:
    static constexpr int kStartLevelCap = 5;

    CHero();

    // (level + 1) squared.
    int ExpForNextLevel() const;
    // One level up (attack +4, defence +2, hp +20) when below the cap and the
    // experience covers the need.
    bool TryLevelUp();
    // Adds a positive amount and levels up as far as it goes; at the cap the
    // experience is held one below the next need and the rest is lost.
    void GainExp(int amount);
    // Only ever raises the cap; never levels up by itself.
    void RaiseLevelCap(int newCap);
    // "满级" at the cap, otherwise the progress as "%5.2f%%".
    std::string ExpText() const;

    bool LearnSkill(int skillId, std::string& message);
    bool ForgetSkill(int skillId, std::string& message);

    // Walks the bag from its last item to its first and wears every item the
    // hero's level allows whose stats strictly beat those worn in its slot; a
    // replaced item goes back into the bag where the new one was.
    void AutoEquip(const CItemTable& items);

    CSkillBookBag skillBooks;
    CAnQianArray<CItem> bag;
    int levelCap = kStartLevelCap;
    int maxSkills = 1;
};
