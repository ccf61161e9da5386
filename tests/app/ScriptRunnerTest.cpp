// Scripts run inside the program on the headless platform: the state line
// (fields and texts as the screen shows them), the window list with a
// message box's text, the widget tree with window rectangles, hint box and
// hover card, shots equal to the window's pixels, the errors that stop
// a script, and lines that arrive one by one through a pipe. Then the runner
// against a game it knows only through CScriptedGame, fed from a line queue
// as a host other than the desktop feeds it: state lines and re-seeds reach
// the game in script order, the window list needs no game, and errors name
// the source and line.
#include "AppTestFixture.h"
#include "support/FailureReason.h"
#include "support/OnlyOnPosix.h"
#include "support/Pipe.h"
#include "support/ProgramRun.h"
#include "support/ScopedEnv.h"
#include "support/TextDescriptor.h"

#include "app/GameForScripts.h"
#include "app/WindowTitle.h"
#include "automation/JsonWriter.h"
#include "automation/LineQueue.h"
#include "automation/ScriptRunner.h"
#include "automation/ScriptedGame.h"
#include "game/GameWorld.h"
#include "gfx/png/PngFile.h"

#include <unistd.h>
#include <chrono>
#include <thread>
#include <vector>

namespace {

using MainScreen::FightButton;

class ScriptRunnerTest : public AppTest {
protected:
    // Runs script (standard-input style, named "-") to its end.
    void RunScript(const std::string& script) { RunDescriptor(TextDescriptor(script)); }
    // Reads fd as standard input is read: a line at a time, as it arrives.
    void RunDescriptor(int fd) {
        game.emplace(View());
        runner.emplace(
            *platform, *game, CScriptSource::FromDescriptor(fd, "-"),
            [this](const std::string& line) { lines.push_back(line); }, nullptr);
        runner->Install();
        app.Run();
        runner->RunRest();
    }
    std::string At(const WidgetId& id) {
        const CPoint point = PointOn(id);
        return std::to_string(point.x) + " " + std::to_string(point.y);
    }
    static bool Has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }

    std::optional<CGameForScripts> game;
    std::optional<CScriptRunner> runner;
    std::vector<std::string> lines;
};

TEST_F(ScriptRunnerTest, StateLineOfANewHero) {
    RunScript("state\n");
    ASSERT_EQ(lines.size(), 1u);
    const std::string& state = lines[0];
    EXPECT_EQ(
        state.rfind("{\"hero\":{\"name\":\"无名氏\",\"level\":0,\"exp\":0,\"levelCap\":5,\"maxSkills\":1,"
                    "\"stats\":[20,10,100],\"total\":[20,10,100],\"skills\":[],\"books\":[],\"bag\":[],"
                    "\"equipment\":[[0,0],[0,0]]},\"tally\":[],\"task\":{\"stage\":0},\"panel\":\"grid\","
                    "\"levelText\":\"0\","
                    "\"expText\":\" 0.00%\",\"fights\":[{\"enabled\":true,\"hint\":",
                    0),
        0u)
        << state;
    // Every fight button, with its hint exactly as the screen has it.
    for (int i = 0; i < World().roster.GetCount(); ++i) {
        const CWidget& button = Widget(FightButton(i));
        EXPECT_TRUE(Has(state, std::string("{\"enabled\":") + (button.enabled ? "true" : "false") +
                                   ",\"hint\":" + JsonQuoted(button.hint) + "}"))
            << i;
    }
    EXPECT_TRUE(Has(state, "\"hint\":\"打不过\\r\\n"));
    EXPECT_EQ(runner->ExitCode(), 0);
}

TEST_F(ScriptRunnerTest, StateFollowsFightsAndThePanelShown) {
    RunScript("click " + At(FightButton(0)) + "\nstate\nclick " + At({MainScreen::kTasksGroup, -1, -1}) +
              "\nstate\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(Has(lines[0], "\"level\":1,\"exp\":0,")) << lines[0];
    EXPECT_TRUE(Has(lines[0], "\"tally\":[[0,1]],")) << lines[0];
    EXPECT_TRUE(Has(lines[0], "\"panel\":\"grid\",\"levelText\":\"1\""));
    EXPECT_TRUE(Has(lines[1], "\"panel\":\"tasks\""));
}

TEST_F(ScriptRunnerTest, WindowsListsAMessageBoxWithItsText) {
    SKIP_ON_WINDOWS("XDG's pictures folder and its paths");
    CTempFolder pictures;
    CScopedEnv folder("XDG_PICTURES_DIR", pictures.File("").c_str());
    RunScript("windows\nkey ctrl+p\nwindows\nkey return\nwindows\n");
    ASSERT_EQ(lines.size(), 3u);
    const std::string mainWindow = "{\"title\":\"" + MainWindowTitle() + "\",\"width\":655,\"height\":405}";
    EXPECT_EQ(lines[0], "[" + mainWindow + "]");
    EXPECT_EQ(lines[1].rfind("[" + mainWindow + ",{\"title\":\"Quorvanel\",", 0), 0u) << lines[1];
    EXPECT_TRUE(Has(lines[1], "\"text\":\"画面已保存为图片:\\r\\n" + pictures.File("quorvanel-")));
    EXPECT_EQ(lines[2], lines[0]);
}

TEST_F(ScriptRunnerTest, WidgetsGivesKindsAndWindowRectangles) {
    RunScript("widgets\n");
    ASSERT_EQ(lines.size(), 1u);
    const std::string& tree = lines[0];
    EXPECT_EQ(tree.rfind("{\"kind\":\"CRootPanel\",\"id\":[100000,-1,-1],\"rect\":[0,0,655,405],", 0), 0u);
    const CRect button = Root().FindRect(FightButton(1), {0, 0});
    EXPECT_TRUE(Has(tree, "{\"kind\":\"CPushButton\",\"id\":[10000,1,-1],\"rect\":[" +
                              std::to_string(button.left) + "," + std::to_string(button.top) + "," +
                              std::to_string(button.right) + "," + std::to_string(button.bottom) +
                              "],\"caption\":\"讨伐\",\"hint\":" + JsonQuoted(Widget(FightButton(1)).hint) +
                              ",\"enabled\":false,\"shown\":true,\"fill\":null,\"children\":[]}"))
        << tree;
    // Kinds with a text colour tell it; the task panel is a kind of the screens.
    EXPECT_TRUE(Has(tree, "\"kind\":\"CShadowLabel\",\"id\":[101,-1,-1]"));
    EXPECT_TRUE(Has(tree, "\"kind\":\"CTaskPanel\",\"id\":[2,-1,-1]"));
    EXPECT_TRUE(Has(tree, "\"caption\":\"等级\",\"hint\":\"\",\"enabled\":true,\"shown\":true,\"fill\":"));
    EXPECT_TRUE(Has(tree, "\"hintBox\":null,\"hoverCard\":null}"));
}

TEST_F(ScriptRunnerTest, WidgetsShowsTheHintBoxAndTheHoverCard) {
    RunScript("move " + At(FightButton(0)) + "\nwidgets\nmove " + At(MainScreen::kAttributesButton) +
              "\nwidgets\n");
    ASSERT_EQ(lines.size(), 2u);
    const CRect box = Root().HintRect();
    EXPECT_TRUE(Has(lines[0], "\"hintBox\":{\"rect\":[")) << lines[0];
    EXPECT_TRUE(
        Has(lines[0], "\"text\":" + JsonQuoted(Widget(FightButton(0)).hint) + "},\"hoverCard\":null}"));
    EXPECT_TRUE(Has(lines[1],
                    "\"hintBox\":null,\"hoverCard\":{\"kind\":\"CHoverCard\",\"id\":[205,-1,-1],"
                    "\"rect\":[" +
                        std::to_string(box.left) + "," + std::to_string(box.top) + ","))
        << lines[1];
}

TEST_F(ScriptRunnerTest, AccessDescribesTheTopWindowForScreenReaders) {
    CTempFolder pictures;
    CScopedEnv folder("XDG_PICTURES_DIR", pictures.File("").c_str());
    RunScript("access\nclick " + At(MainScreen::kAttributesButton) +
              "\naccess\nkey escape\nkey ctrl+p\naccess\n");
    ASSERT_EQ(lines.size(), 3u);
    // The main window: a fight button named by its monster (trimmed of the
    // roster's padding), described by its estimate; the others cannot be won yet.
    const CRect fight = Root().FindRect(FightButton(0), {0, 0});
    EXPECT_EQ(
        lines[0].rfind("{\"id\":\"window\",\"role\":\"window\",\"name\":" + JsonQuoted(MainWindowTitle()), 0),
        0u);
    EXPECT_TRUE(Has(lines[0],
                    "{\"id\":\"10000.0.-1\",\"role\":\"button\",\"name\":\"讨伐 蝗虫 0级\","
                    "\"description\":" +
                        JsonQuoted(Widget(FightButton(0)).hint) + ",\"bounds\":[" +
                        std::to_string(fight.left) + "," + std::to_string(fight.top) + "," +
                        std::to_string(fight.right) + "," + std::to_string(fight.bottom) +
                        "],\"actions\":[\"focus\",\"activate\"]}"))
        << lines[0];
    EXPECT_TRUE(Has(lines[0], "\"name\":\"讨伐 黄巾兵 1级\""));
    EXPECT_TRUE(Has(lines[0], "\"states\":[\"disabled\"],\"actions\":[\"focus\"]}"));
    EXPECT_TRUE(
        Has(lines[0], "\"name\":\"蝗虫 0级 属性\",\"description\":\"蝗虫 等级 0 攻击 20 防御 10 气血 90\""));
    EXPECT_TRUE(
        Has(lines[0],
            "\"role\":\"group\",\"name\":\"训 练\",\"bounds\":[120,40,650,400],\"page\":1,\"pages\":2,"));
    // A page is a dialog named by its title; a "?" badge names its row.
    EXPECT_EQ(lines[1].rfind("{\"id\":\"window\",\"role\":\"dialog\",\"name\":\"属性\",", 0), 0u) << lines[1];
    EXPECT_TRUE(Has(lines[1], "\"name\":\"经验 说明\",\"description\":\"当前经验:0\\r\\n升级需要经验1\""));
    // A message box is an alert dialog around its text and its OK button.
    EXPECT_EQ(lines[2].rfind("{\"id\":\"window\",\"role\":\"alertdialog\",\"name\":\"Quorvanel\",", 0), 0u);
    EXPECT_TRUE(Has(lines[2], "\"role\":\"button\",\"name\":\"确定\","));
}

TEST_F(ScriptRunnerTest, ShotWritesTheActiveWindowAsPainted) {
    CTempFolder folder;
    RunScript("move " + At(FightButton(0)) + "\nshot " + folder.File("hint.png") + "\n");
    const CErrorOr<CFrameBuffer> shot = ReadPng(folder.File("hint.png"));
    ASSERT_EQ(FailureReason(shot), "");
    EXPECT_TRUE(*shot == app.Frame().Window().GetFrameBuffer());
}

TEST_F(ScriptRunnerTest, AShotIntoAMissingFolderStopsTheScript) {
    RunScript("state\nshot /no/such/folder/a.png\nstate\n");
    EXPECT_EQ(lines.size(), 1u);
    EXPECT_EQ(runner->ExitCode(), 1);
    EXPECT_EQ(runner->Error().rfind("-:2: 'shot': ", 0), 0u) << runner->Error();
}

TEST_F(ScriptRunnerTest, InputAfterTheMainWindowClosedIsAnError) {
    RunScript("close\nstate\nwindows\nclick 5 5\nstate\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "[]");
    EXPECT_EQ(runner->ExitCode(), 1);
    EXPECT_EQ(runner->Error(), "-:4: 'click': no window is open");
}

TEST_F(ScriptRunnerTest, ASyntaxErrorOnStandardInputStopsThereWithCodeTwo) {
    RunScript("state\n\n# fine so far\nclick 5\nstate\n");
    EXPECT_EQ(lines.size(), 1u);
    EXPECT_EQ(runner->ExitCode(), 2);
    EXPECT_EQ(runner->Error(), "-:4: 'click' needs the coordinates X and Y");
}

TEST_F(ScriptRunnerTest, QuitEndsTheProgramAndIgnoresTheRest) {
    RunScript("quit\nstate\n");
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(runner->ExitCode(), 0);
}

// Lines that trickle in through a pipe are each run in turn while the main
// window is open: waiting for the next one never ends the script early.
TEST_F(ScriptRunnerTest, LinesArrivingOneByOneAreAllRun) {
    int ends[2];
    ASSERT_EQ(MakePipe(ends), 0);
    constexpr int kLines = 300;
    std::thread writer([&] {
        for (int i = 0; i < kLines; ++i) {
            const std::string line = i % 3 == 0 ? "move 5 5\n" : "windows\n";
            if (write(ends[1], line.data(), line.size()) < 0) break;
            std::this_thread::sleep_for(std::chrono::microseconds(i % 7 * 40));
        }
        close(ends[1]);
    });
    RunDescriptor(ends[0]);
    writer.join();
    EXPECT_EQ(runner->ExitCode(), 0) << runner->Error();
    EXPECT_EQ(lines.size(), static_cast<std::size_t>(kLines - (kLines + 2) / 3));
}

// Answers "state" with the seeds it was given so far.
class CFakeGame final : public CScriptedGame {
public:
    std::string StateLine() override {
        std::string line = "{\"seeds\":[";
        for (std::size_t i = 0; i < seeds.size(); ++i) line += (i ? "," : "") + std::to_string(seeds[i]);
        return line + "]}";
    }
    void Reseed(std::uint64_t seed) override { seeds.push_back(seed); }

    std::vector<std::uint64_t> seeds;
};

class QueuedScriptTest : public ::testing::Test {
protected:
    // Runs lines pushed by a host thread, one by one, until the queue ends.
    void Run(const std::vector<std::string>& script) {
        auto queue = std::make_unique<CLineQueue>();
        std::thread host([feeder = queue->Feeder(), script]() mutable {
            for (const std::string& line : script) feeder.Push(line);
            feeder.End();
        });
        runner.emplace(
            *platform, game, CScriptSource::FromLines(std::move(queue), "page"),
            [this](const std::string& line) { printed.push_back(line); }, nullptr);
        runner->Install();
        platform->Run();
        runner->RunRest();
        host.join();
    }

    std::unique_ptr<CPlatform> platform = CPlatform::CreateHeadless();
    CFakeGame game;
    std::optional<CScriptRunner> runner;
    std::vector<std::string> printed;
};

TEST_F(QueuedScriptTest, StateAndSeedReachTheGameInScriptOrder) {
    Run({"state", "seed 5", "# a comment", "", "seed 18446744073709551615", "state", "windows"});
    EXPECT_EQ(runner->ExitCode(), 0) << runner->Error();
    EXPECT_EQ(game.seeds, (std::vector<std::uint64_t>{5, 18446744073709551615u}));
    EXPECT_EQ(printed,
              (std::vector<std::string>{"{\"seeds\":[]}", "{\"seeds\":[5,18446744073709551615]}", "[]"}));
}

TEST_F(QueuedScriptTest, ASyntaxErrorStopsAtItsLine) {
    Run({"state", "seed", "state"});
    EXPECT_EQ(runner->ExitCode(), 2);
    EXPECT_EQ(runner->Error().rfind("page:2: 'seed' needs a number", 0), 0u) << runner->Error();
    EXPECT_EQ(printed.size(), 1u);
}

TEST_F(QueuedScriptTest, InputWithoutAWindowFails) {
    Run({"click 1 2", "state"});
    EXPECT_EQ(runner->ExitCode(), 1);
    EXPECT_EQ(runner->Error(), "page:1: 'click': no window is open");
    EXPECT_TRUE(printed.empty());
}

}  // namespace
