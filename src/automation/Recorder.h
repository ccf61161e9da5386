// CRecorder: writes a session in the script language, so that --script
// replays it: first the seed as a "seed N" line, then every input
// event the active window got (real or scripted) and every re-seed, one
// command a line, each flushed at once so that a session that ends abruptly
// still leaves its events. Keys that no handler acts on (no letter, Return
// or Escape) are left out. The lines go to a file (--record) or to whatever
// else keeps them (the web page). A line that cannot be written (a full disk)
// is remembered, so that the program does not end as if the recording were
// whole.
#pragma once

#include "base/ErrorOr.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

struct InputEvent;

// Fails with why path cannot take a recording. It must be a regular file or
// not exist yet, and must not be the script being run (script; "-" is
// standard input) nor standard output or error: compared by device and
// inode, so that links to them count too. A terminal, a pipe or /dev/stdout
// is refused like "-".
CErrorOr<void> CheckRecordingTarget(const std::string& path, const std::optional<std::string>& script);

class CRecorder {
public:
    // Takes each line without its line end; fails with why it could not be
    // kept.
    using LineWriter = std::function<CErrorOr<void>(const std::string& line)>;

    explicit CRecorder(LineWriter write) : write_(std::move(write)) {}
    // Creates or replaces the file, each line flushed at once; fails with
    // "FILE: reason".
    static CErrorOr<CRecorder> Create(const std::string& path);

    void Seed(std::uint64_t seed);
    void Event(const InputEvent& event);

    // Empty while every line was kept; otherwise the first reason the
    // writer gave ("FILE: reason").
    const std::string& Error() const { return error_; }

private:
    void WriteLine(const std::string& line);

    LineWriter write_;
    std::string error_;
};
