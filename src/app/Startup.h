// The program's start-up, the same on every host: the options, the font
// check, the game world, the windows, the script and the event loop, with
// the host's parts (CProgramHost) apart. Returns the exit code: 0, kFailure
// (no display, a broken font, a file that cannot be read or written, a
// failed script command) or kUsage (a bad command line or a script syntax
// error; automation/ExitCode.h).
#pragma once

#include <string>
#include <vector>

class CProgramHost;

// arguments excludes the program name.
int RunStartup(const std::vector<std::string>& arguments, CProgramHost& host);
