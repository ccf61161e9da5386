// CTextLabel: a filled box with its caption right-aligned and vertically
// centred on one line, in its own text colour or, with none set, in the
// device context's current one (the host's white, or what a badge drawn
// before it left set).
#pragma once

#include "ui/Widget.h"

class CTextLabel : public CWidget {
public:
    CTextLabel();

    // The caption is always replaced; each colour only when not kNoColor.
    void SetLabel(std::string_view text, COLORREF textColor = kNoColor, COLORREF fill = kNoColor);

    std::optional<COLORREF> TextColor() const override { return textColor_; }
    void DrawSelf(CDC& dc, const WidgetId& hovered, CPoint origin) const override;
    // Text, when there is any.
    void Describe(CAccessNode& node) const override;

private:
    COLORREF textColor_ = kNoColor;
};
