// Test support for the application layer: the program started on the
// headless platform, and ways to reach its main screen by WidgetId.
#pragma once

#include "app/QuorvanelApp.h"
#include "platform/Platform.h"
#include "screens/MainScreen.h"
#include "ui/RootPanel.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class AppTest : public ::testing::Test {
protected:
    static constexpr std::uint64_t kSeed = 20261207;

    void SetUp() override { app.InitInstance(kSeed); }

    CQuorvanelView& View() { return app.View(); }
    CRootPanel& Root() { return app.View().Root(); }
    CHero& Hero() { return app.View().Hero(); }
    CGameWorld& World() { return app.View().World(); }
    CWidget& Widget(const WidgetId& id) {
        CWidget* widget = Root().FindWidget(id);
        EXPECT_NE(widget, nullptr);
        return *widget;
    }
    // A point inside the widget, in client coordinates.
    CPoint PointOn(const WidgetId& id) {
        const CRect area = Root().FindRect(id, {0, 0});
        EXPECT_FALSE(area.IsRectEmpty());
        return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    }
    void ClickOn(const WidgetId& id) {
        const CPoint point = PointOn(id);
        View().OnLButtonDown(point.x, point.y);
    }
    void MoveOnto(const WidgetId& id) {
        const CPoint point = PointOn(id);
        View().OnMouseMove(point.x, point.y);
    }

    // Every caption, hint, flag and rectangle of the tree, the hero's card
    // included, as one text: equal texts mean nothing visible changed.
    std::string Snapshot() {
        std::string text;
        AddSnapshot(Root(), text);
        AddSnapshot(*Root().FindHoverCard(MainScreen::kAttributesButton), text);
        return text;
    }

    std::unique_ptr<CPlatform> platform = CPlatform::CreateHeadless();
    CQuorvanelApp app{*platform};

private:
    static void AddSnapshot(const CWidget& widget, std::string& text) {
        const CRect& r = widget.rect;
        text += widget.caption + "|" + widget.hint + "|" + std::to_string(widget.enabled) +
                std::to_string(widget.shown) + "|" + std::to_string(r.left) + "," + std::to_string(r.top) +
                "," + std::to_string(r.right) + "," + std::to_string(r.bottom) + "\n";
        for (const auto& child : widget.Children()) AddSnapshot(*child, text);
    }
};
