// The reward card: what defeating a monster gives, its experience and one
// row per drop-table entry with the entry's label and chance, built into a
// panel the caller supplies (a hover card of the main screen). The card sets
// the panel's size; its top-left corner stays where the caller placed it.
#pragma once

class CGameWorld;
class CMonster;
class CPanel;

// Replaces the panel's children with the rows; the panel becomes 198 pixels
// wide and 30 + 20 per drop entry high. Labels name the world's skills and items.
void BuildRewardCard(CPanel& panel, const CMonster& monster, const CGameWorld& world);
