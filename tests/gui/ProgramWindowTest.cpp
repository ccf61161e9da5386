// The quorvanel program itself in a real window on the X display: a script
// gives the same state lines and pixel-identical shots as the same script
// headless; a session played with xdotool and recorded (fights, the task
// panel and back, Ctrl+N) looks on screen exactly like the headless replay
// of its recording, which ends in the state those clicks make; and so do
// the popup pages opened, used (a skill learned through the choice list)
// and closed with xdotool, window by window. A display that refuses the
// window ends the run with exit code 1 and the reason, not with an abort.
// Driven through a pipe, the window keeps painting while it waits; the close
// box closes a page, then ends the game. At a scale of 2 the window is twice
// as big, made of 2 x 2 blocks that halve to the headless shot, clicks land
// where they are seen, and Ctrl+- shrinks it about its centre; the desktop's
// scale shrinks to fit the screen, a chosen one does not. Under a window
// manager on a 1920 x 1080 screen, F11 shows the frame fullscreen at twice
// its size, centred on the desk's colour, where a click lands where it is
// seen, and F11 gives the window back; Ctrl+= stops at the largest scale
// that fits, which the next start takes again unless --scale says otherwise.
#include "XDriver.h"
#include "support/FailureReason.h"
#include "support/ProgramRun.h"
#include "support/ScopedEnv.h"

#include "app/WindowTitle.h"
#include "gfx/png/PngFile.h"

#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <thread>

extern char** environ;

namespace {

using namespace std::chrono_literals;

constexpr int kWidth = 655;
constexpr int kHeight = 405;

// Fight buttons of monsters 0 and 1, and the top bar's "战斗" and "任务"
// (client coordinates of the main window).
constexpr const char* kFight0 = "198 148";
constexpr const char* kFight1 = "371 148";
constexpr const char* kBattle = "144 25";
constexpr const char* kTasks = "201 25";

CFrameBuffer ReadShot(const std::string& path) {
    const CErrorOr<CFrameBuffer> image = ReadPng(path);
    EXPECT_EQ(FailureReason(image), "");
    return image ? *image : CFrameBuffer();
}

// A script that fights, hovers, switches panels and takes shots on the way.
std::string ScriptWithShots(const CTempFolder& folder, const std::string& prefix) {
    const auto shot = [&](const std::string& name) { return "shot " + folder.File(prefix + name) + "\n"; };
    return shot("start.png") + "move " + kFight0 + "\nclick " + kFight0 + "\nclick " + kFight0 + "\nclick " +
           kFight0 + "\nstate\n" + shot("hint.png") + "move " + kFight1 + "\nclick " + kFight1 + "\nclick " +
           kTasks + "\nstate\n" + shot("tasks.png") + "key ctrl+n\nclick " + kBattle + "\nmove 38 25\n" +
           shot("card.png") + "windows\nwidgets\nstate\nquit\n";
}

// Every test starts with the pointer away from the window it opens, and
// with settings of its own (none kept yet).
class ProgramWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(xdriver::ParkPointer()); }

    CTempFolder config_;
    CScopedEnv configHome_{"XDG_CONFIG_HOME", config_.File("config").c_str()};
};

TEST_F(ProgramWindowTest, AScriptGivesTheSameLinesAndShotsInAWindowAsHeadless) {
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
        EXPECT_TRUE(ReadShot(folder.File(std::string("w-") + shot)) ==
                    ReadShot(folder.File(std::string("h-") + shot)))
            << shot;
}

// The program running in the background, ended when the test ends. Piped,
// its standard input and output are the test's to write and read.
class CRunningProgram {
public:
    explicit CRunningProgram(std::vector<std::string> arguments, bool piped = false) {
        arguments.insert(arguments.begin(), QUORVANEL_PROGRAM);
        std::vector<char*> argv;
        for (std::string& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        int in[2] = {-1, -1};
        int out[2] = {-1, -1};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (piped && pipe2(in, O_CLOEXEC) == 0 && pipe2(out, O_CLOEXEC) == 0) {
            posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
            posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        }
        if (posix_spawn(&pid_, QUORVANEL_PROGRAM, &actions, nullptr, argv.data(), environ) != 0) pid_ = 0;
        posix_spawn_file_actions_destroy(&actions);
        for (int end : {in[0], out[1]})
            if (end >= 0) close(end);
        toProgram_ = in[1];
        fromProgram_ = out[0];
    }
    ~CRunningProgram() {
        for (int end : {toProgram_, fromProgram_})
            if (end >= 0) close(end);
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    CRunningProgram(const CRunningProgram&) = delete;
    CRunningProgram& operator=(const CRunningProgram&) = delete;

    bool Started() const { return pid_ > 0; }
    pid_t Pid() const { return pid_; }

    bool Send(const std::string& text) {
        return write(toProgram_, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    }
    // The next line the program prints, waiting a few seconds at most.
    std::optional<std::string> ReadLine() {
        const auto end = std::chrono::steady_clock::now() + 10s;
        for (std::size_t at; (at = unread_.find('\n')) == std::string::npos;) {
            pollfd ready{fromProgram_, POLLIN, 0};
            if (std::chrono::steady_clock::now() > end || poll(&ready, 1, 100) < 0) return std::nullopt;
            char buffer[4096];
            const ssize_t got = ready.revents ? read(fromProgram_, buffer, sizeof buffer) : 0;
            if (ready.revents && got <= 0) return std::nullopt;
            unread_.append(buffer, static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
        }
        const std::size_t at = unread_.find('\n');
        std::string line = unread_.substr(0, at);
        unread_.erase(0, at + 1);
        return line;
    }
    // Waits a few seconds at most for the program to end; its exit code, or
    // -1 (then it is ended with the test).
    int Wait() {
        const auto end = std::chrono::steady_clock::now() + 10s;
        int status = 0;
        while (pid_ > 0 && waitpid(pid_, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > end) return -1;
            std::this_thread::sleep_for(20ms);
        }
        if (std::exchange(pid_, 0) <= 0) return -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t pid_ = 0;
    int toProgram_ = -1;
    int fromProgram_ = -1;
    std::string unread_;
};

// The recording of the program under test is session.txt in the test's folder.
int CountLines(const std::string& text, const std::string& line) {
    int count = 0;
    for (std::size_t at = text.find(line + "\n"); at != std::string::npos;
         at = text.find(line + "\n", at + 1))
        if (at == 0 || text[at - 1] == '\n') ++count;
    return count;
}

// Waits until line has been recorded once more than it had been before.
bool AwaitRecorded(const CTempFolder& folder, const std::string& line, int before,
                   std::chrono::seconds patience = 10s) {
    const auto end = std::chrono::steady_clock::now() + patience;
    while (CountLines(folder.Read("session.txt"), line) <= before) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

// Clicks at (x, y) in window (screen pixels from its top-left corner) and
// waits until the program has taken the click at (x, y) / scale.
testing::AssertionResult ClickAndAwait(const CTempFolder& folder, const std::string& window, int x, int y,
                                       int scale = 1) {
    const std::string line = "click " + std::to_string(x / scale) + " " + std::to_string(y / scale);
    const int before = CountLines(folder.Read("session.txt"), line);
    if (!xdriver::ClickAt(window, x, y)) return testing::AssertionFailure() << "xdotool failed: " << line;
    if (!AwaitRecorded(folder, line, before)) return testing::AssertionFailure() << "not taken: " << line;
    return testing::AssertionSuccess();
}

TEST_F(ProgramWindowTest, ADisplayThatRefusesTheWindowEndsTheRunWithItsReason) {
    CTempFolder folder;
    // Asks SDL for a visual the server does not have: window creation fails.
    ::setenv("SDL_VIDEO_X11_WINDOW_VISUALID", "0x7fffffff", 1);
    const ProgramResult result = RunQuorvanel({"--script", folder.Write("quit.txt", "quit\n")});
    ::unsetenv("SDL_VIDEO_X11_WINDOW_VISUALID");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.rfind("quorvanel: cannot create a window", 0), 0u) << result.err;
}

TEST_F(ProgramWindowTest, ASessionPlayedWithXdotoolReplaysHeadlessToTheSamePixels) {
    CTempFolder folder;
    CRunningProgram program({"--seed", "23", "--record", folder.File("session.txt")});
    ASSERT_TRUE(program.Started());
    const std::optional<std::string> window = xdriver::FindWindow(MainWindowTitle());
    ASSERT_TRUE(window.has_value()) << "the main window did not appear";

    // Each click is awaited in the recording, which the program writes as it
    // takes the event. Clicks on one button land on different pixels of it:
    // xdotool waits for the pointer to move, so it must move every time.
    const int clicksOnFight0 = 5;
    for (int i = 0; i < clicksOnFight0 - 1; ++i) ASSERT_TRUE(ClickAndAwait(folder, *window, 190 + i, 148));
    ASSERT_TRUE(ClickAndAwait(folder, *window, 201, 25));  // 任务
    ASSERT_TRUE(ClickAndAwait(folder, *window, 144, 25));  // 战斗
    ASSERT_TRUE(xdriver::PressKey("ctrl+n"));
    ASSERT_TRUE(ClickAndAwait(folder, *window, 371, 148));  // monster 1
    ASSERT_TRUE(ClickAndAwait(folder, *window, 198, 148));

    // The screen settles once the last click has been painted; compare the
    // headless replay of what was recorded so far with what is shown.
    std::optional<CFrameBuffer> shown;
    CFrameBuffer replayed;
    std::string replayOut;
    for (int attempt = 0; attempt < 15; ++attempt) {
        std::this_thread::sleep_for(200ms);
        shown = xdriver::Screenshot(*window, kWidth, kHeight);
        ASSERT_TRUE(shown.has_value());
        const std::string script = folder.Write(
            "replay.txt", folder.Read("session.txt") + "state\nshot " + folder.File("replay.png") + "\n");
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

// The visible windows of process pid. (Searching by title does not do for
// the pages: xdotool matches titles in the locale's encoding, not UTF-8.)
std::vector<std::string> WindowsOf(pid_t pid) {
    std::vector<std::string> windows;
    FILE* pipe = popen(
        ("timeout 10 xdotool search --onlyvisible --pid " + std::to_string(pid) + " 2>/dev/null").c_str(),
        "r");
    if (!pipe) return windows;
    char line[64];
    while (std::fgets(line, sizeof line, pipe)) windows.emplace_back(line, std::strcspn(line, "\n"));
    pclose(pipe);
    return windows;
}

// Waits for a window of pid that is not among known to appear.
std::optional<std::string> NewWindowOf(pid_t pid, const std::vector<std::string>& known) {
    for (int attempt = 0; attempt < 250; ++attempt) {
        for (const std::string& window : WindowsOf(pid))
            if (std::find(known.begin(), known.end(), window) == known.end()) return window;
        std::this_thread::sleep_for(40ms);
    }
    return std::nullopt;
}

// Screenshots a window of the running program once what it shows matches the
// headless replay of recording + "shot"; returns whether it did within a few
// seconds.
testing::AssertionResult ShowsTheReplayOf(const CTempFolder& folder, const std::string& windowId,
                                          const std::string& recording) {
    const std::string script =
        folder.Write("prefix.txt", recording + "shot " + folder.File("prefix.png") + "\n");
    const ProgramResult replay = RunQuorvanel({"--headless", "--script", script});
    if (replay.exitCode != 0) return testing::AssertionFailure() << "replay failed: " << replay.err;
    const CFrameBuffer replayed = ReadShot(folder.File("prefix.png"));
    for (int attempt = 0; attempt < 15; ++attempt) {
        std::this_thread::sleep_for(200ms);
        const std::optional<CFrameBuffer> shown =
            xdriver::Screenshot(windowId, replayed.Width(), replayed.Height());
        if (shown && *shown == replayed) return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "the window differs from the headless replay";
}

// Gives window the keyboard focus, presses key (an xdotool key name) and
// waits until it is recorded as line.
testing::AssertionResult PressAndAwait(const CTempFolder& folder, const std::string& window,
                                       const std::string& key, const std::string& line) {
    const int before = CountLines(folder.Read("session.txt"), line);
    if (std::system(("timeout 10 xdotool windowfocus --sync " + window + " key " + key).c_str()) != 0)
        return testing::AssertionFailure() << "xdotool failed";
    if (!AwaitRecorded(folder, line, before)) return testing::AssertionFailure() << key << " not taken";
    return testing::AssertionSuccess();
}

testing::AssertionResult EscapeAndAwait(const CTempFolder& folder, const std::string& window) {
    return PressAndAwait(folder, window, "Escape", "key escape");
}

TEST_F(ProgramWindowTest, PagesOpenedWithXdotoolShowWhatTheReplayShows) {
    CTempFolder folder;
    // A script trains the hero to level 5 and wins skill books first; real
    // input is taken once it has run.
    std::string farm = "move 198 148\n";
    for (int round = 0; round < 40; ++round)
        farm += "click 371 251\nclick 198 251\nclick 544 148\nclick 371 148\nclick 198 148\n";
    CRunningProgram program(
        {"--seed", "23", "--script", folder.Write("farm.txt", farm), "--record", folder.File("session.txt")});
    ASSERT_TRUE(program.Started());
    const std::optional<std::string> main = xdriver::FindWindow(MainWindowTitle());
    ASSERT_TRUE(main.has_value());
    ASSERT_TRUE(AwaitRecorded(folder, "click 198 148", 39)) << "the script did not run";
    const auto recorded = [&] { return folder.Read("session.txt"); };

    // 属性: the attribute page over the main window.
    ASSERT_TRUE(ClickAndAwait(folder, *main, 38, 25));
    const std::optional<std::string> attributes = NewWindowOf(program.Pid(), {*main});
    ASSERT_TRUE(attributes.has_value());
    EXPECT_TRUE(ShowsTheReplayOf(folder, *attributes, recorded()));

    // 学习技能, then the first book of the choice list.
    ASSERT_TRUE(ClickAndAwait(folder, *attributes, 42, 157));
    const std::optional<std::string> choices = NewWindowOf(program.Pid(), {*main, *attributes});
    ASSERT_TRUE(choices.has_value());
    EXPECT_TRUE(ShowsTheReplayOf(folder, *choices, recorded()));
    ASSERT_TRUE(ClickAndAwait(folder, *choices, 100, 15));
    EXPECT_TRUE(ShowsTheReplayOf(folder, *attributes, recorded()));

    // Escape closes the page; 背包 opens the bag page, Escape again.
    ASSERT_TRUE(EscapeAndAwait(folder, *attributes));
    ASSERT_TRUE(ClickAndAwait(folder, *main, 90, 25));
    const std::optional<std::string> bag = NewWindowOf(program.Pid(), {*main, *attributes, *choices});
    ASSERT_TRUE(bag.has_value());
    EXPECT_TRUE(ShowsTheReplayOf(folder, *bag, recorded()));
    ASSERT_TRUE(EscapeAndAwait(folder, *bag));
    EXPECT_TRUE(ShowsTheReplayOf(folder, *main, recorded()));

    const std::string replay = folder.Write("all.txt", recorded() + "state\nwindows\n");
    const ProgramResult final = RunQuorvanel({"--headless", "--script", replay});
    ASSERT_EQ(final.OutLines().size(), 2u) << final.err;
    EXPECT_NE(final.OutLines()[0].find("\"skills\":[3]"), std::string::npos) << final.OutLines()[0];
    EXPECT_EQ(final.OutLines()[1],
              "[{\"title\":\"" + MainWindowTitle() + "\",\"width\":655,\"height\":405}]");
}

// Driven through a pipe, the program waits for the next command without
// stopping: a window unmapped and mapped again meanwhile shows the screen
// again (it is painted anew), and commands still answer one by one.
TEST_F(ProgramWindowTest, WaitingForThePipeTheWindowStillRepaints) {
    CTempFolder folder;
    const ProgramResult headless = RunQuorvanel(
        {"--headless", "--script", folder.Write("shot.txt", "shot " + folder.File("start.png") + "\n")});
    ASSERT_EQ(headless.exitCode, 0) << headless.err;
    const CFrameBuffer start = ReadShot(folder.File("start.png"));

    CRunningProgram program({"--seed", "3", "--script", "-"}, true);
    ASSERT_TRUE(program.Started());
    const std::optional<std::string> window = xdriver::FindWindow(MainWindowTitle());
    ASSERT_TRUE(window.has_value());
    ASSERT_TRUE(program.Send("state\n"));
    const std::optional<std::string> first = program.ReadLine();
    ASSERT_TRUE(first.has_value());
    EXPECT_NE(first->find("\"levelText\":\"0\""), std::string::npos) << *first;

    ASSERT_EQ(
        std::system(
            ("timeout 10 xdotool windowunmap --sync " + *window + " windowmap --sync " + *window).c_str()),
        0);
    bool repainted = false;
    for (int attempt = 0; attempt < 15 && !repainted; ++attempt) {
        std::this_thread::sleep_for(200ms);
        const std::optional<CFrameBuffer> shown = xdriver::Screenshot(*window, kWidth, kHeight);
        repainted = shown && *shown == start;
    }
    EXPECT_TRUE(repainted) << "the window was not painted again while the program waited for input";

    ASSERT_TRUE(program.Send(std::string("click ") + kFight0 + "\nstate\n"));
    const std::optional<std::string> second = program.ReadLine();
    ASSERT_TRUE(second.has_value());
    EXPECT_NE(second->find("\"levelText\":\"1\""), std::string::npos) << *second;
    ASSERT_TRUE(program.Send("quit\n"));
    EXPECT_EQ(program.Wait(), 0);
}

// One owner of input: real input that comes while a script plays is dropped,
// so that the replay is exact; once the script has ended, or while it waits
// for its next line, real input is taken.
TEST_F(ProgramWindowTest, RealInputIsDroppedWhileAScriptPlaysAndTakenWhenItEndsOrWaits) {
    CTempFolder folder;
    // The pointer on and off the first fight button, long enough to be
    // clicked in the middle of.
    constexpr int kMoves = 20000;
    std::string replay;
    for (int i = 0; i < kMoves / 2; ++i) replay += std::string("move ") + kFight0 + "\nmove 300 320\n";
    {
        CRunningProgram played({"--seed", "3", "--script", folder.Write("moves.txt", replay), "--record",
                                folder.File("session.txt")});
        ASSERT_TRUE(played.Started());
        const std::optional<std::string> main = xdriver::FindWindow(MainWindowTitle());
        ASSERT_TRUE(main.has_value());
        ASSERT_TRUE(xdriver::ClickAt(*main, 38, 25));  // 属性, while the moves play
        ASSERT_LT(CountLines(folder.Read("session.txt"), "move 300 320"), kMoves / 2)
            << "the script ended before the click: it is too short to test with";
        // A whole replay: under the sanitizers on a loaded machine it has
        // taken over ninety seconds.
        ASSERT_TRUE(AwaitRecorded(folder, "move 300 320", kMoves / 2 - 1, 300s));
        EXPECT_EQ(folder.Read("session.txt"), "seed 3\n" + replay)
            << "real input came between the script's events";
        ASSERT_TRUE(ClickAndAwait(folder, *main, 40, 26));  // after the end: taken
        EXPECT_TRUE(NewWindowOf(played.Pid(), {*main}).has_value());
    }

    CRunningProgram piped({"--seed", "3", "--script", "-", "--record", folder.File("session.txt")}, true);
    ASSERT_TRUE(piped.Started());
    const std::optional<std::string> window = xdriver::FindWindow(MainWindowTitle());
    ASSERT_TRUE(window.has_value());
    ASSERT_TRUE(piped.Send("state\n"));
    ASSERT_TRUE(piped.ReadLine().has_value());
    ASSERT_TRUE(ClickAndAwait(folder, *window, 198, 148));  // the first fight, while the script waits
    ASSERT_TRUE(piped.Send("state\n"));
    const std::optional<std::string> after = piped.ReadLine();
    ASSERT_TRUE(after.has_value());
    EXPECT_NE(after->find("\"levelText\":\"1\""), std::string::npos) << *after;
    ASSERT_TRUE(piped.Send("quit\n"));
    EXPECT_EQ(piped.Wait(), 0);
}

// The close box, pressed as a window manager passes it on: on the attribute
// page it closes the page, on the main window it ends the game.
// How many keys a recording holds.
int KeyLines(const std::string& recording) {
    int count = recording.rfind("key ", 0) == 0 ? 1 : 0;
    for (std::size_t at = recording.find("\nkey "); at != std::string::npos;
         at = recording.find("\nkey ", at + 1))
        ++count;
    return count;
}

// The xdotool name of a key as scripts write it.
std::string XdotoolKey(const std::string& chord) {
    static const std::map<std::string, std::string> names{
        {"tab", "Tab"},       {"shift+tab", "shift+Tab"}, {"space", "space"},  {"return", "Return"},
        {"escape", "Escape"}, {"pagedown", "Next"},       {"pageup", "Prior"}, {"home", "Home"},
        {"end", "End"},       {"left", "Left"},           {"right", "Right"},  {"up", "Up"},
        {"down", "Down"}};
    const auto name = names.find(chord);
    return name == names.end() ? chord : name->second;
}

// The keys-only playthrough pressed for real, each key into whichever window
// is on top (a window that opens takes the keyboard focus): what was recorded
// replays headless to the state the clicks of docs/playthrough.txt end in.
TEST_F(ProgramWindowTest, TheKeysOnlyPlaythroughPressedWithXdotoolWinsTheGame) {
    const std::filesystem::path docs = std::filesystem::path(QUORVANEL_SOURCE_DIR) / "docs";
    CTempFolder folder;
    CRunningProgram program({"--seed", "20261207", "--record", folder.File("session.txt")});
    ASSERT_TRUE(program.Started());
    ASSERT_TRUE(xdriver::FindWindow(MainWindowTitle()).has_value());
    std::ifstream keys(docs / "playthrough-keys.txt");
    int pressed = 0;
    for (std::string line; std::getline(keys, line);) {
        if (line.rfind("key ", 0) != 0) continue;
        ASSERT_TRUE(xdriver::PressKey(XdotoolKey(line.substr(4)))) << line;
        ++pressed;
        const auto end = std::chrono::steady_clock::now() + 10s;
        while (KeyLines(folder.Read("session.txt")) < pressed) {
            ASSERT_LT(std::chrono::steady_clock::now(), end)
                << "not taken: " << line << " (key " << pressed << ")";
            std::this_thread::sleep_for(10ms);
        }
    }
    const auto finalState = [&folder](const std::string& script) {
        const ProgramResult run =
            RunQuorvanel({"--headless", "--script", folder.Write("final.txt", script + "state\n")});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return run.out;
    };
    std::ifstream clicks(docs / "playthrough.txt");
    const std::string clickScript{std::istreambuf_iterator<char>(clicks), {}};
    EXPECT_EQ(finalState(folder.Read("session.txt")), finalState(clickScript));
}

TEST_F(ProgramWindowTest, TheCloseBoxClosesThePageAndThenEndsTheGame) {
    CTempFolder folder;
    CRunningProgram program({"--seed", "4", "--record", folder.File("session.txt")});
    ASSERT_TRUE(program.Started());
    const std::optional<std::string> main = xdriver::FindWindow(MainWindowTitle());
    ASSERT_TRUE(main.has_value());
    ASSERT_TRUE(ClickAndAwait(folder, *main, 38, 25));  // 属性
    const std::optional<std::string> page = NewWindowOf(program.Pid(), {*main});
    ASSERT_TRUE(page.has_value());

    ASSERT_TRUE(xdriver::PressCloseBox(*page));
    ASSERT_TRUE(AwaitRecorded(folder, "close", 0));
    EXPECT_TRUE(ShowsTheReplayOf(folder, *main, folder.Read("session.txt")));
    ASSERT_TRUE(xdriver::PressCloseBox(*main));
    EXPECT_EQ(program.Wait(), 0);
    EXPECT_EQ(CountLines(folder.Read("session.txt"), "close"), 2);
}

// The tests below need a screen larger than the shared display's: ctest runs
// them on an X server of their own (tests/gui/CMakeLists.txt).

CSize ScreenSize() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return {};
    const CSize size{DisplayWidth(display, DefaultScreen(display)),
                     DisplayHeight(display, DefaultScreen(display))};
    XCloseDisplay(display);
    return size;
}

// Each 2 x 2 block of the shot is one colour; then the top-left pixel of
// each block, the shot halved by sampling.
std::optional<CFrameBuffer> Halved(const CFrameBuffer& shot) {
    CFrameBuffer half(shot.Width() / 2, shot.Height() / 2);
    for (int y = 0; y < half.Height(); ++y)
        for (int x = 0; x < half.Width(); ++x) {
            const COLORREF colour = shot.GetPixel(2 * x, 2 * y);
            if (shot.GetPixel(2 * x + 1, 2 * y) != colour || shot.GetPixel(2 * x, 2 * y + 1) != colour ||
                shot.GetPixel(2 * x + 1, 2 * y + 1) != colour)
                return std::nullopt;
            half.SetPixel(x, y, colour);
        }
    return half;
}

CPoint Centre(const CRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

using ScaledWindowTest = ProgramWindowTest;

TEST_F(ScaledWindowTest, AtTwiceTheSizeARealClickFightsAndTheWindowIsTheReplayInBlocks) {
    if (ScreenSize().cx < 2 * kWidth || ScreenSize().cy < 2 * kHeight)
        GTEST_SKIP() << "the screen is too small";
    CTempFolder folder;
    CRunningProgram program({"--seed", "23", "--scale", "2", "--record", folder.File("session.txt")});
    ASSERT_TRUE(program.Started());
    const std::optional<std::string> window = xdriver::FindWindow(MainWindowTitle());
    ASSERT_TRUE(window.has_value());
    const std::optional<CRect> placed = xdriver::Geometry(*window);
    ASSERT_TRUE(placed.has_value());
    EXPECT_EQ(placed->Width(), 1310);
    EXPECT_EQ(placed->Height(), 810);

    // (396, 296) on screen is (198, 148) in the game: monster 0's fight button.
    ASSERT_TRUE(ClickAndAwait(folder, *window, 396, 296, 2));
    CFrameBuffer replayed;
    std::string state;
    std::optional<CFrameBuffer> half;
    for (int attempt = 0; attempt < 15; ++attempt) {
        std::this_thread::sleep_for(200ms);
        const std::string script = folder.Write(
            "replay.txt", folder.Read("session.txt") + "state\nshot " + folder.File("replay.png") + "\n");
        const ProgramResult replay = RunQuorvanel({"--headless", "--script", script});
        ASSERT_EQ(replay.exitCode, 0) << replay.err;
        state = replay.out;
        replayed = ReadShot(folder.File("replay.png"));
        const std::optional<CFrameBuffer> shown = xdriver::Screenshot(*window, 2 * kWidth, 2 * kHeight);
        ASSERT_TRUE(shown.has_value());
        half = Halved(*shown);
        if (half && *half == replayed) break;
    }
    ASSERT_TRUE(half.has_value()) << "a 2 x 2 block of the window has more than one colour";
    EXPECT_TRUE(*half == replayed) << "the window, halved, differs from the headless replay";
    EXPECT_NE(state.find("\"tally\":[[0,1]"), std::string::npos) << state;

    // Ctrl+- makes it 1x about the same centre, and it still shows the replay.
    ASSERT_TRUE(PressAndAwait(folder, *window, "ctrl+minus", "key ctrl+-"));
    std::optional<CRect> smaller;
    for (int attempt = 0; attempt < 50 && !(smaller && smaller->Width() == kWidth); ++attempt) {
        std::this_thread::sleep_for(40ms);
        smaller = xdriver::Geometry(*window);
    }
    ASSERT_TRUE(smaller.has_value());
    EXPECT_EQ(smaller->Width(), kWidth);
    EXPECT_EQ(smaller->Height(), kHeight);
    EXPECT_NEAR(Centre(*smaller).x, Centre(*placed).x, 1);
    EXPECT_NEAR(Centre(*smaller).y, Centre(*placed).y, 1);
    EXPECT_TRUE(ShowsTheReplayOf(folder, *window, folder.Read("session.txt")));
}

// The client area of the main window when the program starts with this
// environment and arguments.
std::optional<CRect> MainWindowStartedWith(const char* gdkScale, const char* quorvanelScale,
                                           std::vector<std::string> arguments = {}) {
    const CScopedEnv gdk("GDK_SCALE", gdkScale);
    const CScopedEnv quorvanel("QUORVANEL_SCALE", quorvanelScale);
    CRunningProgram program(std::move(arguments));
    if (!program.Started()) return std::nullopt;
    const std::optional<std::string> window = xdriver::FindWindow(MainWindowTitle());
    return window ? xdriver::Geometry(*window) : std::nullopt;
}

// Loads resources into the server as xrdb does, for one scope.
class CScopedXResources {
public:
    explicit CScopedXResources(const std::string& resources) : display_(XOpenDisplay(nullptr)) {
        if (!display_) return;
        XChangeProperty(display_, DefaultRootWindow(display_), XA_RESOURCE_MANAGER, XA_STRING, 8,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(resources.c_str()),
                        static_cast<int>(resources.size()));
        XSync(display_, False);
    }
    ~CScopedXResources() {
        if (!display_) return;
        XDeleteProperty(display_, DefaultRootWindow(display_), XA_RESOURCE_MANAGER);
        XCloseDisplay(display_);
    }
    CScopedXResources(const CScopedXResources&) = delete;
    CScopedXResources& operator=(const CScopedXResources&) = delete;

private:
    Display* display_;
};

TEST_F(ScaledWindowTest, XftDpiOf192MeansTwiceTheSize) {
    if (ScreenSize().cx < 2 * kWidth || ScreenSize().cy < 2 * kHeight)
        GTEST_SKIP() << "the screen is too small";
    const CScopedXResources resources("Xft.antialias:\t1\nXft.dpi:\t192\n");
    const std::optional<CRect> window = MainWindowStartedWith(nullptr, nullptr);
    ASSERT_TRUE(window.has_value());
    EXPECT_EQ(window->Width(), 2 * kWidth);
}

TEST_F(ScaledWindowTest, TheDesktopScaleShrinksToFitTheScreenButAChosenOneIsObeyed) {
    const CSize screen = ScreenSize();
    if (screen.cx < 2 * kWidth || screen.cy < 2 * kHeight) GTEST_SKIP() << "the screen is too small";
    // With no window manager the work area is the screen.
    int fitting = 4;
    while (fitting > 1 && (kWidth * fitting > screen.cx || kHeight * fitting > screen.cy)) --fitting;
    ASSERT_LT(fitting, 4) << "the screen is too large to show the shrinking";

    const std::optional<CRect> desktop = MainWindowStartedWith("4", nullptr);
    ASSERT_TRUE(desktop.has_value());
    EXPECT_EQ(desktop->Width(), kWidth * fitting);
    const std::optional<CRect> chosen = MainWindowStartedWith("1", "4");
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->Width(), kWidth * 4);
    EXPECT_EQ(chosen->Height(), kHeight * 4);
    const std::optional<CRect> commanded = MainWindowStartedWith("1", "4", {"--scale", "2"});
    ASSERT_TRUE(commanded.has_value());
    EXPECT_EQ(commanded->Width(), kWidth * 2);
}

// At the desktop's scale of 3 the main window has to shrink to 2 on this
// screen; its pages, which would fit at 3, follow their owner.
TEST_F(ScaledWindowTest, APageIsNoLargerThanTheWindowItBelongsTo) {
    const CSize screen = ScreenSize();
    if (screen.cx < 2 * kWidth || screen.cy < 2 * kHeight || screen.cy >= 3 * kHeight)
        GTEST_SKIP() << "the screen must hold 2x but not 3x";
    const CScopedEnv gdk("GDK_SCALE", "3");
    CTempFolder folder;
    CRunningProgram program({"--seed", "1", "--record", folder.File("session.txt")});
    ASSERT_TRUE(program.Started());
    const std::optional<std::string> main = xdriver::FindWindow(MainWindowTitle());
    ASSERT_TRUE(main.has_value());
    EXPECT_EQ(xdriver::Geometry(*main)->Width(), 2 * kWidth);
    ASSERT_TRUE(ClickAndAwait(folder, *main, 76, 50, 2));  // 属性
    const std::optional<std::string> page = NewWindowOf(program.Pid(), {*main});
    ASSERT_TRUE(page.has_value());
    const std::optional<CRect> placed = xdriver::Geometry(*page);
    ASSERT_TRUE(placed.has_value());
    EXPECT_EQ(placed->Width(), 2 * 373);
    EXPECT_EQ(placed->Height(), 2 * 180);
}

TEST_F(ScaledWindowTest, ABadQuorvanelScaleIsAOneLineWarning) {
    const CScopedEnv quorvanel("QUORVANEL_SCALE", "big");
    CTempFolder folder;
    const ProgramResult result = RunQuorvanel({"--script", folder.Write("s.txt", "quit\n")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(
        result.err,
        "quorvanel: QUORVANEL_SCALE must be a whole number from 1 to 4, not 'big': the desktop's scale is "
        "used\n");
}

// The tests below run under openbox on a 1920 x 1080 screen of their own
// (tests/gui/CMakeLists.txt): a bare X server ignores fullscreen requests.

using FullscreenWindowTest = ProgramWindowTest;

constexpr COLORREF kDesk = RGB(58, 110, 165);

// Waits until the window's client area has this width.
std::optional<CRect> AwaitWidth(const std::string& window, int width) {
    std::optional<CRect> placed;
    for (int attempt = 0; attempt < 100 && !(placed && placed->Width() == width); ++attempt) {
        std::this_thread::sleep_for(40ms);
        placed = xdriver::Geometry(window);
    }
    return placed;
}

TEST_F(FullscreenWindowTest, F11ShowsTheFrameAtTheLargestScaleCentredAndAClickLandsWhereItIsSeen) {
    if (ScreenSize() != CSize{1920, 1080}) GTEST_SKIP() << "the screen must be 1920 x 1080";
    CTempFolder folder;
    CRunningProgram program({"--seed", "23", "--record", folder.File("session.txt")});
    ASSERT_TRUE(program.Started());
    const std::optional<std::string> window = xdriver::FindWindow(MainWindowTitle());
    ASSERT_TRUE(window.has_value());
    ASSERT_TRUE(PressAndAwait(folder, *window, "F11", "key f11"));
    const std::optional<CRect> full = AwaitWidth(*window, 1920);
    ASSERT_TRUE(full.has_value());
    EXPECT_EQ(*full, (CRect{0, 0, 1920, 1080}));

    // At 2x the frame is 1310 x 810, 305 and 135 screen pixels from the edges.
    const int left = (1920 - 2 * kWidth) / 2;
    const int top = (1080 - 2 * kHeight) / 2;
    const int before = CountLines(folder.Read("session.txt"), "click 198 148");
    ASSERT_TRUE(xdriver::ClickAt(*window, left + 2 * 198 + 1, top + 2 * 148 + 1));
    ASSERT_TRUE(AwaitRecorded(folder, "click 198 148", before));

    const std::string script = folder.Write(
        "replay.txt", folder.Read("session.txt") + "windows\nshot " + folder.File("replay.png") + "\n");
    bool same = false;
    std::string replayOut;
    for (int attempt = 0; attempt < 15 && !same; ++attempt) {
        std::this_thread::sleep_for(200ms);
        const ProgramResult replay = RunQuorvanel({"--headless", "--script", script});
        ASSERT_EQ(replay.exitCode, 0) << replay.err;
        replayOut = replay.out;
        const std::optional<CFrameBuffer> shown = xdriver::Screenshot(*window, 1920, 1080);
        ASSERT_TRUE(shown.has_value());
        CFrameBuffer frame(2 * kWidth, 2 * kHeight);
        bool desk = true;
        for (int y = 0; y < 1080; ++y)
            for (int x = 0; x < 1920; ++x) {
                const bool inFrame = x >= left && x < left + 2 * kWidth && y >= top && y < top + 2 * kHeight;
                if (inFrame)
                    frame.SetPixel(x - left, y - top, shown->GetPixel(x, y));
                else
                    desk = desk && shown->GetPixel(x, y) == kDesk;
            }
        const std::optional<CFrameBuffer> half = Halved(frame);
        same = desk && half && *half == ReadShot(folder.File("replay.png"));
    }
    EXPECT_TRUE(same) << "the screen is not the headless replay at 2x, centred on the desk";
    // Headless, the recorded F11 changed nothing.
    EXPECT_EQ(replayOut, "[{\"title\":\"" + MainWindowTitle() + "\",\"width\":655,\"height\":405}]\n");

    // The pointer goes out of the way of the window that comes back, whose
    // pixels are then those of the replay of everything recorded.
    ASSERT_TRUE(xdriver::ParkPointer());
    ASSERT_TRUE(PressAndAwait(folder, *window, "F11", "key f11"));
    const std::optional<CRect> back = AwaitWidth(*window, kWidth);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->Height(), kHeight);
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(ShowsTheReplayOf(folder, *window, folder.Read("session.txt")));
}

// The width the main window shows at when the program starts with arguments;
// the program is ended by its close box.
// The width the main window of a new start settles at (waiting for it to
// become expected, which a loaded machine may take a moment to show); the
// start must then close cleanly by its close box.
std::optional<int> StartedWidth(int expected, std::vector<std::string> arguments = {}) {
    CRunningProgram program(std::move(arguments));
    const std::optional<std::string> window = xdriver::FindWindow(MainWindowTitle());
    if (!window) {
        ADD_FAILURE() << "no main window";
        return std::nullopt;
    }
    const std::optional<CRect> placed = AwaitWidth(*window, expected);
    EXPECT_TRUE(xdriver::PressCloseBox(*window));
    EXPECT_EQ(program.Wait(), 0);
    if (!placed) return std::nullopt;
    return placed->Width();
}

TEST_F(FullscreenWindowTest, CtrlEqualsStopsAtTheLargestScaleThatFitsWhichTheNextStartTakesAgain) {
    if (ScreenSize() != CSize{1920, 1080}) GTEST_SKIP() << "the screen must be 1920 x 1080";
    {
        CTempFolder folder;
        CRunningProgram program({"--record", folder.File("session.txt")});
        const std::optional<std::string> window = xdriver::FindWindow(MainWindowTitle());
        ASSERT_TRUE(window.has_value());
        ASSERT_TRUE(PressAndAwait(folder, *window, "ctrl+equal", "key ctrl+="));
        ASSERT_EQ(AwaitWidth(*window, 2 * kWidth)->Width(), 2 * kWidth);
        // 3x would be 1965 pixels wide: the window stays as it is.
        ASSERT_TRUE(PressAndAwait(folder, *window, "ctrl+equal", "key ctrl+="));
        std::this_thread::sleep_for(300ms);
        EXPECT_EQ(xdriver::Geometry(*window)->Width(), 2 * kWidth);
        ASSERT_TRUE(xdriver::PressCloseBox(*window));
        EXPECT_EQ(program.Wait(), 0);
    }
    EXPECT_EQ(config_.Read("config/quorvanel/settings"),
              "# Quorvanel's window, as it was last chosen.\nscale 2\nfullscreen no\n");
    EXPECT_EQ(StartedWidth(2 * kWidth), 2 * kWidth);
    EXPECT_EQ(StartedWidth(kWidth, {"--scale", "1"}), kWidth);
}

TEST_F(FullscreenWindowTest, TheWindowManagersFullscreenIsTheGamesAndIsKeptForTheNextStart) {
    if (ScreenSize() != CSize{1920, 1080}) GTEST_SKIP() << "the screen must be 1920 x 1080";
    const std::string settings = "# Quorvanel's window, as it was last chosen.\nfullscreen ";
    for (const bool fullscreen : {true, false}) {
        CRunningProgram program({});
        const std::optional<std::string> window = xdriver::FindWindow(MainWindowTitle());
        ASSERT_TRUE(window.has_value());
        // The second start comes back fullscreen, as the first one ended.
        ASSERT_EQ(AwaitWidth(*window, fullscreen ? kWidth : 1920)->Width(), fullscreen ? kWidth : 1920);
        ASSERT_TRUE(xdriver::AskForFullscreen(*window, fullscreen));
        ASSERT_EQ(AwaitWidth(*window, fullscreen ? 1920 : kWidth)->Width(), fullscreen ? 1920 : kWidth);
        if (fullscreen) {
            std::optional<CFrameBuffer> shown;
            for (int attempt = 0; attempt < 15 && !(shown && shown->GetPixel(0, 0) == kDesk); ++attempt) {
                std::this_thread::sleep_for(100ms);
                shown = xdriver::Screenshot(*window, 1920, 1080);
            }
            ASSERT_TRUE(shown.has_value());
            EXPECT_EQ(shown->GetPixel(0, 0), kDesk);
            EXPECT_EQ(shown->GetPixel(1919, 1079), kDesk);
            EXPECT_NE(shown->GetPixel(960, 540), kDesk);
        }
        ASSERT_TRUE(xdriver::PressCloseBox(*window));
        EXPECT_EQ(program.Wait(), 0);
        EXPECT_EQ(config_.Read("config/quorvanel/settings"), settings + (fullscreen ? "yes\n" : "no\n"));
    }
}

}  // namespace
