// The scoped saver of a device context's state: each part comes back as it
// was, nested savers unwind in order, and each part leaves the other alone
// (a widget's lasting tools survive its parent's cut of the clip region).
#include "gfx/ScopedDCState.h"

#include <gtest/gtest.h>

namespace {

// The whole state the saver knows of, for comparing.
struct State {
    CPen pen;
    CBrush brush;
    CFont font;
    COLORREF text, background;
    int mode;
    std::vector<CRect> clip;
    bool operator==(const State&) const = default;
};

State StateOf(const CDC& dc) {
    return {dc.GetCurrentPen(), dc.GetCurrentBrush(), dc.GetCurrentFont(), dc.GetTextColor(),
            dc.GetBkColor(),    dc.GetBkMode(),       dc.GetClipRegion()};
}

void ChangeTools(CDC& dc, COLORREF color) {
    dc.SelectObject(CPen::Solid(color));
    dc.SelectObject(CBrush::Null());
    CLogFont font;
    font.height = -12 - static_cast<int>(color % 7);
    dc.SelectObject(CFont::CreateFontIndirect(font));
    dc.SetTextColor(color);
    dc.SetBkColor(color);
    dc.SetBkMode(dc.GetBkMode() == OPAQUE ? TRANSPARENT : OPAQUE);
}

struct ScopedDCState : ::testing::Test {
    CFrameBuffer image{20, 12, RGB(255, 255, 255)};
    CDC dc{image};
};

TEST_F(ScopedDCState, PutsTheToolsBackNestedAndLeavesTheClipRegion) {
    dc.SetClipRect({1, 1, 10, 10});
    const State before = StateOf(dc);
    State changed;
    {
        const CScopedDCState outer(dc);
        ChangeTools(dc, RGB(1, 2, 3));
        const State middle = StateOf(dc);
        {
            const CScopedDCState inner(dc);
            ChangeTools(dc, RGB(4, 5, 6));
        }
        EXPECT_EQ(StateOf(dc), middle);
        dc.SetClipRect({2, 2, 3, 3});
        changed = StateOf(dc);
    }
    State after = StateOf(dc);
    EXPECT_EQ(after.clip, changed.clip);
    after.clip = before.clip;
    EXPECT_EQ(after, before);
}

TEST_F(ScopedDCState, PutsTheClipRegionBackAndLeavesTheTools) {
    dc.SetClipRegion({{0, 0, 4, 3}, {6, 0, 9, 3}});
    const std::vector<CRect> region = dc.GetClipRegion();
    State changed;
    {
        const CScopedDCState clip(dc, CScopedDCState::Part::ClipRegion);
        dc.ExcludeClipRect({0, 0, 5, 12});
        {
            const CScopedDCState inner(dc, CScopedDCState::Part::ClipRegion);
            dc.ExcludeClipRect({0, 0, 20, 12});
        }
        EXPECT_EQ(dc.GetClipRegion(), std::vector<CRect>({{6, 0, 9, 3}}));
        ChangeTools(dc, RGB(7, 8, 9));
        changed = StateOf(dc);
    }
    EXPECT_EQ(dc.GetClipRegion(), region);
    EXPECT_EQ(dc.GetClipBox(), (CRect{0, 0, 9, 3}));
    State after = StateOf(dc);
    after.clip = changed.clip;
    EXPECT_EQ(after, changed);
}

}  // namespace
