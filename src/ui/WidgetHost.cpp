// Painting and mouse routing for a window that holds a widget tree.
#include "ui/WidgetHost.h"

#include "ui/ScreenFont.h"

void CWidgetHost::OnPaint(CDC& dc) {
    const CFont previousFont = dc.SelectObject(CreateScreenFont());
    const int previousMode = dc.SetBkMode(TRANSPARENT);
    const COLORREF previousColor = dc.SetTextColor(kScreenTextColor);
    root_.PaintAll(dc);
    dc.SetTextColor(previousColor);
    dc.SetBkMode(previousMode);
    dc.SelectObject(previousFont);
}

void CWidgetHost::OnMouseMove(int x, int y) { root_.MouseMoveAt(x, y); }

void CWidgetHost::OnLButtonDown(int x, int y) { OnWidgetClick(root_.ClickAt(x, y)); }
