// Test helper: POSIX's setenv and unsetenv on Windows as well (its C
// runtime's _putenv_s, where an empty value removes the variable), for the
// tests that set environment variables.
#pragma once

#include <cstdlib>

#ifdef _WIN32
inline int setenv(const char* name, const char* value, int overwrite) {
    if (!overwrite && std::getenv(name)) return 0;
    return _putenv_s(name, value);
}
inline int unsetenv(const char* name) { return _putenv_s(name, ""); }
#endif
