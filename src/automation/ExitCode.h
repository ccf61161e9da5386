// The program's exit codes, the same on every host: 0 when all went well,
// kFailure when something could not be done (no display, a file that cannot
// be read or written, a script command that failed), kUsage for a bad
// command line or a script's syntax error.
#pragma once

inline constexpr int kFailure = 1;
inline constexpr int kUsage = 2;
