// Files that are there whole or not at all, and small files read whole. The bytes go to a hidden temporary
// file in the target's folder, are flushed to the disk, and only then is the
// file moved to its name, so that a full disk, a file size limit or a crash
// never leaves a truncated file behind; after a failure the temporary file is
// removed. The writing functions return 0 on success, else the errno value of the
// failure (strerror gives the system's reason).
#pragma once

#include "base/ErrorOr.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

// Writes all of bytes to the open descriptor fd, through short writes and
// interruptions.
int WriteAll(int fd, std::span<const std::uint8_t> bytes);

// Writes bytes to path, replacing what is there (its permissions are kept). A
// symbolic link is followed and the file it names replaced. A path naming something other than a file
// (a device, a pipe) is written directly, as it cannot be replaced.
int WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);

// Writes bytes into folder as a new file, never replacing one: under
// nameForCopy(1), or when that is taken nameForCopy(2), and so on. Puts the
// path of the file written into *path, or on failure the path it was to have.
int WriteNewFile(const std::string& folder, const std::function<std::string(int copy)>& nameForCopy,
                 std::span<const std::uint8_t> bytes, std::string* path);

// The whole of the plain file at path when it holds at most maxSize bytes;
// else the reason (the system's, "not a plain file" for a folder, a device or
// a pipe, or "larger than N bytes"). Opened without blocking: a named pipe
// would wait for a writer.
CErrorOr<std::string> ReadSmallFile(const std::string& path, std::size_t maxSize);
