// The rounded badge.
#include "ui/Badge.h"

#include "ui/ColorSetting.h"
#include "ui/TextDrawing.h"

CBadge::CBadge() { fillColor = RGB(29, 60, 97); }

void CBadge::SetBadge(std::string_view text, COLORREF textColor, COLORREF fill, COLORREF penColor) {
    caption = text;
    AssignColor(textColor_, textColor);
    AssignColor(fillColor, fill);
    AssignColor(penColor_, penColor);
}

void CBadge::DrawSelf(CDC& dc, const WidgetId&, CPoint origin) const {
    DrawBadgeBox(dc, caption, rect.Offset(origin.x, origin.y), textColor_, fillColor, penColor_);
}

void CBadge::ApplyLastingDrawState(CDC& dc) const {
    if (textColor_ != kNoColor) dc.SetTextColor(textColor_);
}

void CBadge::Describe(CAccessNode& node) const {
    node.role = node.canFocus ? AccessRole::Button : AccessRole::StaticText;
}
