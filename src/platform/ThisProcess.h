// What the system says of the running process: its command line, and
// libraries loaded while it runs (its program file: base/SystemFile.h).
// Defined for each system (linux/, win32/).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The arguments after the program's name, in UTF-8, from main's.
// Windows hands main its arguments in the code page, where a character
// outside it is lost: they are read again from its own UTF-16 command line.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Connects the standard streams the process was started without to the
// console of the process that started it, when it has one: a Windows GUI
// program is given none, yet --help, --version and a script's lines typed in
// a console are to appear there (a pipe or a file it is handed stays as it
// is). Nothing to do elsewhere.
void ConnectParentConsole();

// Loads the library at path for the rest of the run; null when it cannot.
void* LoadLibraryFile(const std::filesystem::path& path);
// The address of name in a library LoadLibraryFile gave; null when it has none.
void* LibrarySymbol(void* library, const char* name);
