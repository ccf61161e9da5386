// The popup page frame on the headless platform: template size, centring over
// the owner with the size initialisation leaves, the end codes of Enter,
// Escape and the close box, clicks and hints routed through the root, and
// what is left once the page has closed.
#include "support/PageScript.h"

#include "ui/PushButton.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

constexpr WidgetId kButton{7, -1, -1};
constexpr WidgetId kDisabledButton{8, -1, -1};
constexpr CRect kButtonRect{10, 10, 60, 30};
constexpr COLORREF kButtonFaceBlue = RGB(120, 183, 252);

// A page with two buttons that records the clicks it is told of, and can
// resize itself while building or on a click.
class CProbePage final : public CPopupPage {
public:
    using CPopupPage::CPopupPage;

    std::vector<WidgetId> clicks;
    std::optional<CSize> sizeAfterInit;
    std::optional<CSize> sizeOnClick;

protected:
    bool OnInitDialog() override {
        CPopupPage::OnInitDialog();
        auto* button = Root().AddChild<CPushButton>(kButtonRect, kButton.group, -1, -1, WidgetId::None());
        button->caption = "按钮";
        button->hint = "提示";
        Root()
            .AddChild<CPushButton>({70, 10, 120, 30}, kDisabledButton.group, -1, -1, WidgetId::None())
            ->enabled = false;
        if (sizeAfterInit) ResizeClient(sizeAfterInit->cx, sizeAfterInit->cy);
        return true;
    }
    void OnWidgetClick(const WidgetId& clicked) override {
        clicks.push_back(clicked);
        if (sizeOnClick) ResizeClient(sizeOnClick->cx, sizeOnClick->cy);
    }
};

CPoint Centre(const CRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class PopupPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner = platform->CreateWindow(ownerHandler, nullptr);
        owner->SetClientSize(655, 405);
        owner->CenterOnScreen();
        owner->Show();
    }
    int Run() {
        script.InstallOn(*platform);
        const int code = page.DoModal();
        EXPECT_TRUE(script.Finished());
        return code;
    }
    // The page's window rectangle is centred over the owner's.
    void ExpectCentredOverOwner() {
        ASSERT_NE(page.Window(), nullptr);
        const CPoint pageCentre = Centre(page.Window()->GetWindowRect());
        const CPoint ownerCentre = Centre(owner->GetWindowRect());
        EXPECT_NEAR(pageCentre.x, ownerCentre.x, 1);
        EXPECT_NEAR(pageCentre.y, ownerCentre.y, 1);
    }

    std::unique_ptr<CPlatform> platform = CPlatform::CreateHeadless();
    CRecordingHandler ownerHandler;
    std::unique_ptr<CWindow> owner;
    CProbePage page{*platform};
    CScript script;
};

TEST_F(PopupPageTest, OpensAtTheTemplateSizeCentredOverTheActiveWindow) {
    script.Then(
        [&] {
            ASSERT_EQ(platform->Windows().size(), 2u);
            EXPECT_EQ(TopPage(*platform), &page);
            EXPECT_EQ(page.Window()->GetClientRect(), (CRect{0, 0, 321, 216}));
            EXPECT_EQ(page.Root().rect, (CRect{0, 0, 321, 216}));
            EXPECT_EQ(page.Root().Owner(), page.Window());
            EXPECT_EQ(page.Window()->GetTitle(), "");
            ExpectCentredOverOwner();
        },
        Press(KeyChord::Key::Escape));
    Run();
}

TEST_F(PopupPageTest, PaintsItsTreeInTheWindow) {
    script.Then(
        [&] {
            const CFrameBuffer& pixels = page.Window()->GetFrameBuffer();
            EXPECT_EQ(pixels.GetPixel(kButtonRect.left + 4, kButtonRect.top + 4), kButtonFaceBlue);
            // The root's own body fill around it.
            EXPECT_EQ(pixels.GetPixel(200, 150), RGB(24, 36, 37));
        },
        Press(KeyChord::Key::Escape));
    Run();
}

struct EndCase {
    InputEvent event;
    int code;
};

class PopupPageEndTest : public PopupPageTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(PopupPageEndTest, EndsWithItsCodeAndLetsGoOfTheWindow) {
    script.Then(GetParam().event);
    EXPECT_EQ(Run(), GetParam().code);
    EXPECT_EQ(page.Window(), nullptr);
    EXPECT_EQ(page.Root().Owner(), nullptr);
    EXPECT_EQ(platform->Windows(), std::vector<CWindow*>{owner.get()});
    EXPECT_TRUE(ownerHandler.events.empty());  // the owner took none of it
}

INSTANTIATE_TEST_SUITE_P(EnterEscapeCloseBox, PopupPageEndTest,
                         ::testing::Values(EndCase{Press(KeyChord::Key::Return), IDOK},
                                           EndCase{Press(KeyChord::Key::Escape), IDCANCEL},
                                           EndCase{CloseBox(), IDCANCEL}));

TEST_F(PopupPageTest, EveryLeftClickReachesTheClickHandler) {
    script.ThenComputed(AtWidgetOfTopPage(*platform, kButton))
        .Then(Click(200, 150))  // background
        .ThenComputed(AtWidgetOfTopPage(*platform, kDisabledButton))
        .Then(RightClick(20, 20))  // nothing
        .Then(Press(KeyChord::Key::Escape));
    Run();
    EXPECT_EQ(page.clicks, (std::vector<WidgetId>{kButton, CRootPanel::kRootId, CRootPanel::kRootId}));
}

TEST_F(PopupPageTest, MovingThePointerShowsHintsWithoutAClick) {
    script.ThenComputed(AtWidgetOfTopPage(*platform, kButton, InputEvent::Kind::MouseMove))
        .Then(
            [&] {
                EXPECT_EQ(page.Root().Hovered(), kButton);
                EXPECT_EQ(page.Root().HintText(), "提示");
            },
            Press(KeyChord::Key::Escape));
    Run();
    EXPECT_TRUE(page.clicks.empty());
}

TEST_F(PopupPageTest, IsCentredWithTheSizeItsInitialisationLeaves) {
    page.sizeAfterInit = CSize{205, 70};
    script.Then(
        [&] {
            EXPECT_EQ(page.Window()->GetClientRect(), (CRect{0, 0, 205, 70}));
            EXPECT_EQ(page.Root().rect, (CRect{0, 0, 205, 70}));
            ExpectCentredOverOwner();
        },
        Press(KeyChord::Key::Escape));
    Run();
}

TEST_F(PopupPageTest, ResizingWhileOpenKeepsTheTopLeftCorner) {
    page.sizeOnClick = CSize{373, 230};
    CRect before;
    script.Then([&] { before = page.Window()->GetWindowRect(); }, Click(200, 150))
        .Then(
            [&] {
                const CRect after = page.Window()->GetWindowRect();
                EXPECT_EQ(after.left, before.left);
                EXPECT_EQ(after.top, before.top);
                EXPECT_EQ(after.Width() - before.Width(), 373 - 321);
                EXPECT_EQ(after.Height() - before.Height(), 230 - 216);
                EXPECT_EQ(page.Root().rect, (CRect{0, 0, 373, 230}));
            },
            Press(KeyChord::Key::Escape));
    Run();
}

TEST_F(PopupPageTest, OpeningAgainBuildsAFreshTree) {
    script.Then(Press(KeyChord::Key::Escape)).Then(Press(KeyChord::Key::Return));
    script.InstallOn(*platform);
    EXPECT_EQ(page.DoModal(), IDCANCEL);
    EXPECT_EQ(page.DoModal(), IDOK);
    EXPECT_EQ(page.Root().Children().size(), 2u);
}

TEST(PopupPageWithoutOwnerTest, OpensCentredOnTheScreen) {
    const std::unique_ptr<CPlatform> platform = CPlatform::CreateHeadless();
    CProbePage page(*platform);
    CScript script;
    script.Then(
        [&] {
            // The headless screen is 1280 x 1024.
            const CPoint centre = Centre(page.Window()->GetWindowRect());
            EXPECT_NEAR(centre.x, 640, 1);
            EXPECT_NEAR(centre.y, 512, 1);
        },
        CloseBox());
    script.InstallOn(*platform);
    EXPECT_EQ(page.DoModal(), IDCANCEL);
}

}  // namespace
