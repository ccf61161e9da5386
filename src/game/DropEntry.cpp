// CDropEntry texts.
#include "game/DropEntry.h"

#include "containers/FormatText.h"
#include "game/ItemTable.h"
#include "game/SkillTable.h"

CDropEntry::CDropEntry(std::int16_t entryKind, int entryId, int entryCount, unsigned entryChance)
    : kind(entryKind), id(entryId), count(entryCount), chance(entryChance) {}

std::string CDropEntry::Label() const {
    const std::string* name = nullptr;
    if (kind == DropKind::kSkillBook) {
        if (const CSkillDef* skill = FindSkill(id)) name = &skill->name;
    } else if (kind == DropKind::kItem) {
        if (const CItemDef* item = FindItemDef(id)) name = &item->name;
    }
    return name ? FormatText("%s(%d)", name->c_str(), count) : std::string();
}

std::string CDropEntry::ChanceText() const { return FormatText("%5.2f%%", chance / 100.0); }
