// CRecorder: writes a session to a file in the script language, so that
// --script replays it: first the seed as a "seed N" line, then every input
// event the active window got (real or scripted) and every re-seed, one
// command a line, each flushed at once so that a session that ends abruptly
// still leaves its events. Keys that no handler acts on (no letter, Return
// or Escape) are left out. A line that cannot be written (a full disk) is
// remembered, so that the program does not end as if the recording were whole.
#pragma once

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>

struct InputEvent;

class CRecorder {
public:
    // Creates or replaces the file; null with "FILE: reason" in *error on failure.
    static std::optional<CRecorder> Create(const std::string& path, std::string* error);

    void Seed(std::uint64_t seed);
    void Event(const InputEvent& event);

    // Empty while every line reached the file; otherwise "FILE: reason".
    const std::string& Error() const { return error_; }

private:
    CRecorder(std::string path, std::ofstream file) : path_(std::move(path)), file_(std::move(file)) {}
    void WriteLine(const std::string& line);

    std::string path_;
    std::ofstream file_;
    std::string error_;
};
