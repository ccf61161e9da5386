// The framed panel.
#include "ui/Panel.h"

#include "gfx/ScopedDCState.h"
#include "ui/BoxDrawing.h"
#include "ui/ColorSetting.h"
#include "ui/TextDrawing.h"

// The title caption is drawn this much larger than the current font.
static constexpr float kTitleFontScale = 1.4f;

CPanel::CPanel() { fillColor = RGB(24, 36, 37); }

CRect CPanel::ContentRect() const { return {0, titleHeight_, rect.Width(), rect.Height()}; }

bool CPanel::IsOpaque() const {
    return fillColor != kNoColor && (titleHeight_ <= 0 || titleFill_ != kNoColor);
}

void CPanel::DrawSelf(CDC& dc, const WidgetId&, CPoint origin) const {
    const CRect r = rect.Offset(origin.x, origin.y);
    CRect body = r;
    if (titleHeight_ > 0) {
        const CRect title{r.left, r.top, r.right, r.top + titleHeight_};
        DrawFramedBox(dc, title, titleOutline1_, titleOutline2_, titleOutline3_, titleFill_);
        const CScopedDCState saved(dc);
        ScaleCurrentFont(dc, kTitleFontScale);
        DrawOutlinedText(dc, caption, title, captionOutline_, captionText_);
        body.top += titleHeight_;
    }
    DrawFramedBox(dc, body, bodyOutline1_, bodyOutline2_, bodyOutline3_, fillColor);
}

void CPanel::SetTitleBar(int height, COLORREF outline1, COLORREF outline2, COLORREF outline3, COLORREF fill) {
    titleHeight_ = height;
    AssignColor(titleOutline1_, outline1);
    AssignColor(titleOutline2_, outline2);
    AssignColor(titleOutline3_, outline3);
    AssignColor(titleFill_, fill);
}

void CPanel::SetBodyColors(COLORREF outline1, COLORREF outline2, COLORREF outline3, COLORREF fill) {
    AssignColor(bodyOutline1_, outline1);
    AssignColor(bodyOutline2_, outline2);
    AssignColor(bodyOutline3_, outline3);
    AssignColor(fillColor, fill);
}

void CPanel::SetTitleCaption(std::string_view text, COLORREF outlineColor, COLORREF textColor) {
    caption = text;
    AssignColor(captionOutline_, outlineColor);
    AssignColor(captionText_, textColor);
}

void CPanel::Describe(CAccessNode& node) const {
    if (!node.name.empty()) node.role = AccessRole::Group;
}
