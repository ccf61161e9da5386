// Where a script's commands come from. A file is read and parsed whole
// before anything runs, so a syntax error anywhere in it stops the program
// before a window opens. Standard input ("-") or another line source is
// taken a line at a time, as its lines arrive, so that another program can
// drive the game command by command and read each answer first; its syntax
// errors surface when their line is reached.
#pragma once

#include "automation/LineSource.h"
#include "automation/ScriptCommand.h"

#include <deque>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <string>

class CScriptSource {
public:
    // Reads and parses the whole file; on failure null with "FILE:LINE:
    // message" (or "FILE: reason" when it cannot be read) in *error.
    static std::optional<CScriptSource> FromFile(const std::string& path, std::string* error);
    // The same check for a whole text already open; name is what errors call it.
    static std::optional<CScriptSource> FromWholeText(std::istream& text, const std::string& name,
                                                      std::string* error);
    // Takes the lines as they arrive; name is what errors call it.
    static CScriptSource FromLines(std::unique_ptr<CLineSource> lines, std::string name);
    // Takes stream's lines as they arrive (ReadStreamLines); "-" names
    // standard input.
    static CScriptSource FromStream(std::shared_ptr<std::istream> stream, std::string name);

    // The next command, or none at the end or at a syntax error (then *error
    // holds "NAME:LINE: message"; otherwise it is cleared).
    std::optional<ScriptCommand> Next(std::string* error);
    // Whether Next can answer without waiting for a line to arrive.
    bool Ready() const;
    // Called from another thread when a line arrives (see CLineSource).
    void OnReady(std::function<void()> wake);
    // "NAME:LINE: " for messages about command.
    std::string Where(const ScriptCommand& command) const;

private:
    CScriptSource(std::string name, std::unique_ptr<CLineSource> lines)
        : name_(std::move(name)), lines_(std::move(lines)) {}

    std::string name_;
    std::unique_ptr<CLineSource> lines_;  // null once everything is parsed
    int linesRead_ = 0;
    std::deque<ScriptCommand> parsed_;
};
