// The program-wide talent-skill table: filled once at start-up by
// BuildSkillTable (repeat calls change nothing) and read through FindSkill.
#pragma once

#include "containers/AnQianArray.h"
#include "game/SkillDef.h"

CAnQianArray<CSkillDef>& SkillTable();

void BuildSkillTable();

// The row with this id (the last one if several), or nullptr.
const CSkillDef* FindSkill(int id);
