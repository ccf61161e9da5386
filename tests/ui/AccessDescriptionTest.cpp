// The accessibility description of a widget tree: each kind's role, names
// from captions or screens' names (trimmed, made unique), descriptions from
// what is read beside them, hints and hover cards, the page buttons' page,
// disabled inherited, the focused widget, the shown tab selected, a paged
// grid's page, hidden widgets left out, and the host handing the
// description to its window after a key.
#include "ui/AccessDescription.h"
#include "ui/Badge.h"
#include "ui/PagedGrid.h"
#include "ui/PushButton.h"
#include "ui/ShadowLabel.h"
#include "ui/TabBox.h"
#include "ui/WidgetHost.h"

#include "support/RecordingWindow.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr WidgetId kNone = WidgetId::None();

class CTestHost : public CWidgetHost {
protected:
    void OnWidgetClick(const WidgetId&) override {}
};

struct AccessDescription : ::testing::Test {
    CRecordingWindow window;
    CTestHost host;
    CRootPanel& root = host.Root();

    void SetUp() override {
        host.AttachWindow(&window, {0, 0, 400, 300});
        auto* ok = root.AddChild<CPushButton>({10, 10, 60, 30}, 1, -1, -1, kNone);
        ok->caption = "  出发 ";
        ok->hint = "去打怪";
        root.AddChild<CPushButton>({70, 10, 120, 30}, 2, -1, -1, kNone)->caption = "出发";
        auto* named = root.AddChild<CBadge>({130, 10, 160, 30}, 3, -1, -1, kNone);
        named->SetBadge("?");
        named->accessName = "经验 说明";
        named->hint = "升级需要经验1";
        root.AddChild<CBadge>({170, 10, 200, 30}, 4, -1, -1, kNone)->SetBadge("技能");
        auto* carded = root.AddChild<CBadge>({210, 10, 240, 30}, 5, -1, -1, kNone);
        carded->SetBadge("属性");
        root.AddHoverCard({0, 0, 50, 50}, 5, -1, -1)
            ->AddChild<CShadowLabel>({}, 6, -1, -1, kNone)
            ->SetLabel("攻击 20");

        auto* off = root.AddChild<CPanel>({0, 40, 200, 100}, 7, -1, -1, kNone);
        off->SetTitleCaption("关卡");
        off->enabled = false;
        root.AddChild<CPushButton>({5, 5, 50, 25}, 8, -1, -1, off->Id())->caption = "进入";
        root.AddChild<CShadowLabel>({60, 5, 100, 25}, 9, -1, -1, off->Id())->shown = false;
        root.AddChild<CShadowLabel>({100, 5, 150, 25}, 10, -1, -1, off->Id())->SetLabel("第一关");

        auto* tabs = root.AddChild<CTabBox>({0, 100, 300, 300}, 20, -1, -1, kNone);
        tabs->AddTab("技能书");
        CPagedGrid* items = tabs->AddTab("物品");
        items->SetCellGeometry(2, 2, 40, 40);
        for (int i = 0; i < 40; ++i) items->AddChild<CPushButton>({}, 30, i, -1, kNone)->caption = "刀";
        items->LayOut();
        tabs->SelectTab(102);
    }
    const CAccessNode& Node(const CAccessNode& tree, const std::string& id) {
        const CAccessNode* node = tree.Find(id);
        if (!node) throw std::runtime_error("no node " + id);
        return *node;
    }
};

TEST_F(AccessDescription, RolesNamesStatesAndActions) {
    const CAccessNode tree = DescribeWindow(root, host.Focus().FocusedWidget(), AccessRole::Dialog, "背包");
    EXPECT_EQ(tree.role, AccessRole::Dialog);
    EXPECT_EQ(tree.name, "背包");
    struct Expected {
        std::string id;
        AccessRole role;
        std::string name;
        std::string description;
        bool disabled, focused, canActivate;
    };
    const Expected table[] = {
        {"1.-1.-1", AccessRole::Button, "出发", "去打怪", false, true, true},
        {"2.-1.-1", AccessRole::Button, "出发 2", "", false, false, true},
        {"3.-1.-1", AccessRole::Button, "经验 说明", "升级需要经验1", false, false, true},
        {"4.-1.-1", AccessRole::StaticText, "技能", "", false, false, false},
        {"5.-1.-1", AccessRole::Button, "属性", "攻击 20", false, false, true},
        {"7.-1.-1", AccessRole::Group, "关卡", "", true, false, false},
        {"8.-1.-1", AccessRole::Button, "进入", "", true, false, false},
        {"10.-1.-1", AccessRole::StaticText, "第一关", "", true, false, false},
        {"20.101.0", AccessRole::Tab, "技能书", "", false, false, true},
        {"20.102.0", AccessRole::Tab, "物品", "", false, false, true},
        {"20.102.-1", AccessRole::TabPanel, "物品", "", false, false, false},
        {"30.0.-1", AccessRole::Button, "刀", "", false, false, true},
        {"30.1.-1", AccessRole::Button, "刀 2", "", false, false, true},
    };
    for (const Expected& row : table) {
        SCOPED_TRACE(row.id);
        const CAccessNode& node = Node(tree, row.id);
        EXPECT_EQ(node.role, row.role);
        EXPECT_EQ(node.name, row.name);
        EXPECT_EQ(node.description, row.description);
        EXPECT_EQ(node.disabled, row.disabled);
        EXPECT_EQ(node.focused, row.focused);
        EXPECT_EQ(node.canActivate, row.canActivate);
    }
    // Bounds in the window; the disabled button still takes focus.
    EXPECT_EQ(Node(tree, "8.-1.-1").bounds, CRect(5, 45, 50, 65));
    EXPECT_TRUE(Node(tree, "8.-1.-1").canFocus);
    // The hidden label and the hidden tab's page are left out; the shown
    // tab is selected, its grid is on page 1 of 2.
    EXPECT_EQ(tree.Find("9.-1.-1"), nullptr);
    EXPECT_EQ(tree.Find("20.101.-1"), nullptr);
    EXPECT_FALSE(Node(tree, "20.101.0").selected);
    EXPECT_TRUE(Node(tree, "20.102.0").selected);
    const CAccessNode& box = Node(tree, "20.-1.-1");
    ASSERT_EQ(box.children.size(), 2u);
    EXPECT_EQ(box.children[0].role, AccessRole::TabList);
    EXPECT_EQ(box.children[0].children.size(), 2u);
    EXPECT_EQ(Node(tree, "20.102.-1").page, 1);
    EXPECT_EQ(Node(tree, "20.102.-1").pageCount, 2);
}

// What is read beside a widget is said before its hint or card, which stay
// its description; the page buttons say the page shown.
TEST_F(AccessDescription, TheTextBesideAWidgetIsSaidBeforeItsHintOrCard) {
    auto* both = root.AddChild<CBadge>({250, 10, 270, 30}, 11, -1, -1, kNone);
    both->SetBadge("?");
    both->besideText = " 等级 3 ";
    both->hint = "等级上限5";
    root.FindWidget({5, -1, -1})->besideText = "经验 50.00%";
    root.FindWidget({2, -1, -1})->besideText = "第一关";
    const CAccessNode tree = DescribeWindow(root, nullptr, AccessRole::Window, "主");
    struct Said {
        std::string id, beside, description, full;
    };
    const Said table[] = {
        {"11.-1.-1", "等级 3", "等级上限5", "等级 3 等级上限5"},       // trimmed, then the hint
        {"5.-1.-1", "经验 50.00%", "攻击 20", "经验 50.00% 攻击 20"},  // then the card
        {"2.-1.-1", "第一关", "", "第一关"},                           // alone
        {"1.-1.-1", "", "去打怪", "去打怪"},                           // the hint alone, as before
        {"20.102.1", "第1页，共2页", "", "第1页，共2页"},
        {"20.102.2", "第1页，共2页", "", "第1页，共2页"},
    };
    for (const Said& row : table) {
        SCOPED_TRACE(row.id);
        EXPECT_EQ(Node(tree, row.id).besideText, row.beside);
        EXPECT_EQ(Node(tree, row.id).description, row.description);
        EXPECT_EQ(Node(tree, row.id).FullDescription(), row.full);
    }

    root.WidgetAs<CPagedGrid>({20, 102, -1}).ShowPage(1);
    const CAccessNode turned = DescribeWindow(root, nullptr, AccessRole::Window, "主");
    EXPECT_EQ(Node(turned, "20.102.1").besideText, "第2页，共2页");
    EXPECT_EQ(Node(turned, "20.102.2").besideText, "第2页，共2页");
}

TEST_F(AccessDescription, TheHostHandsItOverAfterAKeyWithTheFocusMoved) {
    host.OnKey({KeyChord::Key::Tab, 0, false, false, false});
    ASSERT_NE(window.GetAccessTree(), nullptr);
    EXPECT_EQ(window.GetAccessTree()->role, AccessRole::Window);
    EXPECT_FALSE(Node(*window.GetAccessTree(), "1.-1.-1").focused);
    EXPECT_TRUE(Node(*window.GetAccessTree(), "2.-1.-1").focused);
    // A pointer move hands nothing over.
    const int handed = window.accessTreesHanded;
    host.OnMouseMove(20, 20);
    EXPECT_EQ(window.accessTreesHanded, handed);
}

}  // namespace
