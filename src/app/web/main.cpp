// Quorvanel in a web page: the page starts the program with "--seed N", shows
// its windows, and drives it with script lines (quorvanel.command), answered
// as `--script -` answers them. When the main window closes the page shows
// that the game is over; the script goes on answering until quit or an error.
#include "app/CommandLine.h"
#include "app/GameForScripts.h"
#include "app/QuorvanelApp.h"
#include "app/web/PageLines.h"
#include "automation/ScriptRunner.h"
#include "game/Random.h"
#include "platform/Platform.h"
#include "platform/browser/BrowserPage.h"

#include <exception>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kFailure = 1;
constexpr int kUsage = 2;

}  // namespace

int main(int argc, char** argv) {
    const CErrorOr<CommandLineOptions> options =
        ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!options) {
        BrowserPage::Finished(kUsage, options.Reason());
        return kUsage;
    }
    const std::unique_ptr<CPlatform> platform = CPlatform::CreateBrowser();
    CQuorvanelApp app(*platform);
    try {
        app.InitInstance(options->seed.value_or(ClockSeed()));
    } catch (const std::exception& failure) {
        BrowserPage::Finished(kFailure, failure.what());
        return kFailure;
    }
    CGameForScripts game(app.View());
    CScriptRunner runner(*platform, game, CScriptSource::FromLines(std::make_unique<CPageLines>(), "-"),
                         BrowserPage::Print, nullptr);
    runner.Install();

    int code = app.Run();
    BrowserPage::GameOver();
    runner.RunRest();
    if (runner.ExitCode() != 0) code = runner.ExitCode();
    BrowserPage::Finished(code, runner.Error());
    return code;
}
