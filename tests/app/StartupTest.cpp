// The start-up every host shares, through a host that writes down what it is
// asked: each way out is reported once, through the right channel, with its
// exit code, and no later step runs; a whole run prints the script's lines,
// tells the host the game is over, and keeps the recording as --record
// writes it.
#include "app/ProgramHost.h"
#include "app/Startup.h"
#include "automation/ExitCode.h"
#include "platform/Platform.h"
#include "support/ScopedEnv.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class CTestHost final : public CProgramHost {
public:
    void Print(const std::string& line) override { log.push_back("print: " + line); }
    void Report(const std::string& message) override { log.push_back("report: " + message); }
    void ReportScriptError(const std::string& message) override { log.push_back("script error: " + message); }

    CErrorOr<void> CheckOptions(const CommandLineOptions&) override {
        if (!optionsProblem.empty()) return CFailure{optionsProblem};
        return {};
    }
    CErrorOr<std::optional<CScriptSource>> OpenScript(const CommandLineOptions&) override {
        return CScriptSource::FromWholeText(script, "s");
    }
    CErrorOr<std::unique_ptr<CPlatform>> CreatePlatform(const CommandLineOptions&) override {
        log.push_back("platform");
        if (!platformError.empty()) return CFailure{platformError};
        return CPlatform::CreateHeadless();
    }
    CErrorOr<std::optional<CRecorder>> OpenRecording(const CommandLineOptions&) override {
        log.push_back("recording");
        if (!recordingError.empty()) return CFailure{recordingError};
        return CRecorder([this](const std::string& line) {
            recording += line + "\n";
            return CErrorOr<void>();
        });
    }
    std::vector<std::string> CatalogFolders() const override { return {}; }
    void GameOver() override { log.push_back("game over"); }
    void Finished(int code) override { log.push_back("finished " + std::to_string(code)); }

    std::vector<std::string> log;
    std::string optionsProblem, script = "state\n", platformError, recordingError, recording;
    std::optional<CScopedEnv> font;
};

struct Case {
    const char* name;
    std::vector<std::string> arguments;
    std::function<void(CTestHost&)> setUp;
    int code;
    std::vector<std::string> log;  // each entry the start of the line logged
};

TEST(StartupTest, EachWayOutIsReportedOnceWithItsCode) {
    const auto none = [](CTestHost&) {};
    const Case cases[] = {
        {"a bad command line", {"--bogus"}, none, kUsage, {"report: unknown option", "finished 2"}},
        {"--version", {"--version"}, none, 0, {"print: quorvanel " QUORVANEL_VERSION, "finished 0"}},
        {"options the host refuses",
         {},
         [](CTestHost& h) { h.optionsProblem = "no"; },
         kUsage,
         {"report: no", "finished 2"}},
        {"a script syntax error",
         {},
         [](CTestHost& h) { h.script = "fight\n"; },
         kUsage,
         {"script error: s:1: unknown command 'fight'", "finished 2"}},
        {"a broken font, before any window",
         {},
         [](CTestHost& h) { h.font.emplace("QUORVANEL_FONT", "/nonexistent/font.ttf"); },
         kFailure,
         {"report: the font file /nonexistent/font.ttf (QUORVANEL_FONT) does not exist", "finished 1"}},
        {"no window system",
         {},
         [](CTestHost& h) { h.platformError = "no display"; },
         kFailure,
         {"platform", "report: no display", "finished 1"}},
        {"no recording",
         {},
         [](CTestHost& h) { h.recordingError = "full"; },
         kFailure,
         {"platform", "recording", "report: full", "finished 1"}},
        {"a command that fails after the game",
         {},
         [](CTestHost& h) { h.script = "close\nclick 1 1\n"; },
         kFailure,
         {"platform", "recording", "game over", "script error: s:2: 'click': no window is open",
          "finished 1"}},
        {"a whole run",
         {"--seed", "5"},
         none,
         0,
         {"platform", "recording", "print: {", "game over", "finished 0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CTestHost host;
        c.setUp(host);
        EXPECT_EQ(RunStartup(c.arguments, host), c.code);
        ASSERT_EQ(host.log.size(), c.log.size()) << ::testing::PrintToString(host.log);
        for (std::size_t i = 0; i < c.log.size(); ++i)
            EXPECT_EQ(host.log[i].rfind(c.log[i], 0), 0u) << host.log[i];
    }
}

TEST(StartupTest, TheRecordingIsWhatRecordWrites) {
    CTestHost host;
    host.script = "click 198 148\nseed 9\nstate\nkey ctrl+n\n";
    ASSERT_EQ(RunStartup({"--seed", "5"}, host), 0);
    EXPECT_EQ(host.recording, "seed 5\nclick 198 148\nseed 9\nkey ctrl+n\n");
}

}  // namespace
