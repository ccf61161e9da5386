// The program as the platform runs it, driven by scripted input on the
// headless platform: an exception escaping a click, mouse-move or paint
// handler, the Ctrl+P picture (and the box when it cannot be saved), and the
// close box.
#include "AppTestFixture.h"
#include "support/FailureReason.h"
#include "support/FileLimit.h"
#include "support/ScopedEnv.h"
#include "support/ScriptedInput.h"

#include "base/AnQianArray.h"
#include "gfx/png/PngFile.h"
#include "ui/Panel.h"
#include "ui/PushButton.h"

#include <cstdlib>
#include <filesystem>

namespace {

using MainScreen::FightButton;

// A failed index check, as any game list raises it.
void FailIndexCheck() { CAnQianArray<int>().GetAt(0); }

constexpr const char* kIndexCheckMessage = "安全数组溢出。此数组元素大小4，操作索引0,元素数量0";

// Fails on the way up of every click inside it.
class CFailingOnClickPanel : public CPanel {
public:
    bool OnChildClick(const WidgetId&, CRootPanel*, CPoint, const CWidget*) override {
        FailIndexCheck();
        return false;
    }
};

// Fails whenever the root asks whether it repaints on hover (mouse moves).
class CFailingOnHoverButton : public CPushButton {
public:
    bool RepaintsOnHover() const override {
        FailIndexCheck();
        return true;
    }
};

class CFailingOnDrawLabel : public CWidget {
public:
    void DrawSelf(CDC&, const WidgetId&, CPoint) const override {
        ++*attempts;
        FailIndexCheck();
    }
    int* attempts = nullptr;
};

class RunningProgramTest : public AppTest {
protected:
    InputEvent ClickEvent(const WidgetId& id) {
        const CPoint point = PointOn(id);
        return Click(point.x, point.y);
    }
    // The message box on top, or null when none is open.
    const CMessageBoxInfo* OpenMessageBox() const {
        const std::vector<CWindow*> windows = platform->Windows();
        return windows.empty() ? nullptr : windows.back()->GetMessageBoxInfo();
    }
    void Run() {
        script.InstallOn(*platform);
        app.Run();
        EXPECT_TRUE(script.Finished());
    }

    CScript script;
};

TEST_F(RunningProgramTest, AFailedCheckInAClickShowsTheStopBoxAndTheNextClickWorks) {
    Root().AddChild<CFailingOnClickPanel>({0, 0, 10, 10}, 900, -1, -1, WidgetId::None());
    Root().AddChild<CPushButton>({2, 2, 8, 8}, 901, -1, -1, {900, -1, -1});
    std::optional<CMessageBoxInfo> shown;
    script.Then(Click(5, 5))
        .Then(
            [&] {
                if (const CMessageBoxInfo* box = OpenMessageBox()) shown = *box;
            },
            Press(KeyChord::Key::Return))
        .Then(
            [&] {
                EXPECT_EQ(OpenMessageBox(), nullptr);
                EXPECT_EQ(Hero().level, 0);
            },
            ClickEvent(FightButton(0)))
        .Finally([&] { EXPECT_EQ(OpenMessageBox(), nullptr); });
    Run();

    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->text, kIndexCheckMessage);
    EXPECT_EQ(shown->icon, MessageBoxIcon::Stop);
    EXPECT_EQ(Hero().level, 1);
    EXPECT_EQ(Widget(MainScreen::kLevelValue).caption, "1");
}

// A screen that has lost a widget it writes to reports it in the stop box
// instead of crashing, and the program goes on.
TEST_F(RunningProgramTest, AWidgetMissingFromTheTreeShowsTheStopBox) {
    CWidget& heroPanel = Widget(MainScreen::kHeroPanel);
    heroPanel.RemoveChild(heroPanel.FindWidget(MainScreen::kLevelValue));
    std::optional<CMessageBoxInfo> shown;
    script.Then(ClickEvent(FightButton(0)))
        .Then(
            [&] {
                if (const CMessageBoxInfo* box = OpenMessageBox()) shown = *box;
            },
            Press(KeyChord::Key::Return))
        .Finally([&] { EXPECT_EQ(OpenMessageBox(), nullptr); });
    Run();

    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->text, "界面中没有控件(102,-1,-1)");
    EXPECT_EQ(shown->icon, MessageBoxIcon::Stop);
    EXPECT_EQ(Hero().level, 1);
}

TEST_F(RunningProgramTest, AFailedCheckInAMouseMoveShowsTheStopBox) {
    Root().AddChild<CFailingOnHoverButton>({0, 0, 10, 10}, 902, -1, -1, WidgetId::None());
    std::optional<CMessageBoxInfo> shown;
    script.Then(Move(5, 5))
        .Then(
            [&] {
                if (const CMessageBoxInfo* box = OpenMessageBox()) shown = *box;
            },
            Press(KeyChord::Key::Escape))
        .Then(ClickEvent(FightButton(0)))
        .Finally([] {});
    Run();

    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->text, kIndexCheckMessage);
    EXPECT_EQ(Hero().level, 1);
}

TEST_F(RunningProgramTest, AFailedCheckWhilePaintingShowsNothingAndTheProgramGoesOn) {
    int paintAttempts = 0;
    Root().AddChild<CFailingOnDrawLabel>({0, 0, 10, 10}, 903, -1, -1, WidgetId::None())->attempts =
        &paintAttempts;
    app.Frame().Window().Invalidate(true);
    bool boxSeen = false;
    script.Then([&] { boxSeen |= OpenMessageBox() != nullptr; }, ClickEvent(FightButton(0))).Finally([&] {
        boxSeen |= OpenMessageBox() != nullptr;
    });
    Run();

    EXPECT_GE(paintAttempts, 1);
    EXPECT_FALSE(boxSeen);
    EXPECT_EQ(Hero().level, 1);
}

TEST_F(RunningProgramTest, CtrlPSavesTheScreenAsDrawnAndNamesTheFile) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("quorvanel-pictures-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    setenv("XDG_PICTURES_DIR", folder.string().c_str(), 1);
    std::optional<CMessageBoxInfo> shown;
    CFrameBuffer drawn;
    script.Then(ClickEvent(FightButton(0)))
        .Then(ClickEvent({208, -1, -1}))
        .Then([&] { drawn = app.Frame().Window().RenderToBuffer(); },
              {InputEvent::Kind::Key, 0, 0, {KeyChord::Key::Letter, 'p', true, false, false}})
        .Then(
            [&] {
                if (const CMessageBoxInfo* box = OpenMessageBox()) shown = *box;
            },
            Press(KeyChord::Key::Return))
        .Finally([] {});
    Run();
    unsetenv("XDG_PICTURES_DIR");

    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) files.push_back(entry.path());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].extension(), ".png");
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->icon, MessageBoxIcon::None);
    EXPECT_NE(shown->text.find(files[0].string()), std::string::npos) << shown->text;
    const CErrorOr<CFrameBuffer> saved = ReadPng(files[0].string());
    ASSERT_EQ(FailureReason(saved), "");
    EXPECT_EQ(*saved, drawn);
    std::filesystem::remove_all(folder);
}

TEST_F(RunningProgramTest, APictureThatCannotBeSavedIsReportedInChineseAndLeavesNoFile) {
    SKIP_WITHOUT_FILE_SIZE_LIMIT();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("quorvanel-pictures-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    EXPECT_EXIT(
        {
            CScopedEnv pictures("XDG_PICTURES_DIR", folder.string().c_str());
            LimitFileSize(4096);
            std::optional<CMessageBoxInfo> shown;
            script.Then({InputEvent::Kind::Key, 0, 0, {KeyChord::Key::Letter, 'p', true, false, false}})
                .Then(
                    [&] {
                        if (const CMessageBoxInfo* box = OpenMessageBox()) shown = *box;
                    },
                    Press(KeyChord::Key::Return))
                .Finally([] {});
            Run();
            std::string text = shown ? shown->text : "no box";
            for (std::size_t crLf; (crLf = text.find("\r\n")) != std::string::npos;)
                text.replace(crLf, 2, " | ");
            const bool stop = shown && shown->icon == MessageBoxIcon::Stop;
            const auto files = std::distance(std::filesystem::directory_iterator(folder), {});
            std::fprintf(stderr, "%s stop=%d files=%d\n", text.c_str(), stop, static_cast<int>(files));
            std::exit(0);
        },
        ::testing::ExitedWithCode(0),
        "无法保存图片: \\| " + folder.string() +
            "/quorvanel-[0-9-]+\\.png \\| 原因: 文件超出了允许的大小。 stop=1 files=0");
    std::filesystem::remove_all(folder);
}

TEST_F(RunningProgramTest, TheCloseBoxEndsTheProgram) {
    bool ranOn = false;
    script.Then(CloseBox()).Finally([&] { ranOn = true; });
    script.InstallOn(*platform);
    EXPECT_EQ(app.Run(), 0);
    EXPECT_FALSE(ranOn);
}

}  // namespace
