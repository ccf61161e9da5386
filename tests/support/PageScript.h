// Test support for the popup pages on the headless platform: the page in
// the active window, the message box on top, and scripted clicks on a
// page's widgets found by WidgetId when the script gets to them (so they can
// aim at pages that open only later).
#pragma once

#include "support/ScriptedInput.h"
#include "ui/PopupPage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Every widget under (and including) widget, in tree order.
inline void AddWidgets(const CWidget& widget, std::vector<const CWidget*>& out) {
    out.push_back(&widget);
    for (const auto& child : widget.Children()) AddWidgets(*child, out);
}
inline std::vector<const CWidget*> AllWidgets(const CWidget& root) {
    std::vector<const CWidget*> widgets;
    AddWidgets(root, widgets);
    return widgets;
}
// The widgets under root showing text, in tree order.
inline std::vector<const CWidget*> WithCaption(const CWidget& root, const std::string& text) {
    std::vector<const CWidget*> found;
    for (const CWidget* widget : AllWidgets(root))
        if (widget->caption == text) found.push_back(widget);
    return found;
}

// A pointer move to the corner, where no page has a widget of its own: lets
// a check run between two clicks.
inline InputEvent PointerToCorner() { return Move(0, 0); }

// The page whose window is active, or null when none is (or it is no page).
template <class Page = CPopupPage>
Page* TopPage(const CPlatform& platform) {
    const std::vector<CWindow*> windows = platform.Windows();
    return windows.empty() ? nullptr : dynamic_cast<Page*>(windows.back()->GetHandler());
}

// The message box in the active window, or null.
inline const CMessageBoxInfo* TopMessageBox(const CPlatform& platform) {
    const std::vector<CWindow*> windows = platform.Windows();
    return windows.empty() ? nullptr : windows.back()->GetMessageBoxInfo();
}

// Where a widget of the active page lies, in client coordinates.
inline CRect AreaInTopPage(const CPlatform& platform, const WidgetId& id) {
    const CPopupPage* page = TopPage(platform);
    EXPECT_NE(page, nullptr);
    return page ? page->Root().FindRect(id, {0, 0}) : CRect{};
}

// A left click (or, with move, a pointer move) on the middle of the widget
// id names in the active page.
inline CScript::Step AtWidgetOfTopPage(const CPlatform& platform, const WidgetId& id,
                                       InputEvent::Kind kind = InputEvent::Kind::LButtonDown) {
    return [&platform, id, kind]() -> std::optional<InputEvent> {
        const CRect area = AreaInTopPage(platform, id);
        EXPECT_FALSE(area.IsRectEmpty());
        return InputEvent{kind, (area.left + area.right) / 2, (area.top + area.bottom) / 2, {}};
    };
}
