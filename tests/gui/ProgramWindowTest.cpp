// The quorvanel program itself in a real window on the X display: a script
// gives the same state lines and pixel-identical shots as the same script
// headless, and a session played with xdotool and recorded (fights, the task
// panel and back, Ctrl+N) looks on screen exactly like the headless replay
// of its recording, which ends in the state those clicks make.
#include "XDriver.h"
#include "app/ProgramRun.h"

#include "platform/FrameBuffer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <spawn.h>
#include <thread>

extern char** environ;

namespace {

using namespace std::chrono_literals;

constexpr int kWidth = 655;
constexpr int kHeight = 405;
constexpr const char* kTitle = "Quorva - Quorvanel";

// Fight buttons of monsters 0 and 1, and the top bar's "战斗" and "任务"
// (client coordinates of the main window).
constexpr const char* kFight0 = "198 148";
constexpr const char* kFight1 = "371 148";
constexpr const char* kBattle = "144 25";
constexpr const char* kTasks = "201 25";

CFrameBuffer ReadShot(const std::string& path) {
    CFrameBuffer image;
    std::string error;
    EXPECT_TRUE(ReadPng(path, &image, &error)) << error;
    return image;
}

// A script that fights, hovers, switches panels and takes shots on the way.
std::string ScriptWithShots(const CTempFolder& folder, const std::string& prefix) {
    const auto shot = [&](const std::string& name) { return "shot " + folder.File(prefix + name) + "\n"; };
    return shot("start.png") + "move " + kFight0 + "\nclick " + kFight0 + "\nclick " + kFight0 + "\nclick " +
           kFight0 + "\nstate\n" + shot("hint.png") + "move " + kFight1 + "\nclick " + kFight1 +
           "\nclick " + kTasks + "\nstate\n" + shot("tasks.png") + "key ctrl+n\nclick " + kBattle +
           "\nmove 38 25\n" + shot("card.png") + "windows\nwidgets\nstate\nquit\n";
}

TEST(ProgramWindowTest, AScriptGivesTheSameLinesAndShotsInAWindowAsHeadless) {
    CTempFolder folder;
    const ProgramResult headless = RunQuorvanel(
        {"--headless", "--seed", "11", "--script", folder.Write("h.txt", ScriptWithShots(folder, "h-"))});
    ASSERT_EQ(headless.exitCode, 0) << headless.err;
    const ProgramResult windowed =
        RunQuorvanel({"--seed", "11", "--script", folder.Write("w.txt", ScriptWithShots(folder, "w-"))});
    ASSERT_EQ(windowed.exitCode, 0) << windowed.err;

    EXPECT_EQ(windowed.OutLines().size(), 5u);
    EXPECT_EQ(windowed.out, headless.out);
    for (const char* shot : {"start.png", "hint.png", "tasks.png", "card.png"})
        EXPECT_TRUE(ReadShot(folder.File(std::string("w-") + shot)) == ReadShot(folder.File(std::string("h-") + shot)))
            << shot;
}

// The program running in the background, ended when the test ends.
class CRunningProgram {
public:
    explicit CRunningProgram(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), QUORVANEL_PROGRAM);
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, QUORVANEL_PROGRAM, nullptr, nullptr, argv.data(), environ) != 0) pid_ = 0;
    }
    ~CRunningProgram() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    CRunningProgram(const CRunningProgram&) = delete;
    CRunningProgram& operator=(const CRunningProgram&) = delete;

    bool Started() const { return pid_ > 0; }

private:
    pid_t pid_ = 0;
};

int CountLines(const std::string& text, const std::string& line) {
    int count = 0;
    for (std::size_t at = text.find(line + "\n"); at != std::string::npos; at = text.find(line + "\n", at + 1))
        if (at == 0 || text[at - 1] == '\n') ++count;
    return count;
}

TEST(ProgramWindowTest, ASessionPlayedWithXdotoolReplaysHeadlessToTheSamePixels) {
    CTempFolder folder;
    const std::string recording = folder.File("session.txt");
    CRunningProgram program({"--seed", "23", "--record", recording});
    ASSERT_TRUE(program.Started());
    const std::optional<std::string> window = xdriver::FindWindow(kTitle);
    ASSERT_TRUE(window.has_value()) << "the main window did not appear";

    // Each click is awaited in the recording, which the program writes as it
    // takes the event. Clicks on one button land on different pixels of it:
    // xdotool waits for the pointer to move, so it must move every time.
    const auto clickAndWait = [&](int x, int y) {
        const std::string line = "click " + std::to_string(x) + " " + std::to_string(y);
        const int before = CountLines(folder.Read("session.txt"), line);
        ASSERT_TRUE(xdriver::ClickAt(*window, x, y)) << line;
        const auto end = std::chrono::steady_clock::now() + 10s;
        while (CountLines(folder.Read("session.txt"), line) == before && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(20ms);
        ASSERT_GT(CountLines(folder.Read("session.txt"), line), before) << line;
    };
    const int clicksOnFight0 = 5;
    for (int i = 0; i < clicksOnFight0 - 1; ++i) clickAndWait(190 + i, 148);
    clickAndWait(201, 25);  // 任务
    clickAndWait(144, 25);  // 战斗
    ASSERT_TRUE(xdriver::PressKey("ctrl+n"));
    clickAndWait(371, 148);  // monster 1
    clickAndWait(198, 148);

    // The screen settles once the last click has been painted; compare the
    // headless replay of what was recorded so far with what is shown.
    std::optional<CFrameBuffer> shown;
    CFrameBuffer replayed;
    std::string replayOut;
    for (int attempt = 0; attempt < 15; ++attempt) {
        std::this_thread::sleep_for(200ms);
        shown = xdriver::Screenshot(*window, kWidth, kHeight);
        ASSERT_TRUE(shown.has_value());
        const std::string script =
            folder.Write("replay.txt", folder.Read("session.txt") + "state\nshot " + folder.File("replay.png") + "\n");
        const ProgramResult replay = RunQuorvanel({"--headless", "--script", script});
        ASSERT_EQ(replay.exitCode, 0) << replay.err;
        replayOut = replay.out;
        replayed = ReadShot(folder.File("replay.png"));
        if (*shown == replayed) break;
    }
    EXPECT_TRUE(*shown == replayed) << "the window differs from the headless replay of its recording";
    EXPECT_EQ(folder.Read("session.txt").rfind("seed 23\n", 0), 0u);
    EXPECT_NE(replayOut.find("\"tally\":[[0," + std::to_string(clicksOnFight0) + "]"), std::string::npos)
        << replayOut;
    EXPECT_NE(folder.Read("session.txt").find("key ctrl+n\n"), std::string::npos);
}

}  // namespace
