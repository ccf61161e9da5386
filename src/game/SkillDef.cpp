// CSkillDef construction.
#include "game/SkillDef.h"

#include <utility>

CSkillDef::CSkillDef(std::int16_t skillId, std::string skillName, std::string skillDescription)
    : id(skillId), name(std::move(skillName)), description(std::move(skillDescription)) {}
