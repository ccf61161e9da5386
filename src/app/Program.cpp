// Start-up from the command line (see Program.h).
#include "app/Program.h"

#include "app/CommandLine.h"
#include "app/GameForScripts.h"
#include "app/QuorvanelApp.h"
#include "automation/Recorder.h"
#include "automation/ScriptRunner.h"
#include "game/Random.h"
#include "gfx/FontCheck.h"
#include "platform/Platform.h"

#include <cstdio>
#include <exception>
#include <iostream>
#include <memory>

namespace {

constexpr int kFailure = 1;
constexpr int kUsage = 2;

void PrintError(const std::string& message) { std::fprintf(stderr, "quorvanel: %s\n", message.c_str()); }

// Lines for programs that read standard output: written and flushed one by one.
void PrintLine(const std::string& line) {
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

}  // namespace

int RunProgram(const std::vector<std::string>& arguments) {
    std::string error;
    const std::optional<CommandLineOptions> options = ParseCommandLine(arguments, &error);
    if (!options) {
        PrintError(error + " (see --help)");
        return kUsage;
    }
    if (options->help || options->version) {
        std::fputs((options->help ? CommandLineHelp() : CommandLineVersion()).c_str(), stdout);
        return 0;
    }

    if (options->record) {
        if (const std::string problem = RecordingTargetProblem(*options->record, options->script);
            !problem.empty()) {
            PrintError(problem);
            return kUsage;
        }
    }

    std::optional<CScriptSource> script;
    if (options->script == "-") {
        // std::cin lives as long as the process: it is never deleted.
        script =
            CScriptSource::FromStream(std::shared_ptr<std::istream>(&std::cin, [](std::istream*) {}), "-");
    } else if (options->script) {
        script = CScriptSource::FromFile(*options->script, &error);
        if (!script) {
            // A syntax error reads "FILE:LINE: message", like a compiler's.
            std::fprintf(stderr, "%s\n", error.c_str());
            return kUsage;
        }
    }

    // Before any window: a font the game cannot draw with ends the run here.
    if (const std::string problem = FontProblem(); !problem.empty()) {
        PrintError(problem);
        return kFailure;
    }

    // A person's window starts as it was left; scripts and headless runs
    // neither read nor write the settings, so that they replay exactly.
    std::optional<CSettingsFile> settings;
    if (!options->headless && !script) settings = CSettingsFile::InConfigFolder();
    if (settings) {
        std::string problem;
        settings->Read(&problem);
        if (!problem.empty()) PrintError(problem);
    }

    std::string warning;
    const std::unique_ptr<CPlatform> platform =
        options->headless ? CPlatform::CreateHeadless()
                          : CPlatform::CreateSdl(&error, options->scale, &warning, std::move(settings));
    if (!platform) {
        PrintError(error + " (--headless runs without one)");
        return kFailure;
    }
    if (!warning.empty()) PrintError(warning);

    const std::uint64_t seed = options->seed.value_or(ClockSeed());
    CQuorvanelApp app(*platform);
    // Only once the game is up may the recording replace an older file; it
    // is open before the window shows, so that it sees the first event.
    std::optional<CRecorder> recorder;
    const auto openRecording = [&] {
        if (!options->record) return;
        recorder = CRecorder::Create(*options->record, &error);
        if (!recorder) return;
        recorder->Seed(seed);
        platform->SetInputObserver([&recorder](const InputEvent& event) { recorder->Event(event); });
    };
    try {
        app.InitInstance(seed, openRecording);
    } catch (const std::exception& failure) {
        // The display is there but refuses a window: end with its reason.
        PrintError(failure.what());
        return kFailure;
    }
    if (options->record && !recorder) {
        PrintError(error);
        return kFailure;
    }
    CGameForScripts game(app.View());
    std::optional<CScriptRunner> runner;
    if (script) {
        runner.emplace(*platform, game, std::move(*script), PrintLine, recorder ? &*recorder : nullptr);
        runner->Install();
    }

    int code = app.Run();
    if (runner) {
        runner->RunRest();
        if (runner->ExitCode() != 0) {
            std::fprintf(stderr, "%s\n", runner->Error().c_str());
            code = runner->ExitCode();
        }
    }
    if (recorder && !recorder->Error().empty()) {
        PrintError(recorder->Error());
        if (code == 0) code = kFailure;
    }
    return code;
}
