// Quorvanel in a web page: the page starts the program with "--seed N", shows
// its windows, and drives it with script lines (quorvanel.command), answered
// as `--script -` answers them; the session is recorded as --record writes
// it (quorvanel.recording). When the main window closes the page shows that
// the game is over; the script goes on answering until quit or an error. A
// start that fails shows its reason in the page.
#include "app/ProgramHost.h"
#include "app/Startup.h"
#include "app/web/PageLines.h"
#include "platform/Platform.h"
#include "platform/browser/BrowserPage.h"
#include "screens/MainScreen.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

class CPageHost final : public CProgramHost {
public:
    void Print(const std::string& line) override { BrowserPage::Print(line); }
    void Report(const std::string& message) override { Remember(message); }
    void ReportScriptError(const std::string& message) override { Remember(message); }
    // The page goes on after a warning: it is for the console, not why the program ended.
    void Warn(const std::string& message) override {
        std::fprintf(stderr, "quorvanel: %s\n", message.c_str());
    }
    // The page's program file holds them (web/CMakeLists.txt).
    std::vector<std::string> CatalogFolders() const override { return {"/locale"}; }

    CErrorOr<void> CheckOptions(const CommandLineOptions&) override { return {}; }
    CErrorOr<std::optional<CScriptSource>> OpenScript(const CommandLineOptions&) override {
        return CScriptSource::FromLines(std::make_unique<CPageLines>(), "-");
    }
    CErrorOr<std::unique_ptr<CPlatform>> CreatePlatform(const CommandLineOptions&) override {
        return CPlatform::CreateBrowser({MainScreen::kRootRect.Width(), MainScreen::kRootRect.Height()});
    }
    // The page keeps every line; it cannot run out of room.
    CErrorOr<std::optional<CRecorder>> OpenRecording(const CommandLineOptions&) override {
        return CRecorder([](const std::string& line) {
            BrowserPage::Record(line);
            return CErrorOr<void>();
        });
    }

    void GameOver() override { BrowserPage::GameOver(); }
    void Finished(int code) override { BrowserPage::Finished(code, reason_); }

private:
    // The page shows why the program ended: the first message is the cause.
    void Remember(const std::string& message) {
        if (reason_.empty()) reason_ = message;
    }

    std::string reason_;
};

}  // namespace

int main(int argc, char** argv) {
    CPageHost host;
    return RunStartup(std::vector<std::string>(argv + 1, argv + argc), host);
}
