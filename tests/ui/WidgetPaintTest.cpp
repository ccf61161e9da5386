// Pixel tests of painting through a widget host: the kinds' looks with the
// host's font and colours, the hint box and hover cards, and that painting
// under a clip region gives exactly the pixels of a full paint there; an
// opaque panel covers all it claims to.
#include "ui/WidgetHost.h"

#include "support/DemoScreen.h"
#include "support/FailureReason.h"
#include "support/PixelProbe.h"
#include "support/RecordingWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr WidgetId kNone = WidgetId::None();
constexpr COLORREF kBackground = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kButtonFace = RGB(120, 183, 252);
constexpr COLORREF kRingTopLeft = RGB(255, 202, 130);

class CTestHost : public CWidgetHost {
public:
    std::vector<WidgetId> clicks;

protected:
    void OnWidgetClick(const WidgetId& clicked) override { clicks.push_back(clicked); }
};

struct Paint : ::testing::Test {
    CRecordingWindow window;
    CTestHost host;
    CRootPanel& root = host.Root();
    void SetUp() override { host.AttachWindow(&window, {0, 0, 300, 200}); }

    CFrameBuffer Render(const CRect& clip = {}) {
        CFrameBuffer image(320, 220, kBackground);
        CDC dc(image);
        if (!clip.IsRectEmpty()) dc.SetClipRect(clip);
        host.OnPaint(dc);
        return image;
    }
    // The root draws a panel body over everything; these tests look at the
    // widgets on a plain background.
    void PlainRoot() { root.SetBodyColors(kBackground, kBackground, kBackground, kBackground); }
};

TEST_F(Paint, HostPaintsInWhiteOnATransparentBackgroundAndPutsTheContextBack) {
    PlainRoot();
    root.AddChild<CTextLabel>({10, 10, 110, 30}, 1, -1, -1, kNone)->SetLabel("100", kNoColor, kNoColor);
    CFrameBuffer image(320, 220, kBackground);
    CDC dc(image);
    dc.SetTextColor(RGB(1, 2, 3));
    host.OnPaint(dc);
    const CRect ink = BoxOf(image, kWhite);
    EXPECT_GE(ink.left, 60);
    EXPECT_LE(ink.right, 110);
    EXPECT_EQ(dc.GetTextColor(), RGB(1, 2, 3));
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    EXPECT_TRUE(dc.GetCurrentFont().IsNull());
}

TEST_F(Paint, TextLabelTakesTheColourABadgeBeforeItLeftSet) {
    PlainRoot();
    const COLORREF gold = RGB(255, 220, 120);
    root.AddChild<CBadge>({10, 10, 64, 26}, 1, -1, -1, kNone)->SetBadge("掉宝", gold);
    auto* label = root.AddChild<CTextLabel>({10, 40, 110, 60}, 2, -1, -1, kNone);
    label->SetLabel("45%");
    const CFrameBuffer image = Render();
    EXPECT_EQ(CountOf(image, kWhite), 0u);
    EXPECT_GE(BoxOf(image, gold).bottom, 45);
    // A colour of its own wins; setting kNoColor later keeps it.
    label->SetLabel("45%", RGB(0, 255, 0));
    label->SetLabel("46%", kNoColor);
    const CFrameBuffer own = Render();
    EXPECT_GE(BoxOf(own, RGB(0, 255, 0)).top, 40);
    EXPECT_LE(BoxOf(own, gold).bottom, 26);
}

TEST_F(Paint, DisabledButtonIsNeverDrawnHovered) {
    PlainRoot();
    auto* button = root.AddChild<CPushButton>({10, 10, 64, 31}, 206, -1, -1, kNone);
    button->caption = "背包";
    button->enabled = false;
    root.MouseMoveAt(20, 20);
    ASSERT_EQ(root.Hovered(), (WidgetId{206, -1, -1}));
    const CFrameBuffer image = Render();
    EXPECT_EQ(CountOf(image, kRingTopLeft), 0u);
    EXPECT_EQ(image.GetPixel(13, 13), kButtonFace);
    EXPECT_EQ(image.GetPixel(58, 26), kButtonFace);
    EXPECT_EQ(image.GetPixel(59, 26), kBackground);
    EXPECT_EQ(image.GetPixel(30, 10), GetSysColor(SysColor::ButtonShadow));
}

TEST_F(Paint, ButtonsSharingAWidgetIdAreHoveredTogether) {
    PlainRoot();
    root.AddChild<CPushButton>({10, 10, 64, 31}, 5, 1, -1, kNone);
    root.AddChild<CPushButton>({10, 50, 64, 71}, 5, 1, -1, kNone);
    root.AddChild<CPushButton>({10, 90, 64, 111}, 5, 2, -1, kNone);
    EXPECT_EQ(CountOf(Render(), kRingTopLeft), 0u);
    root.MouseMoveAt(20, 60);
    const CFrameBuffer image = Render();
    EXPECT_EQ(image.GetPixel(30, 11), kRingTopLeft);
    EXPECT_EQ(image.GetPixel(30, 51), kRingTopLeft);
    EXPECT_NE(image.GetPixel(30, 91), kRingTopLeft);
}

TEST_F(Paint, PanelTitleCaptionIsDrawnLargerAndOutlined) {
    auto* panel = root.AddChild<CPanel>({10, 10, 210, 110}, 1, -1, -1, kNone);
    panel->SetTitleBar(30);
    panel->SetTitleCaption("训 练", kNoColor, RGB(255, 0, 0));
    const CFrameBuffer image = Render();
    const CRect caption = BoxOf(image, RGB(255, 0, 0));
    const CRect outline = BoxOf(image, RGB(50, 86, 71));
    // The 22-pixel font: taller than any 16-pixel glyph.
    EXPECT_GT(caption.Height(), 16);
    EXPECT_LE(caption.bottom, 40);
    EXPECT_EQ(outline.left, caption.left - 1);
    // Title bar and body.
    EXPECT_EQ(image.GetPixel(100, 10), RGB(24, 10, 0));
    EXPECT_EQ(image.GetPixel(100, 40), RGB(94, 120, 118));
    EXPECT_EQ(image.GetPixel(100, 60), RGB(24, 36, 37));
}

// A parent leaves out what its opaque children cover, so a panel that says
// it is opaque must paint every pixel of its rectangle.
TEST_F(Paint, AnOpaquePanelCoversItsWholeRectangleAndHidesItsParentBeneath) {
    constexpr COLORREF kSentinel = RGB(255, 0, 255);
    root.fillColor = kNoColor;
    auto* parent = root.AddChild<CPanel>({10, 10, 290, 190}, 1, -1, -1, kNone);
    parent->SetTitleBar(30);
    parent->SetTitleCaption("训 练", kNoColor, RGB(255, 0, 0));
    auto* titled = parent->AddChild<CPanel>({0, 0, 120, 80}, 2, -1, -1, kNone);  // over the caption
    titled->SetTitleBar(20);
    auto* plain = parent->AddChild<CPanel>({130, 40, 270, 170}, 3, -1, -1, kNone);
    auto* hollow = parent->AddChild<CPanel>({10, 90, 120, 170}, 4, -1, -1, kNone);
    hollow->fillColor = kNoColor;
    parent->fillColor = kNoColor;
    EXPECT_TRUE(titled->IsOpaque());
    EXPECT_TRUE(plain->IsOpaque());
    EXPECT_FALSE(hollow->IsOpaque());
    EXPECT_FALSE(parent->IsOpaque());

    CFrameBuffer image(320, 220, kSentinel);
    CDC dc(image);
    host.OnPaint(dc);
    const auto countIn = [&](const CRect& r, COLORREF colour) {
        int count = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) count += image.GetPixel(x, y) == colour;
        return count;
    };
    EXPECT_EQ(countIn({10, 10, 130, 90}, kSentinel), 0);
    EXPECT_EQ(countIn({140, 50, 280, 180}, kSentinel), 0);
    EXPECT_GT(countIn({22, 102, 128, 178}, kSentinel), 0);  // inside the hollow one's outlines
    // The parent's caption runs under the titled panel and shows only beside it.
    EXPECT_EQ(countIn({10, 10, 130, 90}, RGB(255, 0, 0)), 0);
    EXPECT_GT(countIn({130, 10, 290, 40}, RGB(255, 0, 0)), 0);
}

TEST_F(Paint, PanelWithoutTitleDrawsNoCaption) {
    auto* panel = root.AddChild<CPanel>({10, 10, 210, 110}, 1, -1, -1, kNone);
    panel->SetTitleCaption("训 练", kNoColor, RGB(255, 0, 0));
    EXPECT_EQ(CountOf(Render(), RGB(255, 0, 0)), 0u);
}

TEST_F(Paint, HintBoxIsFramedFilledAndHoldsTheText) {
    PlainRoot();
    root.AddChild<CPushButton>({10, 10, 64, 31}, 205, -1, -1, kNone)->hint = "打得过\r\n还行";
    root.MouseMoveAt(100 - 73, 20);
    const CRect hint = root.HintRect();
    // 58 x 37, pushed off the left edge to 5 pixels inside it.
    ASSERT_EQ(hint, (CRect{5, 25, 63, 62}));
    const CFrameBuffer image = Render();
    EXPECT_EQ(image.GetPixel(hint.left + 20, hint.top), RGB(193, 168, 133));
    EXPECT_EQ(image.GetPixel(hint.left + 1, hint.top + 1), RGB(32, 32, 32));
    const CRect text = BoxOf(image, kWhite);
    EXPECT_GE(text.left, hint.left + 2);
    EXPECT_GE(text.top, hint.top + 2);
    EXPECT_LE(text.bottom, hint.bottom - 2);
}

// Hint boxes are drawn once and shown again from their image: a box shown
// again elsewhere, or after its text changed, is what a fresh host draws.
TEST_F(Paint, AHintShownAgainIsWhatAFreshHostDraws) {
    const auto addButtons = [](CRootPanel& panel) {
        panel.AddChild<CPushButton>({10, 10, 64, 31}, 205, -1, -1, kNone)->hint = "打得过\r\n还行";
        panel.AddChild<CPushButton>({100, 10, 154, 31}, 206, -1, -1, kNone)->hint = "打不过";
        return panel.FindWidget({205, -1, -1});
    };
    CWidget* first = addButtons(root);
    const auto fresh = [&](const std::string& hint) {
        CRecordingWindow otherWindow;
        CTestHost other;
        other.AttachWindow(&otherWindow, {0, 0, 300, 200});
        addButtons(other.Root())->hint = hint;
        other.Root().MouseMoveAt(40, 25);
        CFrameBuffer image(320, 220, kBackground);
        CDC dc(image);
        other.OnPaint(dc);
        return image;
    };
    root.MouseMoveAt(20, 20);
    Render();
    root.MouseMoveAt(120, 20);
    Render();
    root.MouseMoveAt(40, 25);
    EXPECT_TRUE(Render() == fresh("打得过\r\n还行"));
    first->hint = "打不过了";
    root.RereadHint();
    EXPECT_TRUE(Render() == fresh("打不过了"));
}

TEST_F(Paint, EmptyHintDrawsNoBox) {
    PlainRoot();
    root.AddChild<CPushButton>({10, 10, 64, 31}, 205, -1, -1, kNone);
    root.MouseMoveAt(20, 20);
    EXPECT_EQ(root.HintRect(), (CRect{0, 0, 1, 1}));
    EXPECT_EQ(CountOf(Render(), RGB(32, 32, 32)), 0u);
}

TEST_F(Paint, HoverCardIsDrawnAtTheHintBox) {
    PlainRoot();
    root.AddChild<CBadge>({100, 50, 154, 66}, 1, 101, 3, kNone);
    CHoverCard* card = root.AddHoverCard({10, 42, 110, 92}, 1, 101, 3);
    card->AddChild<CShadowLabel>({3, 3, 97, 21}, -1, -1, -1, kNone)->SetLabel("无名氏");
    root.MouseMoveAt(120, 60);
    const CRect at = root.HintRect();
    ASSERT_EQ(at, (CRect{70, 65, 170, 115}));
    const CFrameBuffer image = Render();
    EXPECT_EQ(image.GetPixel(at.left, at.top + 10), RGB(94, 120, 118));
    EXPECT_EQ(image.GetPixel(at.left + 4, at.top + 4), RGB(50, 45, 37));
    EXPECT_EQ(image.GetPixel(at.left + 50, at.top + 35), RGB(24, 36, 37));
}

TEST_F(Paint, HostRoutesMovesAndClicks) {
    root.AddChild<CPushButton>({10, 10, 64, 31}, 205, -1, -1, kNone);
    host.OnMouseMove(20, 20);
    EXPECT_EQ(root.Hovered(), (WidgetId{205, -1, -1}));
    host.OnLButtonDown(20, 20);
    host.OnLButtonDown(200, 150);
    host.OnRButtonDown(20, 20);
    EXPECT_EQ(host.clicks, (std::vector<WidgetId>{{205, -1, -1}, CRootPanel::kRootId}));
}

struct DemoPaint : ::testing::Test {
    CRecordingWindow window;
    CTestHost host;
    void SetUp() override {
        host.AttachWindow(&window, kDemoRootRect);
        BuildDemoScreen(host.Root());
        host.OnMouseMove(170, 100);
    }
    CFrameBuffer Render(const CRect& clip) {
        CFrameBuffer image(kDemoRootRect.right, kDemoRootRect.bottom, RGB(64, 0, 64));
        CDC dc(image);
        if (!clip.IsRectEmpty()) dc.SetClipRect(clip);
        host.OnPaint(dc);
        return image;
    }
};

TEST_F(DemoPaint, PaintingUnderAClipGivesTheFullPaintsPixelsThere) {
    const CFrameBuffer full = Render({});
    // Edges of widgets, a text label after a badge left outside, the hint
    // box, the grid's page bar, a single pixel.
    const CRect clips[] = {{0, 0, 655, 405},     {60, 50, 120, 80}, {62, 95, 118, 125}, {140, 90, 260, 170},
                           {250, 340, 400, 395}, {33, 12, 34, 13},  {400, 60, 420, 90}, {3, 3, 11, 11}};
    for (const CRect& clip : clips) {
        const CFrameBuffer part = Render(clip);
        for (int y = clip.top; y < clip.bottom; ++y)
            for (int x = clip.left; x < clip.right; ++x)
                ASSERT_EQ(part.GetPixel(x, y), full.GetPixel(x, y)) << x << "," << y;
    }
}

TEST_F(DemoPaint, RendersTheDemoScreen) {
    const CFrameBuffer image = Render({});
    // The hovered fight button wears the rings, the hint box is up.
    EXPECT_GT(CountOf(image, kRingTopLeft), 0u);
    EXPECT_GT(CountOf(image, RGB(32, 32, 32)), 0u);
    EXPECT_GT(CountOf(image, kButtonFace), 0u);
    // QUORVANEL_UI_DEMO_PNG=path keeps a picture of it.
    if (const char* path = std::getenv("QUORVANEL_UI_DEMO_PNG")) {
        EXPECT_EQ(FailureReason(WritePng(image, path)), "");
    }
}

}  // namespace
