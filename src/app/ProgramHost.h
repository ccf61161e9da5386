// CProgramHost: what sets apart the hosts the program starts on, the desktop
// (a command line, Program.cpp) and the web page (web/main.cpp). The start-up
// they share (Startup.h) asks the host for these parts and does the rest.
#pragma once

#include "app/CommandLine.h"
#include "automation/Recorder.h"
#include "automation/ScriptSource.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class CPlatform;

class CProgramHost {
public:
    virtual ~CProgramHost() = default;

    // A line of the program's output: what a script command prints, --help.
    virtual void Print(const std::string& line) = 0;
    // A message of the program's own: a warning, or why it ends.
    virtual void Report(const std::string& message) = 0;
    // A script's error as it reads ("NAME:LINE: message", like a compiler's).
    virtual void ReportScriptError(const std::string& message) = 0;
    // A warning the program goes on after (a catalog it cannot use).
    virtual void Warn(const std::string& message) { Report(message); }
    // The folders the game's catalogs are looked for in, in order (CatalogFiles.h).
    virtual std::vector<std::string> CatalogFolders() const = 0;
    // The languages the system's user chose, after --lang and the
    // environment (LanguageChoice.h); none where the environment says all.
    virtual std::vector<std::string> SystemLanguages() const { return {}; }

    // Fails with why this host cannot carry out the options.
    virtual CErrorOr<void> CheckOptions(const CommandLineOptions& options) = 0;
    // The script to run, or none; fails with the script's error.
    virtual CErrorOr<std::optional<CScriptSource>> OpenScript(const CommandLineOptions& options) = 0;
    // The window system; fails with why there is none.
    virtual CErrorOr<std::unique_ptr<CPlatform>> CreatePlatform(const CommandLineOptions& options) = 0;
    // The recording to keep, or none; fails with why it cannot be kept.
    virtual CErrorOr<std::optional<CRecorder>> OpenRecording(const CommandLineOptions& options) = 0;

    // The main window has closed; the script may still run.
    virtual void GameOver() {}
    // The program ends with code, after everything above was reported.
    virtual void Finished(int /*code*/) {}
};
