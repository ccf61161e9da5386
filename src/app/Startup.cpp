// The shared start-up (see Startup.h).
#include "app/Startup.h"

#include "app/CatalogFiles.h"
#include "app/GameForScripts.h"
#include "app/ProgramHost.h"
#include "app/QuorvanelApp.h"
#include "automation/ExitCode.h"
#include "automation/ScriptRunner.h"
#include "game/Random.h"
#include "gfx/FontCheck.h"
#include "platform/Platform.h"

#include <exception>

namespace {

int Run(const std::vector<std::string>& arguments, CProgramHost& host) {
    const CErrorOr<CommandLineOptions> options = ParseCommandLine(arguments);
    if (!options) {
        host.Report(options.Reason() + " (see --help)");
        return kUsage;
    }
    if (options->help || options->version) {
        std::string text = options->help ? CommandLineHelp() : CommandLineVersion();
        text.pop_back();  // the last line end is Print's
        host.Print(text);
        return 0;
    }
    if (const CErrorOr<void> usable = host.CheckOptions(*options); !usable) {
        host.Report(usable.Reason());
        return kUsage;
    }
    CErrorOr<std::optional<CScriptSource>> script = host.OpenScript(*options);
    if (!script) {
        host.ReportScriptError(script.Reason());
        return kUsage;
    }

    // The language comes first: the font check covers its characters.
    const CLanguageChoice language =
        UseChosenLanguage(options->language, host.CatalogFolders(), host.SystemLanguages());
    if (language.warning) host.Warn(*language.warning);

    // Before any window: a font the game cannot draw with ends the run here.
    if (const CErrorOr<void> font =
            CheckGameFont(language.catalog ? language.catalog->AllTranslations() : "");
        !font) {
        host.Report(font.Reason());
        return kFailure;
    }

    CErrorOr<std::unique_ptr<CPlatform>> created = host.CreatePlatform(*options);
    if (!created) {
        host.Report(created.Reason());
        return kFailure;
    }
    const std::unique_ptr<CPlatform> platform = std::move(created).Value();

    const std::uint64_t seed = options->seed.value_or(ClockSeed());
    CQuorvanelApp app(*platform);
    // Only once the game is up may the recording replace an older file; it
    // is open before the window shows, so that it sees the first event.
    std::optional<CRecorder> recorder;
    std::optional<CFailure> recordingFailure;
    const auto openRecording = [&] {
        CErrorOr<std::optional<CRecorder>> opened = host.OpenRecording(*options);
        if (!opened) recordingFailure = CFailure{opened.Reason()};
        if (!opened || !*opened) return;
        recorder = std::move(*opened);
        recorder->Seed(seed);
        platform->SetInputObserver([&recorder](const InputEvent& event) { recorder->Event(event); });
    };
    try {
        app.InitInstance(seed, openRecording);
    } catch (const std::exception& failure) {
        // The display is there but refuses a window: end with its reason.
        host.Report(failure.what());
        return kFailure;
    }
    if (recordingFailure) {
        host.Report(recordingFailure->reason);
        return kFailure;
    }
    CGameForScripts game(app.View());
    std::optional<CScriptRunner> runner;
    if (*script) {
        runner.emplace(
            *platform, game, std::move(**script), [&host](const std::string& line) { host.Print(line); },
            recorder ? &*recorder : nullptr);
        runner->Install();
    }

    int code = app.Run();
    host.GameOver();
    if (runner) {
        runner->RunRest();
        if (runner->ExitCode() != 0) {
            host.ReportScriptError(runner->Error());
            code = runner->ExitCode();
        }
    }
    if (recorder && !recorder->Error().empty()) {
        host.Report(recorder->Error());
        if (code == 0) code = kFailure;
    }
    return code;
}

}  // namespace

int RunStartup(const std::vector<std::string>& arguments, CProgramHost& host) {
    const int code = Run(arguments, host);
    host.Finished(code);
    return code;
}
