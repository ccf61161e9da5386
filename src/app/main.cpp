// Quorvanel: entry point. The command line, the window system and the game
// are set up by RunProgram (app/Program.h).
#include "app/Program.h"
#include "platform/ThisProcess.h"

#include <csignal>

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // Past a file size limit (ulimit -f) a write then fails, and the picture
    // and recording code report it and remove their temporary files, instead
    // of the process being killed halfway through a file. (Windows has no such limit.)
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    ConnectParentConsole();
    return RunProgram(ProgramArguments(argc, argv));
}
