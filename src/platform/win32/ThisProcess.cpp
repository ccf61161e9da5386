// The running program and its libraries on Windows (see ThisProcess.h).
#include "platform/ThisProcess.h"

#include "base/SystemFile.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

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

void* LoadLibraryFile(const std::filesystem::path& path) { return LoadLibraryW(path.c_str()); }

void* LibrarySymbol(void* library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}
