// The running program and its libraries on Linux (see ThisProcess.h).
#include "platform/ThisProcess.h"

#include <dlfcn.h>

#include <system_error>

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

// A Linux program always has the standard streams its starter gave it.
void ConnectParentConsole() {}

void* LoadLibraryFile(const std::filesystem::path& path) {
    return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* LibrarySymbol(void* library, const char* name) { return dlsym(library, name); }
