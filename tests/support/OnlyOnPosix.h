// Test helper: a test of what only POSIX systems do (device files, symbolic
// links, the errno of a path through a file, permission bits, a file size
// limit, XDG's pictures folder and its paths) starts with this, and is
// skipped on Windows saying why.
#pragma once

#include <gtest/gtest.h>

#ifdef _WIN32
#define SKIP_ON_WINDOWS(why) GTEST_SKIP() << "not on Windows: " << (why)
#else
#define SKIP_ON_WINDOWS(why) static_cast<void>(0)
#endif
