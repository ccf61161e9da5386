// Test helper: a descriptor that reads text to its end, as standard input
// fed from a file would (an unnamed file in memory; on Windows a temporary
// file the system removes at its close), so that text of any length is
// there before the first read. Whoever reads it closes it.
#pragma once

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#else
#include <sys/mman.h>
#include <unistd.h>
#endif

#include <string>

inline int TextDescriptor(const std::string& text) {
#ifdef _WIN32
    static int made = 0;
    const std::wstring path = (std::filesystem::temp_directory_path() /
                               ("quorvanel-text-" + std::to_string(_getpid()) + "-" + std::to_string(made++)))
                                  .wstring();
    const int fd =
        _wopen(path.c_str(), _O_RDWR | _O_CREAT | _O_TRUNC | _O_BINARY | _O_TEMPORARY, _S_IREAD | _S_IWRITE);
    if (fd < 0 ||
        _write(fd, text.data(), static_cast<unsigned>(text.size())) != static_cast<int>(text.size()) ||
        _lseek(fd, 0, SEEK_SET) != 0)
        return -1;
#else
    const int fd = memfd_create("text", MFD_CLOEXEC);
    if (fd < 0 || write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size()) ||
        lseek(fd, 0, SEEK_SET) != 0)
        return -1;
#endif
    return fd;
}
