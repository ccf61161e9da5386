// The push button.
#include "ui/PushButton.h"

#include "gfx/ScopedDCState.h"
#include "ui/BoxDrawing.h"
#include "ui/TextDrawing.h"

namespace {

// The face inside the frame, in every state.
constexpr COLORREF kButtonFace = RGB(120, 183, 252);

}  // namespace

// A disabled button looks the same hovered or not.
bool CPushButton::RepaintsOnHover() const { return enabled; }

CRect CPushButton::Face(const CRect& area) {
    CRect face = area;
    face.DeflateRect(3, 3, 5, 4);
    return face;
}

void CPushButton::DrawSelf(CDC& dc, const WidgetId& hovered, CPoint origin) const {
    const CRect r = rect.Offset(origin.x, origin.y);
    const ButtonState state = !enabled          ? ButtonState::Disabled
                              : hovered == Id() ? ButtonState::Hover
                                                : ButtonState::Normal;
    DrawButtonFrame(dc, r.left, r.top, r.right, r.bottom, state);
    CRect face = Face(r);
    dc.FillSolidRect(face, kButtonFace);
    // A caption may reach over the frame; one wider than the whole button is condensed to the face.
    const CScopedDCState saved(dc);
    if (dc.GetTextExtent(caption).cx > r.Width()) SelectFittingFont(dc, caption, face.Width());
    dc.DrawText(caption, face, kCentredLine);
}
