// CScopedDCState: puts a device context's state back, when the scope ends,
// as it was when it began, whatever the drawing in between changed: either
// the drawing tools (pen, brush, font, text and background colours,
// background mode) or the clip region. The two are apart because a widget
// may leave tools set on purpose for the ones drawn after it, while its
// parent cuts the clip region around it; and the region is the dearer one
// to save.
#pragma once

#include "gfx/DeviceContext.h"

class CScopedDCState {
public:
    enum class Part { Tools, ClipRegion };

    explicit CScopedDCState(CDC& dc, Part part = Part::Tools);
    ~CScopedDCState();
    CScopedDCState(const CScopedDCState&) = delete;
    CScopedDCState& operator=(const CScopedDCState&) = delete;

private:
    CDC& dc_;
    Part part_;
    CPen pen_;
    CBrush brush_;
    CFont font_;
    COLORREF textColor_ = 0;
    COLORREF bkColor_ = 0;
    int bkMode_ = 0;
};
