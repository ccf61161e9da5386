// Painting and mouse routing for a window that holds a widget tree.
#include "ui/WidgetHost.h"

#include "gfx/ScopedDCState.h"
#include "ui/AccessDescription.h"
#include "ui/ScreenFont.h"

void CWidgetHost::OnPaint(CDC& dc) {
    {
        const CScopedDCState saved(dc);
        dc.SelectObject(CreateScreenFont());
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(kScreenTextColor);
        root_.PaintAll(dc, focus_.RingArea());
    }
    DescribeToWindow();
}

void CWidgetHost::DescribeToWindow() const {
    if (CWindow* window = root_.Owner())
        window->SetAccessDescription([this, window] {
            return DescribeWindow(root_, focus_.FocusedWidget(), AccessWindowRole(), window->GetTitle());
        });
}

void CWidgetHost::OnMouseMove(int x, int y) { root_.MouseMoveAt(x, y); }

void CWidgetHost::OnLButtonDown(int x, int y) {
    focus_.OnClick(x, y);
    OnWidgetClick(root_.ClickAt(x, y));
    DescribeToWindow();
}

void CWidgetHost::OnKey(const KeyChord& key) {
    if (!focus_.OnKey(key, PressHandler())) OnCommandKey(key);
    DescribeToWindow();
}

void CWidgetHost::OnAccessAction(const std::string& node, AccessAction action) {
    AccessWidgets widgets;
    DescribeWindow(root_, focus_.FocusedWidget(), AccessWindowRole(), {}, &widgets);
    const auto named = widgets.find(node);
    if (named == widgets.end() || !focus_.FocusWidget(*named->second)) return;
    if (action == AccessAction::Activate) focus_.PressFocused(PressHandler());
    DescribeToWindow();
}

bool CWidgetHost::TabWraps(bool backward) const { return focus_.TabWraps(backward); }

CKeyboardFocus::Press CWidgetHost::PressHandler() {
    return [this](const WidgetId& clicked) { OnWidgetClick(clicked); };
}
