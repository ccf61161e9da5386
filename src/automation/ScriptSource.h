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
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class CScriptSource {
public:
    // Reads and parses the whole file; fails with "FILE:LINE: message" (or
    // "FILE: reason" when it cannot be read).
    static CErrorOr<CScriptSource> FromFile(const std::string& path);
    // The same check for a whole text already open; name is what errors call it.
    static CErrorOr<CScriptSource> FromWholeText(std::string_view text, const std::string& name);
    // Takes the lines as they arrive; name is what errors call it.
    static CScriptSource FromLines(std::unique_ptr<CLineSource> lines, std::string name);
    // Takes fd's lines as they arrive (ReadDescriptorLines, which closes fd
    // at the end); "-" names standard input.
    static CScriptSource FromDescriptor(int fd, std::string name);

    // The next command, or none at the end; fails at a syntax error with
    // "NAME:LINE: message", and then the source has ended.
    CErrorOr<std::optional<ScriptCommand>> Next();
    // Whether Next can answer without waiting for a line to arrive.
    bool Ready() const;
    // Called from another thread when a line arrives (see CLineSource).
    void OnReady(std::function<void()> wake);
    // "NAME:LINE: " for messages about command.
    std::string Where(const ScriptCommand& command) const;

private:
    CScriptSource(std::string name, std::unique_ptr<CLineSource> lines)
        : name_(std::move(name)), lines_(std::move(lines)) {}
    // Parses the next line and queues its command; fails with "NAME:LINE:
    // message" at a syntax error.
    CErrorOr<void> Parse(const std::string& line);

    std::string name_;
    std::unique_ptr<CLineSource> lines_;  // null once everything is parsed
    int linesRead_ = 0;                   // the lines parsed so far
    std::deque<ScriptCommand> parsed_;
};
