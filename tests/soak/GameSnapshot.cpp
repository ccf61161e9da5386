// Snapshots of a soak game and the invariants between them (see GameSnapshot.h).
#include "GameSnapshot.h"

#include "SoakWorld.h"
#include "game/ItemTable.h"
#include "platform/Platform.h"
#include "screens/MainScreen.h"
#include "screens/QuorvanelView.h"
#include "screens/TaskPanel.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <utility>

namespace {

// The item definitions are the same in every world: the slot of a worn item is read here.
const CItemTable kItems;

std::string CaptionOf(CRootPanel& root, const WidgetId& id) {
    const CWidget* widget = root.FindWidget(id);
    return widget ? widget->caption : "(missing)";
}

std::optional<std::string> OpenErrorBox(const CPlatform& platform) {
    for (const CWindow* window : platform.Windows())
        if (const CMessageBoxInfo* box = window->GetMessageBoxInfo();
            box && box->icon == MessageBoxIcon::Stop)
            return box->text;
    return std::nullopt;
}

// The experience text worked out from the numbers, independently of the hero.
std::string ExpectedExpText(const CGameSnapshot& game) {
    if (game.level >= game.levelCap) return "满级";
    const int need = (game.level + 1) * (game.level + 1);
    char text[32];
    std::snprintf(text, sizeof text, "%5.2f%%", game.exp * 100.0 / need);
    return text;
}

std::string Text(const CStats& stats) {
    return "(" + std::to_string(stats.attack) + ", " + std::to_string(stats.defence) + ", " +
           std::to_string(stats.hp) + ")";
}

// Bag and equipment together, each item with how often it occurs.
std::map<std::pair<int, int>, int> AllItems(const CGameSnapshot& game) {
    std::map<std::pair<int, int>, int> items;
    for (const std::vector<CItem>* list : {&game.bag, &game.equipment})
        for (const CItem& item : *list)
            if (item.serial != 0 || item.itemId != 0) ++items[{item.serial, item.itemId}];
    return items;
}

void CheckState(const CGameSnapshot& game, std::vector<std::string>& broken) {
    const auto fail = [&](const std::string& what) { broken.push_back(what); };
    if (game.level < 0 || game.level > game.levelCap)
        fail("level " + std::to_string(game.level) + " outside 0.." + std::to_string(game.levelCap));
    const int need = (game.level + 1) * (game.level + 1);
    if (game.exp < 0 || game.exp >= need)
        fail("exp " + std::to_string(game.exp) + " not below the need " + std::to_string(need));
    const CStats bare{20 + 4 * game.level, 10 + 2 * game.level, 100 + 20 * game.level};
    if (!(game.stats == bare))
        fail("bare stats " + Text(game.stats) + " at level " + std::to_string(game.level));
    if (game.maxSkills != 1) fail("maxSkills changed to " + std::to_string(game.maxSkills));
    if (static_cast<int>(game.skills.size()) > game.maxSkills)
        fail(std::to_string(game.skills.size()) + " skills, more than " + std::to_string(game.maxSkills));
    if (std::set<int>(game.skills.begin(), game.skills.end()).size() != game.skills.size())
        fail("a skill learned twice");
    if (game.bookEntries != game.books.size()) fail("two book entries for one skill");
    for (const auto& [skill, count] : game.books)
        if (count < 1)
            fail("book entry of skill " + std::to_string(skill) + " with count " + std::to_string(count));
    if (game.equipment.size() != 2) {
        fail(std::to_string(game.equipment.size()) + " equipment slots");
    } else {
        for (int slot = 0; slot < 2; ++slot) {
            const CItem& item = game.equipment[static_cast<std::size_t>(slot)];
            if (item.itemId != 0 && SlotIndex(item.Kind(kItems)) != slot)
                fail("item " + std::to_string(item.itemId) + " worn in slot " + std::to_string(slot));
        }
    }
    if (game.levelText != std::to_string(game.level))
        fail("level text '" + game.levelText + "' for level " + std::to_string(game.level));
    if (game.expText != ExpectedExpText(game))
        fail("exp text '" + game.expText + "' where the numbers give '" + ExpectedExpText(game) + "'");
    if (game.errorBox) fail("error box: " + *game.errorBox);
}

void CheckStep(const CGameSnapshot& before, const CGameSnapshot& now, std::vector<std::string>& broken) {
    const auto fail = [&](const std::string& what) { broken.push_back(what); };
    const auto neverDown = [&](const char* what, int old, int current) {
        if (current < old)
            fail(std::string(what) + " went down from " + std::to_string(old) + " to " +
                 std::to_string(current));
    };
    neverDown("level", before.level, now.level);
    neverDown("level cap", before.levelCap, now.levelCap);
    neverDown("task stage", before.stage, now.stage);
    for (std::size_t i = 0; i < before.tally.size() && i < now.tally.size(); ++i)
        neverDown(("tally of monster " + std::to_string(i)).c_str(), before.tally[i], now.tally[i]);

    // Items are never destroyed; new ones come only from drops, numbered
    // above every item made before.
    const auto oldItems = AllItems(before);
    const auto newItems = AllItems(now);
    int lastSerial = 0;
    for (const auto& [item, count] : oldItems) {
        lastSerial = std::max(lastSerial, item.first);
        const auto found = newItems.find(item);
        const int left = found == newItems.end() ? 0 : found->second;
        if (left != count)
            fail("item serial " + std::to_string(item.first) + " (id " + std::to_string(item.second) +
                 ") held " + std::to_string(count) + " times, now " + std::to_string(left));
    }
    for (const auto& [item, count] : newItems)
        if (!oldItems.contains(item) && item.first <= lastSerial)
            fail("item serial " + std::to_string(item.first) + " appeared without being made");

    const std::set<int> oldSkills(before.skills.begin(), before.skills.end());
    const auto countOf = [](const CGameSnapshot& game, int skill) {
        const auto found = game.books.find(skill);
        return found == game.books.end() ? 0 : found->second;
    };
    std::set<int> skillIds(now.skills.begin(), now.skills.end());
    for (const auto& [skill, count] : before.books) skillIds.insert(skill);
    for (const int skill : skillIds) {
        const bool learned = !oldSkills.contains(skill) &&
                             std::find(now.skills.begin(), now.skills.end(), skill) != now.skills.end();
        const int old = countOf(before, skill);
        const int current = countOf(now, skill);
        if (learned && current != old - 1)
            fail("skill " + std::to_string(skill) + " learned with books " + std::to_string(old) + " -> " +
                 std::to_string(current));
        if (!learned && current < old)
            fail("books of skill " + std::to_string(skill) + " went from " + std::to_string(old) + " to " +
                 std::to_string(current) + " without learning it");
    }
}

}  // namespace

CGameSnapshot TakeSnapshot(CQuorvanelView& view, const CSoakWorld& world, const CPlatform& platform) {
    const CHero& hero = view.Hero();
    CGameSnapshot game;
    game.level = hero.level;
    game.exp = hero.exp;
    game.levelCap = hero.levelCap;
    game.maxSkills = hero.maxSkills;
    game.stats = hero.stats;
    game.skills.assign(hero.skills.begin(), hero.skills.end());
    for (const SkillBookEntry& entry : hero.skillBooks) {
        game.books[entry.skillId] += entry.count;
        ++game.bookEntries;
    }
    game.bag.assign(hero.bag.begin(), hero.bag.end());
    game.equipment.assign(hero.equipment.begin(), hero.equipment.end());
    for (int i = 0; i < world.MonsterCount(); ++i) game.tally.push_back(world.DefeatCount(i));
    CRootPanel& root = view.Root();
    const CTaskPanel* tasks = root.FindWidgetAs<CTaskPanel>(MainScreen::kTaskPanel);
    game.stage = tasks ? tasks->Stage() : -1;
    game.levelText = CaptionOf(root, MainScreen::kLevelValue);
    game.expText = CaptionOf(root, MainScreen::kExpValue);
    game.errorBox = OpenErrorBox(platform);
    return game;
}

std::vector<std::string> BrokenInvariants(const CGameSnapshot& before, const CGameSnapshot& now) {
    std::vector<std::string> broken;
    CheckState(now, broken);
    CheckStep(before, now, broken);
    return broken;
}
