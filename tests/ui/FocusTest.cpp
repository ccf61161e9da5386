// The keyboard focus through a widget host: which widgets take it and in
// which order Tab, Shift+Tab and the arrows move it, paging by key, what
// Space and Enter do before and after the focus ring shows, the ring's
// pixels (shown only after a key, gone at the next click, standing out on
// dark and light widgets alike) and the hint shown beside the focused widget.
#include "gfx/FocusRing.h"
#include "ui/Badge.h"
#include "ui/PagedGrid.h"
#include "ui/PushButton.h"
#include "ui/ShadowLabel.h"
#include "ui/WidgetHost.h"

#include "support/RecordingWindow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr WidgetId kNone = WidgetId::None();

class CTestHost : public CWidgetHost {
public:
    std::vector<WidgetId> clicks;
    std::vector<KeyChord::Key> commandKeys;

protected:
    void OnWidgetClick(const WidgetId& clicked) override { clicks.push_back(clicked); }
    void OnCommandKey(const KeyChord& key) override { commandKeys.push_back(key.key); }
};

KeyChord Key(KeyChord::Key key, bool shift = false) { return {key, 0, false, shift, false}; }

struct Focus : ::testing::Test {
    CRecordingWindow window;
    CTestHost host;
    CRootPanel& root = host.Root();
    void SetUp() override { host.AttachWindow(&window, {0, 0, 300, 200}); }

    CPushButton* Button(const CRect& r, int group, const WidgetId& parent = kNone) {
        auto* button = root.AddChild<CPushButton>(r, group, -1, -1, parent);
        button->caption = "B" + std::to_string(group);
        return button;
    }
    // A grid of 8 buttons (10000, i), 3 to a row and 6 to a page.
    CPagedGrid* Grid() {
        auto* grid = root.AddChild<CPagedGrid>({0, 0, 300, 150}, 1, -1, -1, kNone);
        grid->SetCellGeometry(5, 5, 90, 50);
        for (int i = 0; i < 8; ++i) grid->AddChild<CPushButton>({}, 10000, i, -1, kNone);
        grid->LayOut();
        return grid;
    }
    CFrameBuffer Render() {
        CFrameBuffer image(300, 200, RGB(0, 0, 0));
        CDC dc(image);
        host.OnPaint(dc);
        return image;
    }
};

TEST_F(Focus, TabAndShiftTabFollowTheRowsAsDrawnAndWrap) {
    const WidgetId right{2, -1, -1}, left{3, -1, -1}, hinted{4, -1, -1}, disabled{5, -1, -1},
        carded{6, -1, -1};
    Button({60, 12, 110, 37}, right.group);
    Button({5, 13, 55, 37}, left.group);  // a pixel lower, but in the same row
    root.AddChild<CShadowLabel>({120, 12, 160, 37}, 7, -1, -1, kNone)->hint = "labels take no focus";
    root.AddChild<CBadge>({170, 12, 200, 37}, 8, -1, -1, kNone);  // nothing to show
    root.AddChild<CBadge>({5, 50, 55, 70}, hinted.group, -1, -1, kNone)->hint = "?";
    Button({60, 50, 110, 70}, disabled.group)->enabled = false;
    root.AddChild<CBadge>({120, 50, 160, 70}, carded.group, -1, -1, kNone);
    root.AddHoverCard({0, 0, 50, 50}, carded.group, -1, -1);
    Button({5, 80, 55, 100}, 9)->shown = false;

    EXPECT_EQ(host.Focus().FocusedId(), left);  // the first, before any key
    const std::vector<std::pair<KeyChord, WidgetId>> steps{
        {Key(KeyChord::Key::Tab), right},          {Key(KeyChord::Key::Tab), hinted},
        {Key(KeyChord::Key::Tab), disabled},       {Key(KeyChord::Key::Tab), carded},
        {Key(KeyChord::Key::Tab), left},           {Key(KeyChord::Key::Tab, true), carded},
        {Key(KeyChord::Key::Tab, true), disabled}, {Key(KeyChord::Key::Home), left},
        {Key(KeyChord::Key::End), carded},
    };
    for (const auto& [key, expected] : steps) {
        host.OnKey(key);
        EXPECT_EQ(host.Focus().FocusedId(), expected) << static_cast<int>(key.key) << " shift " << key.shift;
    }
    EXPECT_TRUE(host.clicks.empty());
}

TEST_F(Focus, ArrowsGoToTheNearestWidgetWithin45DegreesAndPagingFocusesTheNewPage) {
    CPagedGrid* grid = Grid();
    const auto cell = [](int i) { return WidgetId{10000, i, -1}; };
    const WidgetId previous{1, -1, 1}, next{1, -1, 2};
    // Cells 0 to 5 in two rows of three, the page bar below: [上一页] 1/2 [下一页].
    const std::vector<std::pair<KeyChord::Key, WidgetId>> steps{
        {KeyChord::Key::Right, cell(1)}, {KeyChord::Key::Right, cell(2)},
        {KeyChord::Key::Right, cell(2)},  // nothing further right
        {KeyChord::Key::Down, cell(5)},  {KeyChord::Key::Left, cell(4)},
        {KeyChord::Key::Down, previous},  // 下一页 lies more than 45 degrees off
        {KeyChord::Key::Right, next},    {KeyChord::Key::Up, cell(5)},
        {KeyChord::Key::Up, cell(2)},    {KeyChord::Key::Up, cell(2)},
    };
    for (const auto& [key, expected] : steps) {
        host.OnKey(Key(key));
        EXPECT_EQ(host.Focus().FocusedId(), expected) << static_cast<int>(key);
    }
    host.OnKey(Key(KeyChord::Key::PageDown));
    EXPECT_EQ(grid->CurrentPage(), 1);
    EXPECT_EQ(host.Focus().FocusedId(), cell(6));
    // Past the last page nothing happens, not even a repaint.
    window.invalidations.clear();
    host.OnKey(Key(KeyChord::Key::PageDown));
    EXPECT_EQ(grid->CurrentPage(), 1);
    EXPECT_EQ(host.Focus().FocusedId(), cell(6));
    EXPECT_TRUE(window.invalidations.empty());
    host.OnKey(Key(KeyChord::Key::PageUp));
    EXPECT_EQ(grid->CurrentPage(), 0);
    EXPECT_EQ(host.Focus().FocusedId(), cell(0));
    EXPECT_TRUE(host.clicks.empty());
}

TEST_F(Focus, SpaceAndEnterActLikeAClickOnlyOnceTheRingShows) {
    const WidgetId enabled{2, -1, -1};
    Button({10, 10, 60, 30}, enabled.group);
    Button({70, 10, 120, 30}, 3)->enabled = false;
    struct Step {
        KeyChord::Key key;
        std::vector<WidgetId> clicks;
        std::vector<KeyChord::Key> commandKeys;
        bool ring;
    };
    const std::vector<Step> steps{
        {KeyChord::Key::Return, {}, {KeyChord::Key::Return}, false},       // Enter keeps its meaning
        {KeyChord::Key::Space, {}, {KeyChord::Key::Return}, true},         // Space shows the ring only
        {KeyChord::Key::Space, {enabled}, {KeyChord::Key::Return}, true},  // then clicks
        {KeyChord::Key::Return, {enabled, enabled}, {KeyChord::Key::Return}, true},
        {KeyChord::Key::Right, {enabled, enabled}, {KeyChord::Key::Return}, true},  // to the disabled one
        {KeyChord::Key::Space, {enabled, enabled}, {KeyChord::Key::Return}, true},  // nothing
        {KeyChord::Key::Return, {enabled, enabled}, {KeyChord::Key::Return}, true},
        {KeyChord::Key::Escape, {enabled, enabled}, {KeyChord::Key::Return, KeyChord::Key::Escape}, true},
    };
    for (const Step& step : steps) {
        host.OnKey(Key(step.key));
        EXPECT_EQ(host.clicks, step.clicks) << static_cast<int>(step.key);
        EXPECT_EQ(host.commandKeys, step.commandKeys) << static_cast<int>(step.key);
        EXPECT_EQ(host.ShowsFocusRing(), step.ring) << static_cast<int>(step.key);
    }
}

TEST_F(Focus, ActivatingGoesThroughTheAncestorsAsAClickOnTheWidgetDoes) {
    // An earlier sibling under the next-page button takes a click at its place.
    root.AddChild<CShadowLabel>({0, 120, 300, 150}, 50, -1, -1, kNone);
    CPagedGrid* grid = Grid();
    host.OnKey(Key(KeyChord::Key::End));  // 下一页
    ASSERT_EQ(host.Focus().FocusedId(), (WidgetId{1, -1, 2}));
    EXPECT_EQ(root.ClickAt(200, 135), (WidgetId{50, -1, -1}));
    host.OnKey(Key(KeyChord::Key::Space));
    EXPECT_EQ(grid->CurrentPage(), 1);
    EXPECT_EQ(host.clicks, std::vector<WidgetId>{kNone});  // consumed by the grid
}

TEST_F(Focus, AClickMovesTheFocusAndHidesTheRing) {
    Button({10, 10, 60, 30}, 2);
    Button({70, 10, 120, 30}, 3);
    root.AddChild<CShadowLabel>({10, 50, 60, 70}, 4, -1, -1, kNone);
    host.OnKey(Key(KeyChord::Key::Space));
    EXPECT_TRUE(host.ShowsFocusRing());
    host.OnLButtonDown(80, 20);
    EXPECT_FALSE(host.ShowsFocusRing());
    EXPECT_EQ(host.Focus().FocusedId(), (WidgetId{3, -1, -1}));
    host.OnLButtonDown(20, 60);  // a label keeps the focus where it was
    EXPECT_EQ(host.Focus().FocusedId(), (WidgetId{3, -1, -1}));
}

TEST_F(Focus, TheFocusedWidgetsHintShowsBesideItUntilThePointerMoves) {
    Button({10, 10, 60, 30}, 2)->hint = "first";
    Button({10, 170, 60, 190}, 3)->hint = "second";
    EXPECT_TRUE(root.MouseMoveAt(20, 20));
    EXPECT_EQ(root.HintText(), "first");
    for (int i = 0; i < 2; ++i) {
        host.OnKey(Key(KeyChord::Key::Tab));
        const CRect widget = root.FindRect(host.Focus().FocusedId(), {0, 0});
        EXPECT_EQ(root.HintText(), i == 0 ? "second" : "first");
        EXPECT_TRUE(root.HintRect().Intersect(FocusRingArea(widget)).IsRectEmpty()) << i;
    }
    // Any move shows the hovered widget's hint again, also within it.
    EXPECT_FALSE(root.MouseMoveAt(21, 21));
    EXPECT_EQ(root.HintOwner(), (WidgetId{2, -1, -1}));
    root.HideHint();
    EXPECT_FALSE(root.MouseMoveAt(22, 22));
    EXPECT_EQ(root.HintText(), "");
    EXPECT_TRUE(root.MouseMoveAt(20, 180));
    EXPECT_EQ(root.HintText(), "second");
}

// WCAG's contrast ratio of two colours.
double Contrast(COLORREF a, COLORREF b) {
    const auto luminance = [](COLORREF c) {
        const auto channel = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(GetRValue(c)) + 0.7152 * channel(GetGValue(c)) +
               0.0722 * channel(GetBValue(c));
    };
    const double la = luminance(a) + 0.05;
    const double lb = luminance(b) + 0.05;
    return std::max(la, lb) / std::min(la, lb);
}

TEST_F(Focus, TheRingShowsOnlyAfterAKeyAndStandsOutOnTheDarkestAndLightestWidgets) {
    struct Case {
        const char* what;
        COLORREF background;
        bool button;  // else a badge, the darkest widget that takes focus
    };
    for (const Case& c : {Case{"dark badge on the card body", RGB(55, 59, 51), false},
                          Case{"dark badge on black", RGB(0, 0, 0), false},
                          Case{"light button on white", RGB(255, 255, 255), true},
                          Case{"light button on the card body", RGB(55, 59, 51), true}}) {
        CTestHost fresh;
        fresh.AttachWindow(&window, {0, 0, 300, 200});
        CRootPanel& r = fresh.Root();
        r.SetBodyColors(c.background, c.background, c.background, c.background);
        const CRect area{100, 80, 160, 102};
        if (c.button)
            r.AddChild<CPushButton>(area, 2, -1, -1, kNone);
        else
            r.AddChild<CBadge>(area, 2, -1, -1, kNone)->hint = "?";
        r.AddChild<CPushButton>({10, 10, 60, 30}, 3, -1, -1, kNone);
        const auto render = [&fresh] {
            CFrameBuffer image(300, 200, RGB(0, 0, 0));
            CDC dc(image);
            fresh.OnPaint(dc);
            return image;
        };
        const CFrameBuffer before = render();
        fresh.OnKey(Key(KeyChord::Key::End));
        const CFrameBuffer ringed = render();
        // Only the ring's pixels changed, and the hint box's beside it.
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 300; ++x) {
                const bool inRing = FocusRingArea(area).PtInRect(x, y) && !area.PtInRect(x, y);
                if (inRing || r.HintRect().PtInRect(x, y)) continue;
                ASSERT_EQ(ringed.GetPixel(x, y), before.GetPixel(x, y)) << c.what << x << "," << y;
            }
        // Along the middle row: outside, the ring's bands, the widget's edge.
        const int y = (area.top + area.bottom) / 2;
        const COLORREF outside = ringed.GetPixel(area.left - kFocusRingWidth - 1, y);
        const COLORREF edge = ringed.GetPixel(area.left, y);
        std::vector<COLORREF> bands;
        for (int x = area.left - kFocusRingWidth; x < area.left; ++x) bands.push_back(ringed.GetPixel(x, y));
        const auto standsOut = [&bands](COLORREF next) {
            return std::any_of(bands.begin(), bands.end(),
                               [next](COLORREF b) { return Contrast(b, next) >= 3.0; });
        };
        EXPECT_TRUE(standsOut(outside)) << c.what;
        EXPECT_TRUE(standsOut(edge)) << c.what;
        // The next click takes the ring away: the pixels are as before.
        fresh.OnLButtonDown(20, 20);
        EXPECT_TRUE(render() == before) << c.what;
    }
}

}  // namespace
