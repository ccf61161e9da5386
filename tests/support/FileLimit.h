// Test helpers for writes that fail: a file size limit for the process (run
// it in a child, as EXPECT_EXIT does), and an image whose PNG is far larger
// than such a limit.
#pragma once

#include "gfx/FrameBuffer.h"
#include "support/OnlyOnPosix.h"

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <csignal>
#include <cstdint>

// Windows has no file size limit for a process: a test that stands one in
// for a full disk starts with this and is skipped there.
#define SKIP_WITHOUT_FILE_SIZE_LIMIT() SKIP_ON_WINDOWS("a process has no file size limit")
#ifdef _WIN32
inline void LimitFileSize(std::uint64_t) { ADD_FAILURE() << "no file size limit on Windows: skip the test"; }
#else
// Writes past bytes fail with EFBIG instead of ending the process.
inline void LimitFileSize(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    setrlimit(RLIMIT_FSIZE, &limit);
}
#endif

// Pixels from a linear congruential sequence: they do not compress.
inline CFrameBuffer Noise(int width, int height) {
    CFrameBuffer image(width, height);
    std::uint32_t state = 1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            image.SetPixel(x, y, state >> 8);
        }
    return image;
}
