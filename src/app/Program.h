// The whole program behind main: reads the command line, opens the window
// system (a real display or headless), starts the game with the given seed
// or the clock's, and runs it, driven by a script and recorded when asked.
// Standard output gets only the lines that script commands print; messages
// go to standard error. Returns the exit code (Startup.h).
#pragma once

#include <string>
#include <vector>

// arguments excludes the program name.
int RunProgram(const std::vector<std::string>& arguments);
