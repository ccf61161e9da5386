// The engraved label.
#include "ui/ShadowLabel.h"

#include "ui/ColorSetting.h"
#include "ui/TextDrawing.h"

CShadowLabel::CShadowLabel() { fillColor = RGB(50, 45, 37); }

void CShadowLabel::SetLabel(std::string_view text, COLORREF offsetColor, COLORREF textColor, COLORREF fill) {
    caption = text;
    AssignColor(offsetColor_, offsetColor);
    AssignColor(textColor_, textColor);
    AssignColor(fillColor, fill);
}

void CShadowLabel::DrawSelf(CDC& dc, const WidgetId&, CPoint origin) const {
    DrawShadowText(dc, caption, rect.Offset(origin.x, origin.y), offsetColor_, textColor_, fillColor);
}

void CShadowLabel::Describe(CAccessNode& node) const {
    if (!node.name.empty()) node.role = AccessRole::StaticText;
}
