// The running program and its libraries on Windows (see ThisProcess.h).
#include "platform/ThisProcess.h"

#include "base/SystemFile.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include <cstdlib>
#include <memory>

std::vector<std::string> ProgramArguments(int, char**) {
    int count = 0;
    const std::unique_ptr<LPWSTR, decltype(&LocalFree)> arguments(
        CommandLineToArgvW(GetCommandLineW(), &count), &LocalFree);
    std::vector<std::string> utf8;
    for (int i = 1; arguments && i < count; ++i)
        utf8.push_back(SystemFile::Utf8Of(std::filesystem::path(arguments.get()[i])));
    return utf8;
}

void ConnectParentConsole() {
    using SystemFile::HasStandardStream;
    const int streams[] = {SystemFile::kStandardInput, SystemFile::kStandardOutput,
                           SystemFile::kStandardError};
    bool missing = false;
    for (const int fd : streams) missing = missing || !HasStandardStream(fd);
    if (!missing) return;
    // Started from the Start Menu or Explorer there is no console to attach
    // to; one the process is attached to already (Wine attaches a GUI
    // program to its starter's) is used as it is.
    if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED) return;
    for (const int fd : streams)
        if (!HasStandardStream(fd)) SystemFile::UseConsoleFor(fd);
    // What the game prints is UTF-8; the console's own code page is put back at the end.
    static const UINT outputCodePage = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
    std::atexit([] { SetConsoleOutputCP(outputCodePage); });
}

void* LoadLibraryFile(const std::filesystem::path& path) { return LoadLibraryW(path.c_str()); }

void* LibrarySymbol(void* library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}
