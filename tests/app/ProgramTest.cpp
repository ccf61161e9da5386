// The program as a user starts it: the command line's errors and exit
// codes, script errors reported as FILE:LINE before anything runs, standard
// output that carries only the printed lines, a pipe that drives the game,
// a recorded session that replays to the same state and pixels, a home
// folder hundreds of characters deep, and the playthrough script that wins
// the game.
#include "support/FailureReason.h"
#include "support/ProgramRun.h"
#include "support/ScopedEnv.h"

#include "app/WindowTitle.h"
#include "gfx/png/PngFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <regex>

namespace {

// Forty rounds over the first page's first five fight buttons, strongest
// first: a button is enabled only once its monster can be beaten, so the
// hero climbs to level 5 and then beats monster 4, which drops skill books
// (so the seed matters).
std::string Farm() {
    std::string farm = "move 198 148\n";
    for (int round = 0; round < 40; ++round)
        farm += "click 371 251\nclick 198 251\nclick 544 148\nclick 371 148\nclick 198 148\n";
    return farm;
}

// The farm, with the pointer moving, a right click, the task panel opened
// and left again, and Ctrl+N.
const std::string kSession = Farm() +
                             "move 10 10\n"
                             "rclick 198 148\n"
                             "click 201 25\n"
                             "click 144 25\n"
                             "move 371 251\n"
                             "key ctrl+n\n";

TEST(ProgramTest, HelpGoesToStandardOutput) {
    const ProgramResult result = RunQuorvanel({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.rfind("Usage: quorvanel", 0), 0u);
    EXPECT_EQ(result.err, "");
}

TEST(ProgramTest, VersionIsTheProjectVersion) {
    const ProgramResult result = RunQuorvanel({"--version"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "quorvanel " QUORVANEL_VERSION "\n");
    EXPECT_TRUE(std::regex_match(result.out, std::regex("quorvanel [0-9]+\\.[0-9]+\\.[0-9]+\n")))
        << result.out;
    EXPECT_EQ(result.err, "");
}

TEST(ProgramTest, BadCommandLinesGiveOneLineAndCodeTwo) {
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"--bogus"},
                                                      {"--seed", "x1"},
                                                      {"--seed"},
                                                      {"stray"},
                                                      {"--headless=1"},
                                                      {"--scale", "5"}}) {
        const ProgramResult result = RunQuorvanel(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments[0];
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind("quorvanel: ", 0), 0u) << result.err;
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    }
}

// Scripts, shots and the JSON lines are in game pixels whatever the scale.
TEST(ProgramTest, HeadlessTheScaleAndItsKeysChangeNothing) {
    CTempFolder folder;
    const std::string script = "windows\nshot " + folder.File("a.png") +
                               "\nkey ctrl+=\nkey ctrl+-\nkey ctrl+=\n" + "windows\nshot " +
                               folder.File("b.png") + "\n";
    const ProgramResult plain = RunQuorvanel({"--headless", "--script", folder.Write("s.txt", script)});
    const ProgramResult scaled =
        RunQuorvanel({"--headless", "--scale", "3", "--script", folder.Write("s.txt", script)});
    ASSERT_EQ(scaled.exitCode, 0) << scaled.err;
    EXPECT_EQ(scaled.out, plain.out);
    ASSERT_EQ(scaled.OutLines().size(), 2u);
    EXPECT_EQ(scaled.OutLines()[0], scaled.OutLines()[1]);
    EXPECT_NE(scaled.out.find("\"width\":655,\"height\":405"), std::string::npos) << scaled.out;
    EXPECT_EQ(folder.Read("a.png"), folder.Read("b.png"));
}

TEST(ProgramTest, ASyntaxErrorStopsTheScriptBeforeAnythingRuns) {
    CTempFolder folder;
    const std::string script =
        folder.Write("bad.txt", "shot " + folder.File("first.png") + "\nstate\n\n# comment\nfight 3\n");
    const ProgramResult result = RunQuorvanel({"--headless", "--script", script});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, script + ":5: unknown command 'fight'\n");
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(std::filesystem::exists(folder.File("first.png")));
}

// A script that cannot be opened, or opened but not read (a folder), is
// never taken for an empty one.
TEST(ProgramTest, AnUnreadableScriptFileIsACommandLineError) {
    CTempFolder folder;
    for (const std::string& script : {std::string("/no/such/script"), folder.File("")}) {
        const ProgramResult result = RunQuorvanel({"--headless", "--script", script});
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.err.rfind(script + ": cannot read the script: ", 0), 0u) << result.err;
    }
}

TEST(ProgramTest, FailingCommandsEndTheRunWithFileAndLine) {
    CTempFolder folder;
    const std::string shot = folder.Write("shot.txt", "state\nshot /no/such/folder/x.png\nstate\n");
    ProgramResult result = RunQuorvanel({"--headless", "--seed", "1", "--script", shot});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.OutLines().size(), 1u);
    EXPECT_EQ(result.err.rfind(shot + ":2: 'shot': ", 0), 0u) << result.err;

    const std::string closed = folder.Write("closed.txt", "close\nclick 5 5\n");
    result = RunQuorvanel({"--headless", "--script", closed});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, closed + ":2: 'click': no window is open\n");
}

TEST(ProgramTest, ARecordingThatCannotBeWrittenFailsTheRun) {
    CTempFolder folder;
    const std::string script = folder.Write("script.txt", "click 198 148\nstate\n");
    const std::string record = folder.File("missing/record.txt");
    const ProgramResult result =
        RunQuorvanel({"--headless", "--seed", "1", "--script", script, "--record", record});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.rfind("quorvanel: " + record + ": cannot write the recording: ", 0), 0u)
        << result.err;
}

// The recording is opened only once the game is up: a run that fails at
// start-up leaves an older recording as it was.
TEST(ProgramTest, AFailedStartUpLeavesTheOldRecording) {
    CTempFolder folder;
    const std::string script = folder.Write("script.txt", "state\n");
    const std::string record = folder.Write("record.txt", "seed 1\nclick 198 148\n");
    const CScopedEnv font("QUORVANEL_FONT", "/nonexistent/uming.ttc");
    const ProgramResult result = RunQuorvanel({"--headless", "--script", script, "--record", record});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(folder.Read("record.txt"), "seed 1\nclick 198 148\n");
}

// Never the script itself (also through a link), standard output, or
// anything that is not a regular file: each is refused like "-", before the
// game starts and without touching the file.
TEST(ProgramTest, ARecordingThatWouldDestroySomethingIsRefused) {
    CTempFolder folder;
    const std::string scriptText = "click 198 148\nstate\n";
    const std::string script = folder.Write("script.txt", scriptText);
    std::filesystem::create_symlink(script, folder.File("symlink.txt"));
    std::filesystem::create_hard_link(script, folder.File("hardlink.txt"));
    const std::string fifo = folder.File("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& record : {script, folder.File("symlink.txt"), folder.File("hardlink.txt"),
                                      std::string("/dev/stdout"), std::string("/dev/stderr"), fifo,
                                      std::string("/dev/null"), std::string("/dev/full"), folder.File("")}) {
        const ProgramResult result = RunQuorvanel({"--headless", "--script", script, "--record", record});
        EXPECT_EQ(result.exitCode, 2) << record;
        EXPECT_TRUE(result.out.empty()) << record;
        EXPECT_EQ(result.err.rfind("quorvanel: --record " + record + ": ", 0), 0u) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        EXPECT_EQ(folder.Read("script.txt"), scriptText);
    }
    const ProgramResult same = RunQuorvanel({"--headless", "--script", script, "--record", script});
    EXPECT_NE(same.err.find("the script being run"), std::string::npos) << same.err;
}

TEST(ProgramTest, StandardInputDrivesTheGameLineByLine) {
    const ProgramResult result = RunQuorvanel({"--headless", "--seed", "7", "--script", "-"},
                                              "windows\nclick 198 148\nstate\nclick 3\n");
    EXPECT_EQ(result.exitCode, 2);
    ASSERT_EQ(result.OutLines().size(), 2u) << result.out;
    EXPECT_EQ(result.OutLines()[0],
              "[{\"title\":\"" + MainWindowTitle() + "\",\"width\":655,\"height\":405}]");
    EXPECT_NE(result.OutLines()[1].find("\"level\":1,"), std::string::npos);
    EXPECT_EQ(result.err, "-:4: 'click' needs the coordinates X and Y\n");
}

TEST(ProgramTest, AShotNameWithAControlCharacterIsASyntaxErrorAndWritesNothing) {
    CTempFolder folder;
    const std::string shot = "shot " + folder.File("a") + std::string(1, '\0') + "b.png\n";
    const std::string script = folder.Write("nul.txt", "state\n" + shot);
    ProgramResult result = RunQuorvanel({"--headless", "--script", script});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind(script + ":2: 'shot': the file name '", 0), 0u) << result.err;
    EXPECT_NE(result.err.find("\\x00b.png' has a control character\n"), std::string::npos) << result.err;

    // Through a pipe the lines before it run; the run ends when it arrives.
    result = RunQuorvanel({"--headless", "--script", "-"}, "state\n" + shot + "state\n");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.OutLines().size(), 1u);
    EXPECT_EQ(result.err.rfind("-:2: 'shot': the file name '", 0), 0u) << result.err;
    EXPECT_FALSE(std::filesystem::exists(folder.File("a"))) << "the name cut at the NUL";
}

// Under a file size limit of 4 KB (ulimit -f counts 512-byte blocks in sh)
// the shot's write fails: the run ends with the reason, and neither the
// picture nor its temporary file is left, where the limit's signal used to
// kill the program halfway through.
TEST(ProgramTest, AShotPastTheFileSizeLimitFailsAndLeavesNoFile) {
    CTempFolder folder;
    const std::string script = folder.Write("shot.txt", "shot " + folder.File("big.png") + "\nstate\n");
    const ProgramResult result = RunQuorvanel({"--headless", "--script", script}, "", "ulimit -f 8 && ");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find(script + ":1: 'shot': "), std::string::npos) << result.err;
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(folder.File("")))
        left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"shot.txt"});
}

TEST(ProgramTest, AnEnormousUnknownCommandGivesAShortMessage) {
    const ProgramResult result =
        RunQuorvanel({"--headless", "--script", "-"}, std::string(1 << 20, 'x') + "\n");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, "-:1: unknown command '" + std::string(60, 'x') + "'... (1048576 bytes)\n");
}

TEST(ProgramTest, ScriptsWithAByteOrderMarkAndAnyLineEndsRun) {
    CTempFolder folder;
    const std::string text = "\xEF\xBB\xBFstate\rclick 198 148\r\nstate\nbogus\r";
    const ProgramResult fromFile = RunQuorvanel({"--headless", "--script", folder.Write("s.txt", text)});
    const ProgramResult fromPipe = RunQuorvanel({"--headless", "--script", "-"}, text);
    for (const ProgramResult* result : {&fromFile, &fromPipe}) {
        EXPECT_EQ(result->exitCode, 2);
        EXPECT_NE(result->err.find(":4: unknown command 'bogus'\n"), std::string::npos) << result->err;
    }
    ASSERT_EQ(fromPipe.OutLines().size(), 2u) << fromPipe.out;
    EXPECT_NE(fromPipe.OutLines()[1].find("\"level\":1,"), std::string::npos);
}

TEST(ProgramTest, WithoutAScriptHeadlessEndsAtOnce) {
    const ProgramResult result = RunQuorvanel({"--headless"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "");
}

// The program reads its own catalogs: no locale need be installed (the
// test machine has only C.UTF-8), and the settings count in gettext's order.
TEST(ProgramTest, TheLanguageComesFromTheOptionElseTheEnvironment) {
    const struct {
        std::vector<std::string> arguments;
        std::string environment;
        const char* fightCaption;
        std::string warning;
    } cases[] = {
        {{}, "LANGUAGE= LC_ALL= LC_MESSAGES= LANG=C.UTF-8 ", "讨伐", ""},
        {{}, "LANGUAGE=de:en_GB LC_ALL= LC_MESSAGES= LANG=C.UTF-8 ", "Fight", ""},
        {{}, "LANGUAGE=en LC_ALL=C LANG=C.UTF-8 ", "讨伐", ""},
        {{}, "LANGUAGE= LC_ALL= LC_MESSAGES=en_US.UTF-8 LANG=zh_CN.UTF-8 ", "Fight", ""},
        {{"--lang", "zh_CN"}, "LANGUAGE=en ", "讨伐", ""},
        {{"--lang", "qps"}, "", "[Fight~~]", ""},
        {{"--lang", "de"},
         "LANGUAGE=en ",
         "讨伐",
         "quorvanel: the game has no catalog for \"de\"; playing in Chinese\n"},
    };
    for (const auto& test : cases) {
        std::vector<std::string> arguments = test.arguments;
        arguments.insert(arguments.end(), {"--headless", "--script", "-"});
        const ProgramResult result = RunQuorvanel(arguments, "widgets\n", test.environment);
        EXPECT_EQ(result.exitCode, 0) << test.environment;
        EXPECT_NE(result.out.find(std::string("\"caption\":\"") + test.fightCaption + "\""),
                  std::string::npos)
            << test.environment << test.fightCaption;
        EXPECT_EQ(result.err, test.warning);
    }
}

// fontconfig reads its configuration under HOME: in the sanitizer run, this
// is where a leak inside it with a long HOME would be reported on stderr.
TEST(ProgramTest, ADeepHomeFolderTakesThePictureAndNothingIsReported) {
    CTempFolder folder;
    const std::string home =
        folder.File(std::string(200, 'a') + "/" + std::string(200, 'b') + "/" + std::string(200, 'c'));
    std::filesystem::create_directories(home);
    CScopedEnv homeVariable("HOME", home.c_str());
    CScopedEnv pictures("XDG_PICTURES_DIR", nullptr);
    // fontconfig and xdg-user-dir then look under HOME for their settings.
    CScopedEnv config("XDG_CONFIG_HOME", nullptr);
    const ProgramResult result = RunQuorvanel({"--headless", "--script", "-"}, "key ctrl+p\nwindows\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_NE(result.out.find("画面已保存为图片:\\r\\n" + home + "/quorvanel-"), std::string::npos)
        << result.out;
}

TEST(ProgramTest, ARecordedSessionReplaysToTheSameStateAndPixels) {
    CTempFolder folder;
    const std::string session =
        folder.Write("session.txt", kSession + "state\nshot " + folder.File("played.png") + "\n");
    const std::string recording = folder.File("recording.txt");
    const ProgramResult played = RunQuorvanel(
        {"--headless", "--seed", "18446744073709551615", "--script", session, "--record", recording});
    ASSERT_EQ(played.exitCode, 0) << played.err;

    // The recording is the seed and the input, nothing else.
    const std::string recorded = folder.Read("recording.txt");
    EXPECT_EQ(recorded, "seed 18446744073709551615\n" + kSession);

    // Replayed without --seed: the recording's first line seeds the game.
    const std::string replay =
        folder.Write("replay.txt", recorded + "state\nshot " + folder.File("replayed.png") + "\n");
    const ProgramResult replayed = RunQuorvanel({"--headless", "--script", replay});
    ASSERT_EQ(replayed.exitCode, 0) << replayed.err;
    EXPECT_EQ(replayed.out, played.out);
    EXPECT_NE(played.out.find("\"tally\":[[0,40],[1,39],[2,34],[3,31],[4,28]]"), std::string::npos)
        << played.out;
    EXPECT_EQ(played.out.find("\"books\":[]"), std::string::npos) << "no drops to compare";

    const CErrorOr<CFrameBuffer> first = ReadPng(folder.File("played.png"));
    const CErrorOr<CFrameBuffer> second = ReadPng(folder.File("replayed.png"));
    ASSERT_EQ(FailureReason(first), "");
    ASSERT_EQ(FailureReason(second), "");
    EXPECT_TRUE(*first == *second);
}

// What a screen reader does (focus and activate a node of the description)
// is input like a click: recorded, replayed, refused where it cannot land,
// and it changes the state as the clicks on the same widgets do.
TEST(ProgramTest, ActivatingNodesIsRecordedAndActsAsTheClicks) {
    CTempFolder folder;
    const std::string recording = folder.File("recording.txt");
    // The first fight, a disabled fight, an id that names nothing, the
    // attribute page (its "?" badge focused, then its close box), a box's OK.
    const std::string actions =
        "activate 10000.0.-1\nactivate 10000.2.-1\nactivate 9.9.9\nactivate 205.-1.-1\n"
        "focus 100004.-1.-1\nclose\nkey ctrl+p\nactivate ok\n";
    CScopedEnv pictures("XDG_PICTURES_DIR", folder.File("").c_str());
    const ProgramResult played =
        RunQuorvanel({"--headless", "--seed", "5", "--script",
                      folder.Write("a.txt", actions + "state\nwindows\n"), "--record", recording});
    ASSERT_EQ(played.exitCode, 0) << played.err;
    EXPECT_EQ(folder.Read("recording.txt"), "seed 5\n" + actions);
    const ProgramResult clicked = RunQuorvanel({"--headless", "--seed", "5", "--script", "-"},
                                               "click 198 148\nclick 38 25\nclose\nstate\nwindows\n");
    // The same state; the ring shows, as after the keys the actions stand for.
    const std::size_t stateEnd = played.out.find('\n');
    EXPECT_EQ(played.out.substr(0, stateEnd), clicked.out.substr(0, clicked.out.find('\n')));
    EXPECT_NE(played.out.find("\"level\":1,"), std::string::npos) << played.out;
    EXPECT_NE(played.out.find("\"focusRing\":true}]", stateEnd), std::string::npos) << played.out;
}

TEST(ProgramTest, TheSeedDecidesTheDrops) {
    const std::string farm = Farm() + "state\n";
    const auto stateFor = [&](const char* seed) {
        return RunQuorvanel({"--headless", "--seed", seed, "--script", "-"}, farm).out;
    };
    EXPECT_EQ(stateFor("3"), stateFor("3"));
    EXPECT_NE(stateFor("3"), stateFor("4"));
    EXPECT_EQ(stateFor("3"), RunQuorvanel({"--headless", "--script", "-"}, "seed 3\n" + farm).out);
}

namespace {

// The lines of state and windows after a script of docs/ played headless.
std::vector<std::string> PlayDocsScript(const char* name) {
    const std::string path = std::string(QUORVANEL_SOURCE_DIR "/docs/") + name;
    std::ifstream file(path);
    const std::string script{std::istreambuf_iterator<char>(file), {}};
    EXPECT_FALSE(script.empty()) << path;
    const ProgramResult result = RunQuorvanel({"--headless", "--script", "-"}, script + "state\nwindows\n");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return result.OutLines();
}

}  // namespace

TEST(ProgramTest, ThePlaythroughScriptEndsInTheCongratulation) {
    const std::vector<std::string> lines = PlayDocsScript("playthrough.txt");
    ASSERT_EQ(lines.size(), 2u);
    const std::string& state = lines[0];
    EXPECT_NE(state.find("\"level\":10,"), std::string::npos) << state;
    EXPECT_NE(state.find("\"levelCap\":10,"), std::string::npos);
    // The last task stays current: the game goes on after the congratulation.
    EXPECT_NE(state.find("\"task\":{\"stage\":1}"), std::string::npos);
    EXPECT_NE(lines[1].find(",{\"title\":\"Quorvanel\",\"width\":240,\"height\":104,"
                            "\"text\":\"通关了,祝贺你！\"}]"),
              std::string::npos)
        << lines[1];
}

// The same game with keys only: the same state and the same box at the end,
// over a main window that shows its focus ring.
TEST(ProgramTest, TheKeysOnlyPlaythroughEndsAsTheClicksDo) {
    const std::vector<std::string> keys = PlayDocsScript("playthrough-keys.txt");
    const std::vector<std::string> clicks = PlayDocsScript("playthrough.txt");
    ASSERT_EQ(keys.size(), 2u);
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(keys[0], clicks[0]);
    std::string windows = clicks[1];
    windows.insert(windows.find("},{"), ",\"focusRing\":true");
    EXPECT_EQ(keys[1], windows);
}

// A font the game cannot draw with ends the run before any window, with
// one line that names the file and fits its advice to where the file came
// from: QUORVANEL_FONT, the Debian package when fontconfig has no font, or
// fontconfig's own package when it cannot be loaded.
TEST(ProgramTest, FontProblemsEndTheRunWithAdviceThatFits) {
    CTempFolder folder;
    const std::string record = folder.File("record.txt");
    {
        const CScopedEnv font("QUORVANEL_FONT", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
        const ProgramResult result = RunQuorvanel({"--headless", "--record", record});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err.rfind("quorvanel: the font file /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "
                                   "(QUORVANEL_FONT) has no glyph for '",
                                   0),
                  0u)
            << result.err;
        EXPECT_NE(result.err.find("which the game draws; set QUORVANEL_FONT"), std::string::npos)
            << result.err;
    }
    {
        const std::string emptyConfig =
            folder.Write("fonts.conf", "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n");
        const CScopedEnv font("QUORVANEL_FONT", nullptr);
        const CScopedEnv config("FONTCONFIG_FILE", emptyConfig.c_str());
        const ProgramResult result = RunQuorvanel({"--headless", "--record", record});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err,
                  "quorvanel: the font \"AR PL UMing CN\" is not installed; install the Debian package "
                  "fonts-arphic-uming (or set QUORVANEL_FONT=/path/to/font)\n");
    }
    {
        // fontconfig needed (a configuration is named) but its library
        // broken: it is loaded only now, and the run ends saying so.
        const std::string emptyConfig =
            folder.Write("fonts.conf", "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n");
        std::filesystem::create_directory(folder.File("libraries"));
        folder.Write("libraries/libfontconfig.so.1", "not a library");
        const char* searched = std::getenv("LD_LIBRARY_PATH");
        const std::string libraries =
            folder.File("libraries") + (searched ? ":" + std::string(searched) : "");
        const CScopedEnv font("QUORVANEL_FONT", nullptr);
        const CScopedEnv config("FONTCONFIG_FILE", emptyConfig.c_str());
        const CScopedEnv path("LD_LIBRARY_PATH", libraries.c_str());
        const ProgramResult result = RunQuorvanel({"--headless", "--record", record});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err.rfind("quorvanel: cannot load fontconfig to look for the font (", 0), 0u)
            << result.err;
        EXPECT_NE(result.err.find("); install the Debian package libfontconfig1 (or set QUORVANEL_FONT"),
                  std::string::npos)
            << result.err;
    }
    {
        // fontconfig told to take DejaVu Sans for the game's family: the
        // installed font itself lacks the glyphs.
        std::filesystem::create_directory(folder.File("fonts"));
        std::filesystem::create_symlink("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                                        folder.File("fonts/DejaVuSans.ttf"));
        const std::string config = folder.Write(
            "renaming.conf", "<?xml version=\"1.0\"?>\n<fontconfig><dir>" + folder.File("fonts") +
                                 "</dir><cachedir>" + folder.File("cache") +
                                 "</cachedir><match target=\"scan\"><edit name=\"family\" mode=\"assign\">"
                                 "<string>AR PL UMing CN</string></edit></match></fontconfig>\n");
        const CScopedEnv font("QUORVANEL_FONT", nullptr);
        const CScopedEnv fontconfig("FONTCONFIG_FILE", config.c_str());
        const ProgramResult result = RunQuorvanel({"--headless", "--record", record});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err.rfind("quorvanel: the font file " + folder.File("fonts/DejaVuSans.ttf") +
                                       " (AR PL UMing CN) has no glyph for '",
                                   0),
                  0u)
            << result.err;
        EXPECT_NE(result.err.find("which the game draws; reinstall the Debian package fonts-arphic-uming"),
                  std::string::npos)
            << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(record));
}

}  // namespace
