// The program's command line:
//   quorvanel [--seed N] [--scale N] [--lang LANG] [--headless] [--script FILE] [--record FILE] [--help]
//             [--version]
// Each option may also be written --option=VALUE. An unknown option, a
// missing or malformed value, an option given twice or a stray argument is
// an error with a one-line message (the program then exits with code 2).
#pragma once

#include "base/ErrorOr.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct CommandLineOptions {
    bool help = false;
    bool version = false;
    bool headless = false;
    std::optional<std::uint64_t> seed;    // none: seeded from the clock
    std::optional<int> scale;             // none: QUORVANEL_SCALE or the desktop's
    std::optional<std::string> language;  // none: from the environment
    std::optional<std::string> script;    // "-": standard input
    std::optional<std::string> record;
};

// arguments excludes the program name. Fails with a one-line message.
CErrorOr<CommandLineOptions> ParseCommandLine(const std::vector<std::string>& arguments);

// What --help prints.
std::string CommandLineHelp();

// What --version prints: "quorvanel X.Y.Z", the project's version, and a newline.
std::string CommandLineVersion();
