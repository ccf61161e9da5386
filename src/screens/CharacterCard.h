// The character card: a character's name, level, the three stat totals and
// its talent skills, built into a panel the caller supplies (the main
// screen's hover cards). The card sets the panel's height; its top, left and
// right edges stay as the caller placed them.
#pragma once

class CCharacter;
class CGameWorld;
class CPanel;
class CSkillTable;

// Replaces the panel's children with the card. Without skills the panel is
// 110 pixels high; a skill box of two badges per row adds 25 pixels per row
// plus 25 for its heading. Items and skills are read from the world's tables.
void BuildCharacterCard(CPanel& panel, const CCharacter& character, const CGameWorld& world);

// How many skill badges share a row: two, or one of twice the width when a
// skill's name in the chosen language is wider than a badge (the card and
// the attribute page alike).
int SkillBadgeColumns(const CCharacter& character, const CSkillTable& skills);
inline constexpr int kSkillBadgeWidth = 72;
