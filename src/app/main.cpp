// Quorvanel: entry point. The command line, the window system and the game
// are set up by RunProgram (app/Program.h).
#include "app/Program.h"

#include <string>
#include <vector>

int main(int argc, char** argv) { return RunProgram(std::vector<std::string>(argv + 1, argv + argc)); }
