// The message box, headless: caption, what ends it, where it opens, its size
// for long texts, the pixels of the stop icon and the OK button, and the box
// of fixed size that only its path's text tells apart.
#include "support/ScriptedInput.h"

#include "gfx/FocusRing.h"
#include "platform/MessageBoxHandler.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override { Start(); }
    // A fresh platform with the main window shown (a platform whose input ran
    // dry has ended).
    void Start() {
        main.reset();
        platform = CPlatform::CreateHeadless();
        script = CScript();
        main = platform->CreateWindow(mainHandler, nullptr);
        main->SetClientSize(655, 405);
        main->CenterOnScreen();
        main->Show();
    }
    // Opens a box from a click and runs steps against it; returns the box's result.
    int OpenBox(const std::string& text, MessageBoxIcon icon, const std::function<void(CWindow&)>& check,
                std::optional<InputEvent> ending, MessageBoxSize size = MessageBoxSize::FitText) {
        int result = 0;
        mainHandler.click = [&](int, int) {
            result = size == MessageBoxSize::Fixed ? platform->FixedSizeMessageBox(text, icon)
                                                   : platform->MessageBox(text, icon);
        };
        script.Then(Click(1, 1))
            .Then(
                [&] {
                    ASSERT_EQ(platform->Windows().size(), 2u);
                    check(*platform->Windows().back());
                },
                ending.value_or(Move(0, 0)));
        script.Finally([&] { closedBeforeEnd = platform->Windows().size() == 1; });
        script.InstallOn(*platform);
        platform->Run();
        EXPECT_TRUE(script.Finished());
        return result;
    }

    std::unique_ptr<CPlatform> platform;
    CRecordingHandler mainHandler;
    std::unique_ptr<CWindow> main;
    CScript script;
    bool closedBeforeEnd = false;
};

void NoCheck(CWindow&) {}

TEST_F(MessageBoxTest, EnterEscapeAndTheCloseBoxEndItWithOk) {
    for (InputEvent ending : {Press(KeyChord::Key::Return), Press(KeyChord::Key::Escape), CloseBox()}) {
        Start();
        EXPECT_EQ(OpenBox("好", MessageBoxIcon::None, NoCheck, ending), IDOK);
        EXPECT_TRUE(closedBeforeEnd);
    }
}

TEST_F(MessageBoxTest, OnlyAClickOnTheButtonEndsIt) {
    std::function<void(CWindow&)> check = [&](CWindow& box) {
        EXPECT_EQ(box.GetTitle(), "Quorvanel");
        EXPECT_EQ(box.GetMessageBoxInfo()->text, "好");
        EXPECT_EQ(box.GetMessageBoxInfo()->icon, MessageBoxIcon::None);
    };
    // A click beside the button leaves the box open until the input runs dry.
    EXPECT_EQ(OpenBox("好", MessageBoxIcon::None, check, Click(2, 2)), IDOK);
    EXPECT_FALSE(closedBeforeEnd);
}

TEST_F(MessageBoxTest, AClickOnTheOkButtonEndsIt) {
    CMessageBoxHandler layout(*platform, "好", MessageBoxIcon::None);
    const CRect button = layout.ButtonRect();
    EXPECT_EQ(OpenBox("好", MessageBoxIcon::None, NoCheck, Click(button.left + 1, button.bottom - 1)), IDOK);
    EXPECT_TRUE(closedBeforeEnd);
}

// A key shows the focus ring around the button, only there; a click hides
// it. The first Space only shows it, the next ends the box.
TEST_F(MessageBoxTest, AKeyShowsTheFocusRingAroundTheButtonAndSpaceThenEndsIt) {
    const CRect ring = FocusRingArea(CMessageBoxHandler(*platform, "好", MessageBoxIcon::None).ButtonRect());
    std::function<void(CWindow&)> check = [&](CWindow& box) {
        CWindowHandler& handler = *box.GetHandler();
        const CFrameBuffer before = box.RenderToBuffer();
        handler.OnKey({KeyChord::Key::Tab, 0, false, false, false});
        EXPECT_TRUE(handler.ShowsFocusRing());
        const CFrameBuffer ringed = box.RenderToBuffer();
        EXPECT_FALSE(ringed == before);
        for (int y = 0; y < before.Height(); ++y)
            for (int x = 0; x < before.Width(); ++x)
                if (!ring.PtInRect(x, y)) {
                    ASSERT_EQ(ringed.GetPixel(x, y), before.GetPixel(x, y)) << x << "," << y;
                }
        handler.OnLButtonDown(2, 2);
        EXPECT_FALSE(handler.ShowsFocusRing());
        EXPECT_TRUE(box.RenderToBuffer() == before);
        handler.OnKey({KeyChord::Key::Space, 0, false, false, false});
        EXPECT_TRUE(handler.ShowsFocusRing());
    };
    EXPECT_EQ(OpenBox("好", MessageBoxIcon::None, check, Press(KeyChord::Key::Space)), IDOK);
    EXPECT_TRUE(closedBeforeEnd);
}

// How often text is a name or a description in node and below.
int TimesSaid(const CAccessNode& node, const std::string& text) {
    int times = (node.name == text) + (node.description == text);
    for (const CAccessNode& child : node.children) times += TimesSaid(child, text);
    return times;
}

// A screen reader hears the text once: as the alert's label, which flat
// review reads too, and not again as the alert's description.
TEST_F(MessageBoxTest, AScreenReaderFindsTheTextOnceAsTheAlertsLabel) {
    const std::string text = "你没有此种技能书。";
    std::function<void(CWindow&)> check = [&](CWindow& box) {
        const CAccessNode* tree = box.GetAccessTree();
        ASSERT_NE(tree, nullptr);
        EXPECT_EQ(tree->role, AccessRole::AlertDialog);
        EXPECT_EQ(tree->name, "Quorvanel");
        EXPECT_EQ(TimesSaid(*tree, text), 1);
        ASSERT_EQ(tree->children.size(), 2u);
        EXPECT_EQ(tree->children[0].role, AccessRole::StaticText);
        EXPECT_EQ(tree->children[0].name, text);
        EXPECT_TRUE(tree->children[1].focused);
    };
    EXPECT_EQ(OpenBox(text, MessageBoxIcon::None, check, Press(KeyChord::Key::Return)), IDOK);
}

TEST_F(MessageBoxTest, ItOpensCentredOverTheActiveWindow) {
    OpenBox(
        "好", MessageBoxIcon::None,
        [&](CWindow& box) {
            const CRect owner = main->GetWindowRect();
            const CRect placed = box.GetWindowRect();
            EXPECT_LE(std::abs((placed.left - owner.left) - (owner.right - placed.right)), 1);
            EXPECT_LE(std::abs((placed.top - owner.top) - (owner.bottom - placed.bottom)), 1);
        },
        std::nullopt);
}

TEST_F(MessageBoxTest, ALongTextWrapsToABoundedWidthAndGrowsInHeight) {
    std::string longText;
    for (int i = 0; i < 80; ++i) longText += "错误";
    int shortHeight = 0;
    OpenBox(
        "错误", MessageBoxIcon::Stop, [&](CWindow& box) { shortHeight = box.GetClientRect().Height(); },
        std::nullopt);
    Start();
    OpenBox(
        longText, MessageBoxIcon::Stop,
        [&](CWindow& box) {
            EXPECT_LE(box.GetClientRect().Width(), CMessageBoxHandler::kMaxTextWidth + 100);
            EXPECT_GT(box.GetClientRect().Height(), shortHeight);
        },
        std::nullopt);
}

TEST_F(MessageBoxTest, TheErrorVariantDrawsARedDiscWithAWhiteCross) {
    OpenBox(
        "出错了", MessageBoxIcon::Stop,
        [&](CWindow& box) {
            const CFrameBuffer& pixels = box.GetFrameBuffer();
            // The disc is 32 pixels wide at the left margin, centred on the text.
            int top = -1;
            for (int y = 0; y < pixels.Height() && top < 0; ++y)
                if (pixels.GetPixel(20 + 16, y) != GetSysColor(SysColor::Window)) top = y;
            ASSERT_GE(top, 0);
            EXPECT_EQ(pixels.GetPixel(20 + 16, top + 2), RGB(232, 17, 35));
            EXPECT_EQ(pixels.GetPixel(20 + 3, top + 16), RGB(232, 17, 35));
            EXPECT_EQ(pixels.GetPixel(20 + 16, top + 16), RGB(255, 255, 255));  // where the bars cross
            EXPECT_EQ(pixels.GetPixel(20 + 10, top + 10), RGB(255, 255, 255));
            EXPECT_EQ(pixels.GetPixel(20 + 21, top + 10), RGB(255, 255, 255));
            EXPECT_EQ(pixels.GetPixel(20, top), GetSysColor(SysColor::Window));  // outside the disc
        },
        std::nullopt);
}

TEST_F(MessageBoxTest, APlainBoxHasNoIconAndItsButtonSitsOnTheButtonFaceStrip) {
    CMessageBoxHandler layout(*platform, "好", MessageBoxIcon::None);
    const CRect button = layout.ButtonRect();
    OpenBox(
        "好", MessageBoxIcon::None,
        [&](CWindow& box) {
            const CFrameBuffer& pixels = box.GetFrameBuffer();
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 20; ++x) ASSERT_EQ(pixels.GetPixel(x, y), GetSysColor(SysColor::Window));
            EXPECT_EQ(pixels.GetPixel(button.left, button.top), GetSysColor(SysColor::Highlight));
            EXPECT_EQ(pixels.GetPixel(button.right - 1, button.bottom - 1), GetSysColor(SysColor::Highlight));
            EXPECT_EQ(pixels.GetPixel(button.left + 2, button.top + 2), RGB(225, 225, 225));
            EXPECT_EQ(pixels.GetPixel(button.left - 2, button.top), GetSysColor(SysColor::ButtonFace));
            EXPECT_EQ(pixels.GetPixel(0, pixels.Height() - 1), GetSysColor(SysColor::ButtonFace));
            EXPECT_EQ(button.right, box.GetClientRect().right - 20);
        },
        std::nullopt);
}

// The client area and pixels of a fixed-size box showing text.
struct FixedBox {
    CRect client;
    CFrameBuffer pixels;
};

class FixedSizeMessageBoxTest : public MessageBoxTest {
protected:
    FixedBox Open(const std::string& text, MessageBoxIcon icon) {
        Start();
        FixedBox box;
        OpenBox(
            text, icon,
            [&](CWindow& window) {
                box.client = window.GetClientRect();
                box.pixels = window.GetFrameBuffer();
            },
            std::nullopt, MessageBoxSize::Fixed);
        return box;
    }
};

const std::string kShortFolder = "/tmp/p1";
const std::string kLongFolder = "/tmp/" + std::string(180, 'l') + "/" + std::string(60, 'm');

TEST_F(FixedSizeMessageBoxTest, ItsSizeAndButtonStayWhateverThePathAndIcon) {
    const CMessageBoxHandler plain(*platform, "好", MessageBoxIcon::None, MessageBoxSize::Fixed);
    const CMessageBoxHandler failure(*platform, std::string(300, 'x'), MessageBoxIcon::Stop,
                                     MessageBoxSize::Fixed);
    EXPECT_EQ(failure.ButtonRect(), plain.ButtonRect());
    const FixedBox small = Open("好", MessageBoxIcon::None);
    const FixedBox large =
        Open("无法保存图片:\r\n" + kLongFolder + "/quorvanel-20261208-001132-2.png\r\n原因: 磁盘空间不足。",
             MessageBoxIcon::Stop);
    EXPECT_EQ(small.client, large.client);
    EXPECT_EQ(small.client.Width(), 484);
    EXPECT_EQ(plain.ButtonRect().right, small.client.right - 20);
}

TEST_F(FixedSizeMessageBoxTest, OnlyThePathsOwnTextDiffers) {
    const std::string saved = "画面已保存为图片:\r\n";
    const FixedBox near = Open(saved + kShortFolder + "/quorvanel-20261208-001132.png", MessageBoxIcon::None);
    const FixedBox far = Open(saved + kLongFolder + "/quorvanel-20261208-001132-2.png", MessageBoxIcon::None);
    ASSERT_EQ(near.client, far.client);
    // The path is the second of the two lines.
    const CRect text =
        CMessageBoxHandler(*platform, saved + "/x", MessageBoxIcon::None, MessageBoxSize::Fixed).TextRect();
    const int pathTop = text.top + text.Height() / 2;
    int differing = 0;
    for (int y = 0; y < near.client.bottom; ++y)
        for (int x = 0; x < near.client.right; ++x) {
            if (near.pixels.GetPixel(x, y) == far.pixels.GetPixel(x, y)) continue;
            ++differing;
            ASSERT_TRUE(y >= pathTop && y < text.bottom && x >= text.left && x < text.right) << x << "," << y;
        }
    EXPECT_GT(differing, 0);
}

TEST_F(FixedSizeMessageBoxTest, ScriptsReadTheWholeTextThoughTheBoxShortensIt) {
    const std::string text = "画面已保存为图片:\r\n" + kLongFolder + "/quorvanel-20261208-001132.png";
    OpenBox(
        text, MessageBoxIcon::None, [&](CWindow& box) { EXPECT_EQ(box.GetMessageBoxInfo()->text, text); },
        std::nullopt, MessageBoxSize::Fixed);
}

}  // namespace
