// CBadge: a rounded box outlined in the pen colour and filled, its caption
// centred on one line. A badge with a text colour leaves that colour set in
// the device context for whatever is drawn after it.
#pragma once

#include "ui/Widget.h"

class CBadge : public CWidget {
public:
    CBadge();

    // The caption is always replaced; each colour only when not kNoColor.
    void SetBadge(std::string_view text, COLORREF textColor = kNoColor, COLORREF fill = kNoColor,
                  COLORREF penColor = kNoColor);

    std::optional<COLORREF> TextColor() const override { return textColor_; }
    void DrawSelf(CDC& dc, const WidgetId& hovered, CPoint origin) const override;
    FocusPolicy GetFocusPolicy() const override { return FocusPolicy::WhileShowingHover; }
    // A button while it takes focus, otherwise text.
    void Describe(CAccessNode& node) const override;

protected:
    void ApplyLastingDrawState(CDC& dc) const override;

private:
    COLORREF textColor_ = kNoColor;
    COLORREF penColor_ = RGB(35, 91, 129);
};
