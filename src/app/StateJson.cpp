// The game state as JSON (see StateJson.h).
#include "app/StateJson.h"

#include "automation/JsonWriter.h"
#include "game/GameWorld.h"
#include "screens/MainScreen.h"
#include "screens/QuorvanelView.h"
#include "screens/TaskPanel.h"

namespace {

void WriteStats(CJsonWriter& json, const CStats& stats) {
    json.BeginArray().Int(stats.attack).Int(stats.defence).Int(stats.hp).EndArray();
}

template <class Items>
void WriteItems(CJsonWriter& json, const Items& items) {
    json.BeginArray();
    for (const CItem& item : items) json.BeginArray().Int(item.serial).Int(item.itemId).EndArray();
    json.EndArray();
}

void WriteHero(CJsonWriter& json, const CHero& hero, const CItemTable& items) {
    json.BeginObject();
    json.Key("name").String(hero.name);
    json.Key("level").Int(hero.level);
    json.Key("exp").Int(hero.exp);
    json.Key("levelCap").Int(hero.levelCap);
    json.Key("maxSkills").Int(hero.maxSkills);
    json.Key("stats");
    WriteStats(json, hero.stats);
    json.Key("total");
    WriteStats(json, hero.TotalStats(items));
    json.Key("skills").BeginArray();
    for (int skill : hero.skills) json.Int(skill);
    json.EndArray();
    json.Key("books").BeginArray();
    for (const SkillBookEntry& entry : hero.skillBooks)
        json.BeginArray().Int(entry.skillId).Int(entry.count).EndArray();
    json.EndArray();
    json.Key("bag");
    WriteItems(json, hero.bag);
    json.Key("equipment");
    WriteItems(json, hero.equipment);
    json.EndObject();
}

const std::string& CaptionOf(CRootPanel& root, const WidgetId& id) {
    static const std::string kMissing;
    const CWidget* widget = root.FindWidget(id);
    return widget ? widget->caption : kMissing;
}

}  // namespace

std::string StateJson(CQuorvanelView& view) {
    CRootPanel& root = view.Root();
    const CGameWorld& world = view.World();
    CJsonWriter json;
    json.BeginObject();
    json.Key("hero");
    WriteHero(json, view.Hero(), world.items);

    json.Key("tally").BeginArray();
    for (int i = 0; i < world.roster.GetCount(); ++i)
        if (const int count = world.tally.Count(i); count > 0) json.BeginArray().Int(i).Int(count).EndArray();
    json.EndArray();

    const CTaskPanel* tasks = root.FindWidgetAs<CTaskPanel>(MainScreen::kTaskPanel);
    json.Key("task").BeginObject().Key("stage").Int(tasks ? tasks->Stage() : 0).EndObject();
    const CWidget* grid = root.FindWidget(MainScreen::kTrainingGrid);
    json.Key("panel").String(grid && grid->shown ? "grid" : "tasks");
    json.Key("levelText").String(CaptionOf(root, MainScreen::kLevelValue));
    json.Key("expText").String(view.SourceExpText());

    json.Key("fights").BeginArray();
    for (int i = 0; i < world.roster.GetCount(); ++i) {
        const CWidget* button = root.FindWidget(MainScreen::FightButton(i));
        if (!button) continue;
        json.BeginObject()
            .Key("enabled")
            .Bool(button->enabled)
            .Key("hint")
            .String(view.SourceFightHints()[static_cast<std::size_t>(i)])
            .EndObject();
    }
    json.EndArray();
    json.EndObject();
    return json.Text();
}
