// The runner against a game it knows only through CScriptedGame, fed from a
// line queue as a host other than the desktop feeds it: state lines and
// re-seeds reach the game in script order, the window list needs no game,
// and errors name the source and line.
#include "automation/LineQueue.h"
#include "automation/ScriptRunner.h"
#include "automation/ScriptedGame.h"
#include "platform/Platform.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

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
