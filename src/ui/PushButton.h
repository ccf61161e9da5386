// CPushButton: a rounded frame around a light blue face with the caption
// centred on one line, in the device context's current font and text colour.
// Drawn hovered while the root's hovered WidgetId equals its own, and in the
// disabled look while not enabled (never hovered then). Disable or enable a
// button by writing its enabled field; SetCaptionAndId sets caption, id, sub.
#pragma once

#include "ui/Widget.h"

class CPushButton : public CWidget {
public:
    bool RepaintsOnHover() const override;
    void DrawSelf(CDC& dc, const WidgetId& hovered, CPoint origin) const override;
    FocusPolicy GetFocusPolicy() const override { return FocusPolicy::Always; }
    void Describe(CAccessNode& node) const override { node.role = AccessRole::Button; }

    // The light blue face inside the frame of a button drawn in area, where its caption goes.
    static CRect Face(const CRect& area);
};
