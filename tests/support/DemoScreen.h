// A small screen built from every widget kind, for the paint tests and the
// demo picture: a top bar of buttons, a titled grid of buttons over two
// pages, a tab box of badges, and labels, with hints on the buttons.
#pragma once

#include "ui/Badge.h"
#include "ui/PagedGrid.h"
#include "ui/PushButton.h"
#include "ui/RootPanel.h"
#include "ui/ShadowLabel.h"
#include "ui/TabBox.h"
#include "ui/TextLabel.h"

#include <string>

inline constexpr CRect kDemoRootRect{0, 0, 655, 405};

inline void BuildDemoScreen(CRootPanel& root) {
    constexpr WidgetId kNone = WidgetId::None();

    auto* bar = root.AddChild<CPanel>({10, 10, 645, 40}, 200, -1, -1, kNone);
    bar->SetBodyColors(RGB(0, 0, 0), RGB(149, 125, 97), kNoColor, RGB(55, 59, 51));
    const char* names[] = {"属性", "背包", "战斗", "任务"};
    for (int i = 0; i < 4; ++i) {
        auto* button = bar->AddChild<CPushButton>({3 + 52 * i, 3, 53 + 52 * i, 27}, 205 + i, -1, -1, kNone);
        button->caption = names[i];
        button->hint = std::string("打开") + names[i];
    }
    bar->Children()[3]->enabled = false;

    auto* side = root.AddChild<CPanel>({10, 45, 120, 395}, 100, -1, -1, kNone);
    side->AddChild<CShadowLabel>({2, 2, 52, 27}, 101, -1, -1, kNone)->SetLabel("等级");
    side->AddChild<CTextLabel>({52, 2, 105, 27}, 102, -1, -1, kNone)->SetLabel("3");
    side->AddChild<CBadge>({5, 32, 59, 48}, 103, -1, -1, kNone)->SetBadge("掉宝", RGB(255, 220, 120));
    // Drawn after the badge, so in the badge's text colour.
    side->AddChild<CTextLabel>({52, 52, 105, 77}, 104, -1, -1, kNone)->SetLabel("45%");

    auto* grid = root.AddChild<CPagedGrid>({125, 45, 400, 395}, 1, -1, -1, kNone);
    grid->SetTitleCaption("训 练");
    grid->SetTitleBar(30);
    grid->SetCellGeometry(3, 3, 88, 40);
    for (int i = 0; i < 26; ++i) {
        auto* button = grid->AddChild<CPushButton>({}, 10000, i, -1, kNone);
        button->caption = "讨伐" + std::to_string(i + 1);
        button->hint = i % 2 ? "打不过\r\n还差一点" : "打得过\r\n十拿九稳";
        button->enabled = i % 3 != 2;
    }
    grid->LayOut();

    auto* box = root.AddChild<CTabBox>({405, 45, 645, 395}, 3, -1, -1, kNone);
    CPagedGrid* skills = box->AddTab("技能");
    CPagedGrid* items = box->AddTab("装备");
    for (int i = 0; i < 8; ++i) {
        skills->AddChild<CBadge>({}, 3, 101, i + 1, kNone)->SetBadge("技能书(" + std::to_string(i + 1) + ")");
        items->AddChild<CBadge>({}, 3, 102, i + 1, kNone)->SetBadge("装备" + std::to_string(i));
    }
    skills->SetCellGeometry(3, 3, 118, 22);
    skills->LayOut();
    items->SetCellGeometry(3, 3, 118, 22);
    items->LayOut();
    box->SelectTab(101);
}
