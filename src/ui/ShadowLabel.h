// CShadowLabel: a filled box with its caption centred on one line, engraved:
// drawn first in the offset colour one pixel right and down, then in the
// text colour.
#pragma once

#include "ui/Widget.h"

class CShadowLabel : public CWidget {
public:
    CShadowLabel();

    // The caption is always replaced; each colour only when not kNoColor.
    void SetLabel(std::string_view text, COLORREF offsetColor = kNoColor, COLORREF textColor = kNoColor,
                  COLORREF fill = kNoColor);

    std::optional<COLORREF> TextColor() const override { return textColor_; }
    void DrawSelf(CDC& dc, const WidgetId& hovered, CPoint origin) const override;
    // Text, when there is any.
    void Describe(CAccessNode& node) const override;

private:
    COLORREF offsetColor_ = RGB(203, 191, 163);
    COLORREF textColor_ = RGB(149, 125, 97);
};
