// Saving and putting back a device context's state (see ScopedDCState.h).
#include "gfx/ScopedDCState.h"

CScopedDCState::CScopedDCState(CDC& dc, Part part) : dc_(dc), part_(part) {
    if (part_ == Part::ClipRegion) {
        dc_.SaveClipRegion();
        return;
    }
    pen_ = dc_.GetCurrentPen();
    brush_ = dc_.GetCurrentBrush();
    font_ = dc_.GetCurrentFont();
    textColor_ = dc_.GetTextColor();
    bkColor_ = dc_.GetBkColor();
    bkMode_ = dc_.GetBkMode();
}

CScopedDCState::~CScopedDCState() {
    if (part_ == Part::ClipRegion) {
        dc_.RestoreClipRegion();
        return;
    }
    dc_.SelectObject(pen_);
    dc_.SelectObject(brush_);
    dc_.SelectObject(font_);
    dc_.SetTextColor(textColor_);
    dc_.SetBkColor(bkColor_);
    dc_.SetBkMode(bkMode_);
}
