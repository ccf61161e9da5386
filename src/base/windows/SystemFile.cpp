// The system's file calls on Windows (see SystemFile.h), through the C
// runtime's wide calls: a UTF-8 path becomes UTF-16 on the way in, so that a
// name outside the code page (Chinese on a Western Windows) still works.
#include "base/SystemFile.h"

#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>

#include <cerrno>

namespace SystemFile {

namespace {

Facts FactsFrom(const struct _stat64& status) {
    // The C runtime gives no file number (st_ino is 0): the identity stays unknown.
    return {(status.st_mode & _S_IFMT) == _S_IFREG, (status.st_mode & _S_IFMT) == _S_IFDIR,
            static_cast<std::uint64_t>(status.st_size), 0, 0};
}

std::wstring Wide(const std::string& utf8) { return PathOf(utf8).wstring(); }

}  // namespace

int Open(const std::string& path, Access access) {
    constexpr int kAlways = _O_BINARY | _O_NOINHERIT;
    const std::wstring name = Wide(path);
    switch (access) {
        case Access::Read:
        case Access::ReadWithoutWaiting:
            return ::_wopen(name.c_str(), _O_RDONLY | kAlways);
        case Access::Overwrite:
            return ::_wopen(name.c_str(), _O_WRONLY | _O_TRUNC | kAlways);
        case Access::CreateNew:
            return ::_wopen(name.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | kAlways, _S_IREAD | _S_IWRITE);
    }
    return -1;
}

std::ptrdiff_t Read(int fd, void* buffer, std::size_t size) {
    return ::_read(fd, buffer, static_cast<unsigned>(size));
}

std::ptrdiff_t ReadAt(int fd, void* buffer, std::size_t size, std::uint64_t offset) {
    if (::_lseeki64(fd, static_cast<__int64>(offset), SEEK_SET) < 0) return -1;
    return Read(fd, buffer, size);
}

std::ptrdiff_t Write(int fd, const void* bytes, std::size_t size) {
    return ::_write(fd, bytes, static_cast<unsigned>(size));
}

int Sync(int fd) { return ::_commit(fd); }

int Close(int fd) { return ::_close(fd); }

std::FILE* OpenStream(const std::string& path, const char* mode) {
    // "N": not inherited, the C runtime's letter.
    const std::wstring wideMode = PathOf(std::string(mode) + "N").wstring();
    return ::_wfopen(Wide(path).c_str(), wideMode.c_str());
}

int FactsOf(int fd, Facts* facts) {
    struct _stat64 status {};
    if (::_fstat64(fd, &status) != 0) return -1;
    *facts = FactsFrom(status);
    return 0;
}

int FactsAt(const std::string& path, Facts* facts) {
    struct _stat64 status {};
    // The C runtime's stat finds no name that ends in a separator: it goes.
    std::filesystem::path name = PathOf(path);
    if (!name.has_filename() && name != name.root_path()) name = name.parent_path();
    if (::_wstat64(name.c_str(), &status) != 0) return -1;
    *facts = FactsFrom(status);
    return 0;
}

bool SameFile(const Facts&, const Facts&) { return false; }

// Windows lets anyone create files in a folder its access check passes for writing.
bool MayWriteIn(const std::string& folder) { return ::_waccess(Wide(folder).c_str(), 2) == 0; }

bool MayRead(const std::string& path) { return ::_waccess(Wide(path).c_str(), 4) == 0; }

int DuplicateStandardInput() {
    const int fd = ::_dup(kStandardInput);
    // Script lines are read as bytes, their line ends included.
    if (fd >= 0) ::_setmode(fd, _O_BINARY);
    return fd;
}

void BinaryStandardOutput() { ::_setmode(kStandardOutput, _O_BINARY); }

// The C runtime marks a stream it found no handle for with -2, a closed one with -1.
bool HasStandardStream(int fd) { return ::_get_osfhandle(fd) >= 0; }

void UseConsoleFor(int fd) {
    const int console = fd == kStandardInput ? ::_wopen(L"CONIN$", _O_RDONLY | _O_BINARY)
                                             : ::_wopen(L"CONOUT$", _O_WRONLY | _O_BINARY);
    if (console < 0) return;
    ::_dup2(console, fd);
    ::_close(console);
}

int ProcessId() { return ::_getpid(); }

std::optional<std::filesystem::path> ProgramFile() {
    // The C runtime's wide name of the program, set with a plain main too.
    const wchar_t* program = _wpgmptr;
    if (!program || !*program) return std::nullopt;
    return std::filesystem::path(program);
}

std::filesystem::path PathOf(const std::string& utf8) {
    return std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size());
}

std::string Utf8Of(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(reinterpret_cast<const char*>(utf8.data()), utf8.size());
}

}  // namespace SystemFile
