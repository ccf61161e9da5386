// Quorvanel: entry point. The command line, the window system and the game
// are set up by RunProgram (app/Program.h).
#include "app/Program.h"

#include <csignal>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    // Past a file size limit (ulimit -f) a write then fails, and the picture
    // and recording code report it and remove their temporary files, instead
    // of the process being killed halfway through a file.
    std::signal(SIGXFSZ, SIG_IGN);
    return RunProgram(std::vector<std::string>(argv + 1, argv + argc));
}
