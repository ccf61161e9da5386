// The system's calls on files for the whole program, the one place that
// makes them: paths are UTF-8 on every system (Windows: its wide calls,
// whatever the code page), files are opened binary and are not inherited by
// programs the game would start. Each call returns what its POSIX namesake
// does: a byte count, a descriptor or 0, and -1 with errno set on failure.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace SystemFile {

// The standard streams' descriptors.
inline constexpr int kStandardInput = 0;
inline constexpr int kStandardOutput = 1;
inline constexpr int kStandardError = 2;

enum class Access {
    Read,
    // For reading, without waiting for a writer should path name a pipe.
    ReadWithoutWaiting,
    // For writing over what the file holds.
    Overwrite,
    // For writing a file that must not exist yet (permissions: 0666 and the umask).
    CreateNew,
};

int Open(const std::string& path, Access access);
std::ptrdiff_t Read(int fd, void* buffer, std::size_t size);
// Reads at offset (the descriptor's own position may move on Windows).
std::ptrdiff_t ReadAt(int fd, void* buffer, std::size_t size, std::uint64_t offset);
std::ptrdiff_t Write(int fd, const void* bytes, std::size_t size);
// Waits until what was written is on the disk.
int Sync(int fd);
int Close(int fd);

// C's stream for path: fopen's modes ("rb", "wb").
std::FILE* OpenStream(const std::string& path, const char* mode);

struct Facts {
    bool plain = false;
    bool folder = false;
    std::uint64_t size = 0;
    // Which file it is, where the system says (not Windows' C runtime).
    std::uint64_t device = 0;
    std::uint64_t node = 0;
};
int FactsOf(int fd, Facts* facts);
int FactsAt(const std::string& path, Facts* facts);
// Whether the two are the same file; false where the system does not say.
bool SameFile(const Facts& a, const Facts& b);

// Whether this process may create files in folder (an existing folder).
bool MayWriteIn(const std::string& folder);
// Whether this process may read path.
bool MayRead(const std::string& path);

// A descriptor of standard input of its own, for a reader that closes it.
int DuplicateStandardInput();
// Standard output as bytes: Windows' C runtime would turn "\n" into "\r\n".
void BinaryStandardOutput();
#ifdef _WIN32
// Whether the process was started with standard stream fd: Windows starts a
// GUI program with none, unless its starter hands some down (a pipe, a file).
bool HasStandardStream(int fd);
// Connects the descriptor of standard stream fd to the console the process
// is attached to (platform/ThisProcess.h attaches it). C's stdio stream on
// it stays dead: the C runtime gave it up at the start.
void UseConsoleFor(int fd);
#endif
// This process's number, for names no other process uses at the same time.
int ProcessId();
// The program file of this process, as the C runtime or the system says;
// none when they do not.
std::optional<std::filesystem::path> ProgramFile();

// The path of a UTF-8 name for std::filesystem, and back.
std::filesystem::path PathOf(const std::string& utf8);
std::string Utf8Of(const std::filesystem::path& path);

}  // namespace SystemFile
