// CDropEntry texts.
#include "game/DropEntry.h"

#include "base/FormatText.h"
#include "game/ItemTable.h"
#include "game/SkillTable.h"
#include "i18n/Translation.h"

CDropEntry::CDropEntry(EDropKind entryKind, int entryId, int entryCount, unsigned entryChance)
    : kind(entryKind), id(entryId), count(entryCount), chance(entryChance) {}

std::string CDropEntry::Label(const CSkillTable& skills, const CItemTable& items) const {
    const std::string* name = nullptr;
    if (kind == EDropKind::kSkillBook) {
        if (const CSkillDef* skill = skills.Find(id)) name = &skill->name;
    } else if (kind == EDropKind::kItem) {
        if (const CItemDef* item = items.Find(id)) name = &item->name;
    }
    return name ? FormatText("%s(%d)", Tr(*name).c_str(), count) : std::string();
}

std::string CDropEntry::ChanceText() const { return FormatText("%5.2f%%", chance / 100.0); }
