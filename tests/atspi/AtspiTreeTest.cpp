// The accessible objects kept in step with the program's windows, without a
// bus: what ATK is told when a page opens and closes, when the program
// announces something and when it loses and regains the keyboard, the text
// of labels, and which focus and activation requests pass on to the program
// (only those for a live node of the active window that takes the focus;
// activation only when it is enabled).
#include "atspi/AtspiTree.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

CAccessNode Node(const char* id, AccessRole role, const char* name, bool focusable = true,
                 bool disabled = false, bool focused = false) {
    CAccessNode node;
    node.id = id;
    node.role = role;
    node.name = name;
    node.disabled = disabled;
    node.focused = focused;
    node.canFocus = focusable;
    node.canActivate = focusable && !disabled;
    return node;
}

CAccessWindow Window(unsigned key, AccessRole role, const char* title, std::vector<CAccessNode> children) {
    CAccessWindow window{key, Node("window", role, title, false), {}, 1};
    window.tree.children = std::move(children);
    return window;
}

// The main window with its focus on "fight", and the page above it.
CAccessWindow MainWindow() {
    return Window(1, AccessRole::Window, "main",
                  {Node("fight", AccessRole::Button, "讨伐", true, false, true),
                   Node("off", AccessRole::Button, "讨伐 2", true, true),
                   Node("level", AccessRole::StaticText, "等级", false)});
}
CAccessWindow Page() {
    return Window(2, AccessRole::Dialog, "属性",
                  {Node("close", AccessRole::Button, "关闭", true, false, true)});
}

AtkObject* Find(AtkObject* parent, const std::string& windowName, const std::string& id) {
    for (int i = 0; i < atk_object_get_n_accessible_children(parent); ++i) {
        AtkObject* child = atk_object_ref_accessible_child(parent, i);
        g_object_unref(child);  // the tree holds it
        const char* name = atk_object_get_name(child);
        if (atk_object_get_role(parent) == ATK_ROLE_APPLICATION && windowName != (name ? name : "")) continue;
        const char* childId = atk_object_get_accessible_id(child);
        if (childId && id == childId) return child;
        if (AtkObject* found = Find(child, windowName, id)) return found;
    }
    return nullptr;
}

// Each ATK signal the bridge forwards, as "signal[:detail] name [value]"
// ("state-change:focused 讨伐 1").
gboolean Note(GSignalInvocationHint* hint, guint count, const GValue* values, gpointer log) {
    GSignalQuery query;
    g_signal_query(hint->signal_id, &query);
    std::string line = query.signal_name;
    if (hint->detail) line += std::string(":") + g_quark_to_string(hint->detail);
    const char* name = atk_object_get_name(static_cast<AtkObject*>(g_value_get_object(&values[0])));
    line += std::string(" ") + (name ? name : "");
    if (count == 3 && G_VALUE_HOLDS_STRING(&values[1]))
        line += " " + std::to_string(g_value_get_boolean(&values[2]));
    static_cast<std::vector<std::string>*>(log)->push_back(line);
    return TRUE;
}

class AtspiTree : public ::testing::Test {
protected:
    void SetUp() override {
        for (const GType iface : {atk_window_get_type(), atk_text_get_type()})
            g_type_default_interface_unref(g_type_default_interface_ref(iface));
        const std::vector<std::pair<const char*, GType>> signals{
            {"state-change", atk_object_get_type()}, {"children-changed", atk_object_get_type()},
            {"create", atk_window_get_type()},       {"activate", atk_window_get_type()},
            {"deactivate", atk_window_get_type()},   {"destroy", atk_window_get_type()},
            {"text-changed", atk_text_get_type()}};
        for (const auto& [signal, type] : signals) {
            const guint id = g_signal_lookup(signal, type);
            hooks.emplace_back(id, g_signal_add_emission_hook(id, 0, Note, &log, nullptr));
        }
    }
    void TearDown() override {
        for (const auto& [signal, hook] : hooks) g_signal_remove_emission_hook(signal, hook);
    }
    static bool Ask(AtkObject* object, AccessAction action) {
        const gboolean taken = action == AccessAction::Focus
                                   ? atk_component_grab_focus(reinterpret_cast<AtkComponent*>(object))
                                   : atk_action_do_action(reinterpret_cast<AtkAction*>(object), 0);
        return taken != FALSE;
    }

    std::vector<std::string> log;
    std::vector<std::pair<guint, gulong>> hooks;
    int passed = 0;  // requests passed on to the program
    CAtspiTree tree{[this](const CAccessRequest&) { return ++passed > 0; }};
};

TEST_F(AtspiTree, TellsOfPagesFocusAndAnnouncements) {
    tree.Apply({{MainWindow()}, "", 0});
    log.clear();
    tree.Apply({{MainWindow(), Page()}, "", 0});
    EXPECT_EQ(log, (std::vector<std::string>{"children-changed:add 属性", "children-changed:add Quorvanel",
                                             "create 属性", "state-change:active main 0", "deactivate main",
                                             "state-change:active 属性 1", "activate 属性",
                                             "state-change:focused 讨伐 0", "state-change:focused 关闭 1"}));
    log.clear();
    tree.Apply({{MainWindow()}, "讨伐 蝗虫 胜利", 1});
    EXPECT_EQ(
        log, (std::vector<std::string>{"deactivate 属性", "destroy 属性", "children-changed:remove Quorvanel",
                                       "state-change:defunct 关闭 1", "state-change:defunct 属性 1",
                                       "state-change:active main 1", "activate main",
                                       "state-change:focused 讨伐 1", "text-changed:insert "}));
}

TEST_F(AtspiTree, PassesOnlyRequestsTheProgramWouldTake) {
    tree.Apply({{MainWindow(), Page()}, "", 0});
    AtkObject* close = Find(tree.Root(), "属性", "close");
    g_object_ref(close);
    struct Case {
        const char* window;
        const char* node;
        AccessAction action;
        bool pageOpen;
        bool passes;
    };
    const Case cases[] = {
        {"main", "fight", AccessAction::Activate, true, false},  // under the page
        {"属性", "close", AccessAction::Activate, true, true},
        {"属性", "close", AccessAction::Focus, true, true},
        {"main", "fight", AccessAction::Activate, false, true},
        {"main", "off", AccessAction::Focus, false, true},
        {"main", "off", AccessAction::Activate, false, false},  // disabled
        {"main", "level", AccessAction::Focus, false, false},   // takes no focus
    };
    for (const Case& c : cases) {
        tree.Apply({c.pageOpen ? std::vector{MainWindow(), Page()} : std::vector{MainWindow()}, "", 0});
        passed = 0;
        AtkObject* object = Find(tree.Root(), c.window, c.node);
        ASSERT_NE(object, nullptr) << c.node;
        EXPECT_EQ(Ask(object, c.action), c.passes) << c.window << " " << c.node;
        EXPECT_EQ(passed, c.passes ? 1 : 0) << c.window << " " << c.node;
    }
    // The page has closed: its button is gone and refuses.
    passed = 0;
    EXPECT_FALSE(Ask(close, AccessAction::Activate));
    EXPECT_FALSE(Ask(close, AccessAction::Focus));
    EXPECT_EQ(passed, 0);
    g_object_unref(close);
}

// Labels give their text as a screen reader's flat review reads it; a node
// that turns from text into a button is a new object, without text.
TEST_F(AtspiTree, LabelsGiveTheirTextButtonsNone) {
    tree.Apply({{MainWindow()}, "", 0});
    const auto text = [this](const char* id) -> std::string {
        AtkObject* object = Find(tree.Root(), "main", id);
        if (!object || !ATK_IS_TEXT(object)) return "(none)";
        gchar* all = atk_text_get_text(ATK_TEXT(object), 0, -1);
        std::string words = all;
        g_free(all);
        return words + " " + std::to_string(atk_text_get_character_count(ATK_TEXT(object)));
    };
    EXPECT_EQ(text("level"), "等级 2");
    EXPECT_EQ(text("fight"), "(none)");

    CAccessWindow renamed = MainWindow();
    renamed.tree.children[2].name = "等级 5";
    tree.Apply({{renamed}, "", 0});
    EXPECT_EQ(text("level"), "等级 5 4");

    AtkObject* label = Find(tree.Root(), "main", "level");
    g_object_ref(label);
    CAccessWindow changed = MainWindow();
    changed.tree.children[2] = Node("level", AccessRole::Button, "等级");
    tree.Apply({{changed}, "", 0});
    EXPECT_EQ(text("level"), "(none)");
    EXPECT_NE(Find(tree.Root(), "main", "level"), label);
    EXPECT_EQ(atk_object_get_role(Find(tree.Root(), "main", "level")), ATK_ROLE_PUSH_BUTTON);
    g_object_unref(label);
}

// Without the desktop's keyboard no window is active; getting it back, or
// retelling for a screen reader that came late, says the window and its focus again.
TEST_F(AtspiTree, TheKeyboardLostAndRegainedAndRetold) {
    tree.Apply({{MainWindow()}, "", 0});
    struct Step {
        const char* what;
        std::function<void()> act;
        std::vector<std::string> said;
    };
    const std::vector<Step> steps{
        {"lost",
         [this] {
             tree.Apply({{MainWindow()}, "", 0, false});
         },
         {"state-change:active main 0", "deactivate main", "state-change:focused 讨伐 0"}},
        {"still lost",
         [this] {
             tree.Apply({{MainWindow()}, "", 0, false});
         },
         {}},
        {"retold while lost", [this] { tree.Retell(); }, {}},
        {"regained",
         [this] {
             tree.Apply({{MainWindow()}, "", 0, true});
         },
         {"state-change:active main 1", "activate main", "state-change:focused 讨伐 1"}},
        {"retold", [this] { tree.Retell(); }, {"activate main", "state-change:focused 讨伐 1"}},
    };
    for (const Step& step : steps) {
        log.clear();
        step.act();
        EXPECT_EQ(log, step.said) << step.what;
    }
    // Lost, the window refuses what a screen reader asks.
    tree.Apply({{MainWindow()}, "", 0, false});
    passed = 0;
    EXPECT_FALSE(Ask(Find(tree.Root(), "main", "fight"), AccessAction::Activate));
    EXPECT_EQ(passed, 0);
}

}  // namespace

// A paged group says its page after its description, and says the new one
// when only the page changed.
TEST_F(AtspiTree, DescribesAPagedGroupWithItsPage) {
    const auto withGrid = [](const char* description, int page) {
        CAccessWindow window = MainWindow();
        CAccessNode grid = Node("grid", AccessRole::Group, "训 练", false);
        grid.description = description;
        grid.page = page;
        grid.pageCount = 2;
        grid.pageText = page == 1 ? "第1页，共2页" : "第2页，共2页";
        window.tree.children.push_back(grid);
        return window;
    };
    const auto description = [this] {
        return std::string(atk_object_get_description(Find(tree.Root(), "main", "grid")));
    };
    tree.Apply({{withGrid("", 1)}, "", 0});
    EXPECT_EQ(description(), "第1页，共2页");
    tree.Apply({{withGrid("", 2)}, "", 0});
    EXPECT_EQ(description(), "第2页，共2页");
    tree.Apply({{withGrid("蝗虫", 2)}, "", 0});
    EXPECT_EQ(description(), "蝗虫 第2页，共2页");
}
