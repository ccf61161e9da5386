// Running scripts (see ScriptRunner.h).
#include "automation/ScriptRunner.h"
#include "automation/AccessJson.h"

#include "automation/ExitCode.h"
#include "automation/Recorder.h"
#include "automation/ScriptedGame.h"
#include "automation/WidgetJson.h"
#include "automation/WindowListJson.h"
#include "platform/Platform.h"
#include "ui/WidgetHost.h"

#include <utility>

namespace {

using Kind = ScriptCommand::Kind;

std::string NoWindow(const ScriptCommand& command) {
    return "'" + std::string(command.Name()) + "': no window is open";
}

}  // namespace

CScriptRunner::CScriptRunner(CPlatform& platform, CScriptedGame& game, CScriptSource source,
                             std::function<void(const std::string&)> print, CRecorder* recorder)
    : platform_(platform),
      game_(game),
      source_(std::move(source)),
      print_(std::move(print)),
      recorder_(recorder) {}

void CScriptRunner::Install() {
    platform_.SetInputSource([this] { return Advance(false); });
    // Standard input may keep the next command waiting: meanwhile the window
    // goes on painting, and each line that arrives wakes the loop. Asked
    // right after Advance stopped to wait, readiness is denied whatever has
    // arrived since, so the loop takes that empty answer as "not yet", never
    // as the end of the script.
    platform_.SetInputReadiness(
        [this] { return finished_ || (!std::exchange(stoppedToWait_, false) && source_.Ready()); });
    source_.OnReady([platform = &platform_] { platform->Wake(); });
}

void CScriptRunner::RunRest() {
    loopRunning_ = false;
    // With the loop over there is no active window: input fails in Advance.
    Advance(true);
}

CWindow* CScriptRunner::ActiveWindow() const {
    if (!loopRunning_) return nullptr;
    const std::vector<CWindow*> windows = platform_.Windows();
    return windows.empty() ? nullptr : windows.back();
}

std::optional<InputEvent> CScriptRunner::Advance(bool mayWait) {
    while (!finished_) {
        if (!mayWait && !source_.Ready()) {
            stoppedToWait_ = true;
            return std::nullopt;
        }
        const CErrorOr<std::optional<ScriptCommand>> next = source_.Next();
        if (!next) {
            Fail(kUsage, next.Reason());
            return std::nullopt;
        }
        const std::optional<ScriptCommand>& command = *next;
        if (!command) {
            finished_ = true;
            return std::nullopt;
        }
        CWindow* active = ActiveWindow();
        if (const std::optional<InputEvent> event = command->Event()) {
            if (active) return event;
            Fail(kFailure, source_.Where(*command) + NoWindow(*command));
            return std::nullopt;
        }
        if (command->kind == Kind::Quit) {
            finished_ = true;
            if (loopRunning_) platform_.Quit(0);
            return std::nullopt;
        }
        if (!RunInspection(*command, active)) return std::nullopt;
    }
    return std::nullopt;
}

bool CScriptRunner::RunInspection(const ScriptCommand& command, CWindow* active) {
    switch (command.kind) {
        case Kind::Seed:
            game_.Reseed(command.seed);
            if (recorder_) recorder_->Seed(command.seed);
            return true;
        case Kind::State:
            print_(game_.StateLine());
            return true;
        case Kind::Windows:
            print_(WindowListJson(loopRunning_ ? platform_.Windows() : std::vector<CWindow*>{}));
            return true;
        case Kind::Widgets: {
            if (!active) break;
            const auto* host = dynamic_cast<const CWidgetHost*>(active->GetHandler());
            // A message box draws itself without a widget tree.
            print_(host ? WidgetTreeJson(*host) : "null");
            return true;
        }
        case Kind::Access: {
            if (!active) break;
            const CAccessNode* tree = active->GetAccessTree();
            print_(tree ? AccessJson(*tree) : "null");
            return true;
        }
        case Kind::Shot: {
            if (!active) break;
            const CErrorOr<void> written = active->WritePng(command.file);
            if (written) return true;
            Fail(kFailure, source_.Where(command) + "'shot': " + written.Reason());
            return false;
        }
        default:
            return true;
    }
    Fail(kFailure, source_.Where(command) + NoWindow(command));
    return false;
}

void CScriptRunner::Fail(int code, const std::string& message) {
    error_ = message;
    exitCode_ = code;
    finished_ = true;
    if (loopRunning_) platform_.Quit(code);
}
