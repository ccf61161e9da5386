// Test helper: a pipe, as POSIX's pipe makes one; on Windows its C
// runtime's, binary, with room for a few lines.
#pragma once

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

inline int MakePipe(int ends[2]) {
#ifdef _WIN32
    return _pipe(ends, 4096, _O_BINARY);
#else
    return pipe(ends);
#endif
}
