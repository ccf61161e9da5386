// CScriptRunner: runs a script's commands against the running program. It is
// the platform's input source: whenever the event loop is idle (everything
// invalid painted, so a shot sees the current screen) it runs the commands
// that only inspect or re-seed, and hands the next input command to the
// platform as an event for the active window. Headless, the program ends
// when the script does; in a real window real input goes on.
//
// Errors stop the script and end the program with "NAME:LINE: message" as
// the error: exit code 2 for a syntax error (only standard input meets them
// this late), 1 for a command that cannot be carried out: a shot that
// cannot be written, or input, a shot or widgets with no window open. After
// the event loop has ended (the main window was closed), RunRest runs what
// is left: state and windows still answer (no window is open then), seed
// re-seeds, and the first command that needs a window is an error.
#pragma once

#include "automation/ScriptSource.h"

#include <functional>
#include <optional>
#include <string>

class CPlatform;
class CRecorder;
class CScriptedGame;
class CWindow;

class CScriptRunner {
public:
    // print gets each line for standard output; recorder (may be null) is
    // told of re-seeds.
    CScriptRunner(CPlatform& platform, CScriptedGame& game, CScriptSource source,
                  std::function<void(const std::string&)> print, CRecorder* recorder);

    // Makes this runner the platform's input source.
    void Install();
    void RunRest();

    // 0 while nothing failed.
    int ExitCode() const { return exitCode_; }
    const std::string& Error() const { return error_; }

private:
    // Runs commands up to the next input event; none when the script is over,
    // or, unless it may wait, when the next command has not arrived yet.
    std::optional<InputEvent> Advance(bool mayWait);
    // Runs one command that is not an input; false when it failed.
    bool RunInspection(const ScriptCommand& command, CWindow* active);
    CWindow* ActiveWindow() const;
    void Fail(int code, const std::string& message);

    CPlatform& platform_;
    CScriptedGame& game_;
    CScriptSource source_;
    std::function<void(const std::string&)> print_;
    CRecorder* recorder_;
    bool loopRunning_ = true;
    bool finished_ = false;
    bool stoppedToWait_ = false;  // the last Advance returned for want of a line
    int exitCode_ = 0;
    std::string error_;
};
