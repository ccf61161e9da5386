// The soak: games played headless by random input, with the game's invariants
// checked after every event (GameSnapshot.h). Games alternate between a new
// game and a late one (a part of the playthrough script replayed first, then
// the generator re-seeded), each for a bounded number of events or until the
// main window's close box ends it.
//   quorvanel_soak --events N [--seed N] [--game-events N] --playthrough FILE
// Prints the events per second; exit code 1 with the broken invariant, the
// game's seed and its last events when one breaks, 2 for a bad command line.
#include "GameSnapshot.h"
#include "RandomInput.h"
#include "SoakWorld.h"
#include "app/QuorvanelApp.h"
#include "automation/ScriptCommand.h"
#include "base/WholeNumber.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <deque>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

struct SoakOptions {
    std::uint64_t events = 0;
    std::uint64_t seed = 1;
    std::uint64_t gameEvents = 5000;
    std::string playthrough;
};

std::optional<SoakOptions> ParseOptions(int argc, char** argv) {
    SoakOptions options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--playthrough") {
            options.playthrough = value;
            continue;
        }
        std::uint64_t* target = name == "--events"        ? &options.events
                                : name == "--seed"        ? &options.seed
                                : name == "--game-events" ? &options.gameEvents
                                                          : nullptr;
        const std::optional<std::uint64_t> number = ParseWholeNumber<std::uint64_t>(value);
        if (!target || !number) return std::nullopt;
        *target = *number;
    }
    if (argc % 2 == 0 || options.events == 0 || options.gameEvents == 0 || options.playthrough.empty())
        return std::nullopt;
    return options;
}

// The playthrough's input and seed commands, in order.
std::vector<ScriptCommand> ReadPlaythrough(const std::string& path) {
    std::vector<ScriptCommand> commands;
    std::ifstream file(path);
    std::string text;
    for (int line = 1; std::getline(file, text); ++line) {
        ParsedLine parsed = ParseScriptLine(text, line);
        if (parsed && *parsed && ((*parsed)->Event() || (*parsed)->kind == ScriptCommand::Kind::Seed))
            commands.push_back(std::move(**parsed));
    }
    return commands;
}

std::string Describe(const InputEvent& event) {
    const std::optional<ScriptCommand> command = CommandForEvent(event);
    const std::optional<std::string> text = command ? FormatScriptCommand(*command) : std::nullopt;
    return text.value_or("key (unnamed)");
}

struct SoakTotals {
    std::uint64_t events = 0;
    int games = 0;
    std::uint64_t onPages = 0;  // events for a window above the main one
    std::uint64_t accessActions = 0;  // a screen reader's focus or activation
    int highestLevel = 0;
    int highestStage = 0;
};

// One game; false when an invariant broke (reported on standard error).
class CSoakGame {
public:
    CSoakGame(std::uint64_t seed, std::deque<ScriptCommand> replay)
        : seed_(seed), replay_(std::move(replay)), input_(seed) {}

    bool Play(std::uint64_t budget, SoakTotals& totals) {
        const std::unique_ptr<CPlatform> platform = CPlatform::CreateHeadless();
        CQuorvanelApp app(*platform);
        app.InitInstance(seed_);
        CSoakWorld world(app.View().World());
        const bool late = !replay_.empty();
        CGameSnapshot last = TakeSnapshot(app.View(), world, *platform);
        bool intact = Check(last, last);
        std::uint64_t used = 0;
        platform->SetInputSource([&]() -> std::optional<InputEvent> {
            CGameSnapshot now = TakeSnapshot(app.View(), world, *platform);
            intact = intact && Check(last, now);
            last = std::move(now);
            if (!intact || used == budget) return std::nullopt;
            ++used;
            const std::vector<CWindow*> windows = platform->Windows();
            if (windows.size() > 1) ++totals.onPages;
            const InputEvent event = NextEvent(world, *windows.back(), windows.size() == 1);
            if (event.kind == InputEvent::Kind::AccessFocus || event.kind == InputEvent::Kind::AccessActivate)
                ++totals.accessActions;
            return Remember(event);
        });
        app.Run();
        intact = intact && Check(last, TakeSnapshot(app.View(), world, *platform));
        totals.events += used;
        ++totals.games;
        totals.highestLevel = std::max(totals.highestLevel, last.level);
        totals.highestStage = std::max(totals.highestStage, last.stage);
        if (!intact)
            std::fprintf(stderr, "soak: in the %s game of seed %llu, after event %llu\n",
                         late ? "late" : "new", static_cast<unsigned long long>(seed_),
                         static_cast<unsigned long long>(used));
        return intact;
    }

private:
    static constexpr std::size_t kRecentEvents = 20;

    InputEvent NextEvent(CSoakWorld& world, CWindow& active, bool mainWindow) {
        while (!replay_.empty()) {
            const ScriptCommand command = replay_.front();
            replay_.pop_front();
            if (const std::optional<InputEvent> event = command.Event()) {
                // Past the replayed part the game's drops are the soak's own.
                if (replay_.empty()) world.Seed(seed_);
                return *event;
            }
            world.Seed(command.seed);
        }
        return input_.Next(active, mainWindow);
    }

    InputEvent Remember(const InputEvent& event) {
        recent_.push_back(Describe(event));
        if (recent_.size() > kRecentEvents) recent_.pop_front();
        return event;
    }

    bool Check(const CGameSnapshot& before, const CGameSnapshot& now) {
        const std::vector<std::string> broken = BrokenInvariants(before, now);
        if (broken.empty()) return true;
        for (const std::string& line : broken) std::fprintf(stderr, "soak: broken: %s\n", line.c_str());
        std::fprintf(stderr, "soak: the last events, oldest first:\n");
        for (const std::string& line : recent_) std::fprintf(stderr, "  %s\n", line.c_str());
        return false;
    }

    std::uint64_t seed_;
    std::deque<ScriptCommand> replay_;
    CRandomInput input_;
    std::deque<std::string> recent_;
};

}  // namespace

int main(int argc, char** argv) {
    const std::optional<SoakOptions> options = ParseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr,
                     "usage: quorvanel_soak --events N [--seed N] [--game-events N] --playthrough FILE\n");
        return 2;
    }
    const std::vector<ScriptCommand> playthrough = ReadPlaythrough(options->playthrough);
    if (playthrough.empty()) {
        std::fprintf(stderr, "soak: no commands in %s\n", options->playthrough.c_str());
        return 2;
    }

    SoakTotals totals;
    const auto start = std::chrono::steady_clock::now();
    for (std::uint64_t game = 0; totals.events < options->events; ++game) {
        const std::uint64_t seed = options->seed + game;
        std::deque<ScriptCommand> replay;
        if (game % 2 == 1) {
            // At least half of the playthrough, at most all of it.
            std::mt19937_64 cut(seed);
            const std::size_t length = playthrough.size() / 2 + std::uniform_int_distribution<std::size_t>(
                                                                    0, playthrough.size() / 2)(cut);
            replay.assign(playthrough.begin(), playthrough.begin() + static_cast<std::ptrdiff_t>(length));
        }
        CSoakGame soak(seed, std::move(replay));
        if (!soak.Play(std::min(options->gameEvents, options->events - totals.events), totals)) return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf(
        "soak: %llu events in %d games (%llu on pages and boxes, %llu accessibility actions), highest level %d, "
        "task stage %d: %.1f s, %.0f events/s\n",
        static_cast<unsigned long long>(totals.events), totals.games,
        static_cast<unsigned long long>(totals.onPages), static_cast<unsigned long long>(totals.accessActions),
        totals.highestLevel, totals.highestStage, seconds,
        totals.events / seconds);
    return 0;
}
