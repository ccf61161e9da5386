// Test helper: a descriptor that reads text to its end, as standard input
// fed from a file would (an unnamed file in memory, so that text of any
// length is there before the first read). Whoever reads it closes it.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <string>

inline int TextDescriptor(const std::string& text) {
    const int fd = memfd_create("text", MFD_CLOEXEC);
    if (fd < 0 || write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size()) ||
        lseek(fd, 0, SEEK_SET) != 0)
        return -1;
    return fd;
}
