// Where a script's commands come from. A file is read and parsed whole
// before anything runs, so a syntax error anywhere in it stops the program
// before a window opens. Standard input ("-") is read a line at a time, when
// the next command is wanted, so that another program can drive the game
// through a pipe command by command and read each answer first; its syntax
// errors surface when their line is reached.
#pragma once

#include "app/ScriptCommand.h"

#include <deque>
#include <istream>
#include <optional>
#include <string>

class CScriptSource {
public:
    // Reads and parses the whole file; on failure null with "FILE:LINE:
    // message" (or "FILE: reason" when it cannot be read) in *error.
    static std::optional<CScriptSource> FromFile(const std::string& path, std::string* error);
    // Reads stream line by line as commands are asked for; name is what
    // errors call it ("-" for standard input).
    static CScriptSource FromStream(std::istream& stream, std::string name);

    // The next command, or none at the end or at a syntax error (then *error
    // holds "NAME:LINE: message"; otherwise it is cleared).
    std::optional<ScriptCommand> Next(std::string* error);
    // "NAME:LINE: " for messages about command.
    std::string Where(const ScriptCommand& command) const;

private:
    CScriptSource(std::string name, std::istream* stream) : name_(std::move(name)), stream_(stream) {}

    std::string name_;
    std::istream* stream_;  // null once everything is parsed
    int linesRead_ = 0;
    std::deque<ScriptCommand> parsed_;
};
