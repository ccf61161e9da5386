// The right-aligned value label.
#include "ui/TextLabel.h"

#include "ui/ColorSetting.h"
#include "ui/TextDrawing.h"

CTextLabel::CTextLabel() { fillColor = RGB(21, 21, 23); }

void CTextLabel::SetLabel(std::string_view text, COLORREF textColor, COLORREF fill) {
    caption = text;
    AssignColor(textColor_, textColor);
    AssignColor(fillColor, fill);
}

void CTextLabel::DrawSelf(CDC& dc, const WidgetId&, CPoint origin) const {
    DrawRightText(dc, caption, rect.Offset(origin.x, origin.y), textColor_, fillColor);
}

void CTextLabel::Describe(CAccessNode& node) const {
    if (!node.name.empty()) node.role = AccessRole::StaticText;
}
