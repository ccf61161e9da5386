// The system's file calls on POSIX systems (see SystemFile.h): the calls
// themselves, as paths are bytes there.
#include "base/SystemFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SystemFile {

namespace {

Facts FactsFrom(const struct stat& status) {
    return {S_ISREG(status.st_mode), S_ISDIR(status.st_mode), static_cast<std::uint64_t>(status.st_size),
            static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

}  // namespace

int Open(const std::string& path, Access access) {
    switch (access) {
        case Access::Read:
            return ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        case Access::ReadWithoutWaiting:
            return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        case Access::Overwrite:
            return ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        case Access::CreateNew:
            return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    }
    return -1;
}

std::ptrdiff_t Read(int fd, void* buffer, std::size_t size) { return ::read(fd, buffer, size); }

std::ptrdiff_t ReadAt(int fd, void* buffer, std::size_t size, std::uint64_t offset) {
    return ::pread(fd, buffer, size, static_cast<off_t>(offset));
}

std::ptrdiff_t Write(int fd, const void* bytes, std::size_t size) { return ::write(fd, bytes, size); }

int Sync(int fd) { return ::fsync(fd); }

int Close(int fd) { return ::close(fd); }

std::FILE* OpenStream(const std::string& path, const char* mode) {
    // "e": close on exec, glibc's own letter.
    return std::fopen(path.c_str(), (std::string(mode) + "e").c_str());
}

int FactsOf(int fd, Facts* facts) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) return -1;
    *facts = FactsFrom(status);
    return 0;
}

int FactsAt(const std::string& path, Facts* facts) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return -1;
    *facts = FactsFrom(status);
    return 0;
}

bool SameFile(const Facts& a, const Facts& b) { return a.device == b.device && a.node == b.node; }

bool MayWriteIn(const std::string& folder) { return ::access(folder.c_str(), W_OK | X_OK) == 0; }

bool MayRead(const std::string& path) { return ::access(path.c_str(), R_OK) == 0; }

int DuplicateStandardInput() { return ::fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 0); }

void BinaryStandardOutput() {}

int ProcessId() { return static_cast<int>(::getpid()); }

std::optional<std::filesystem::path> ProgramFile() {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::nullopt;
    return program;
}

std::filesystem::path PathOf(const std::string& utf8) { return utf8; }

std::string Utf8Of(const std::filesystem::path& path) { return path.string(); }

}  // namespace SystemFile
