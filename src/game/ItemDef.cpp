// CItemDef description text and slot names.
#include "game/ItemDef.h"

#include "base/FormatText.h"
#include "i18n/Translation.h"

#include <utility>

namespace {

void AppendIfNonZero(std::string& text, const char* label, int value) {
    if (value != 0) text += FormatText("%s%d%s", label, value, "\r\n");
}

}  // namespace

CItemDef::CItemDef(std::int16_t itemId, std::string itemName, int itemLevel, CStats itemStats,
                   ESlotKind slotKind)
    : id(itemId), name(std::move(itemName)), level(itemLevel), stats(itemStats), kind(slotKind) {}

std::string CItemDef::Describe() const {
    std::string text = FormatText(Tr("%s\r\n等级:%d\r\n"), Tr(name).c_str(), level);
    AppendIfNonZero(text, Tr("攻击:"), stats.attack);
    AppendIfNonZero(text, Tr("防御:"), stats.defence);
    AppendIfNonZero(text, Tr("气血:"), stats.hp);
    return text;
}

std::string SlotName(ESlotKind kind) {
    switch (kind) {
        case ESlotKind::kWeapon:
            return Tr("武器");
        case ESlotKind::kClothes:
            return Tr("衣服");
    }
    return {};
}
