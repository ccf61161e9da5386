// Drop table roll.
#include "game/DropRoll.h"

#include "game/Hero.h"
#include "game/Monster.h"
#include "game/Random.h"

namespace {

constexpr std::uint32_t kChanceScale = 10000;  // chances are in ten-thousandths

void GiveDrop(const CDropEntry& entry, CHero& hero, CItemSerials& serials) {
    if (entry.kind == EDropKind::kSkillBook) {
        hero.skillBooks.AddBooks(entry.id, entry.count);
    } else if (entry.kind == EDropKind::kItem) {
        const CItem item = MakeItem(entry.id, serials);
        for (int copy = 0; copy < entry.count; ++copy) hero.bag.Add(item);
    }
}

}  // namespace

std::vector<CDropEntry> RollDrops(const CMonster& monster, CHero& hero, CRandom& random,
                                  CItemSerials& serials) {
    std::vector<CDropEntry> given;
    for (int index = monster.drops.GetUpperBound(); index >= 0; --index) {
        const CDropEntry& entry = monster.drops.ElementAt(index);
        if (random.Below(kChanceScale) >= entry.chance) continue;
        GiveDrop(entry, hero, serials);
        given.push_back(entry);
    }
    return given;
}
