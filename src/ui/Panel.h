// CPanel: the framed box most containers are. A body of three nested rounded
// outlines over a fill, and optionally a title bar on top with its own
// outlines and fill and the caption drawn outlined in a font 1.4 times the
// current one. Content goes below the title bar.
#pragma once

#include "ui/Widget.h"

class CPanel : public CWidget {
public:
    CPanel();

    // (0, title height, width, height).
    CRect ContentRect() const override;
    std::optional<COLORREF> TextColor() const override { return captionText_; }
    void DrawSelf(CDC& dc, const WidgetId& hovered, CPoint origin) const override;
    // A group when it has a name (its title or accessName), otherwise none.
    void Describe(CAccessNode& node) const override;

    int TitleHeight() const { return titleHeight_; }
    bool IsOpaque() const override;

    // Setters: the height and the caption are always set; each colour only
    // when it is not kNoColor.
    void SetTitleBar(int height, COLORREF outline1 = kNoColor, COLORREF outline2 = kNoColor,
                     COLORREF outline3 = kNoColor, COLORREF fill = kNoColor);
    void SetBodyColors(COLORREF outline1, COLORREF outline2 = kNoColor, COLORREF outline3 = kNoColor,
                       COLORREF fill = kNoColor);
    void SetTitleCaption(std::string_view text, COLORREF outlineColor = kNoColor,
                         COLORREF textColor = kNoColor);

private:
    int titleHeight_ = 0;  // 0: no title bar
    COLORREF titleOutline1_ = RGB(24, 10, 0);
    COLORREF titleOutline2_ = RGB(183, 171, 154);
    COLORREF titleOutline3_ = RGB(0, 5, 0);
    COLORREF titleFill_ = RGB(20, 39, 41);
    COLORREF captionOutline_ = RGB(50, 86, 71);
    COLORREF captionText_ = RGB(152, 162, 151);
    COLORREF bodyOutline1_ = RGB(94, 120, 118);
    COLORREF bodyOutline2_ = RGB(11, 32, 33);
    COLORREF bodyOutline3_ = RGB(24, 46, 48);
    // The body fill is the widget's fill colour.
};
