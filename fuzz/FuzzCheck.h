// What the fuzz targets hold every input to. A broken rule aborts, which
// libFuzzer reports as a finding with the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

inline void FuzzCheck(bool holds, const char* rule) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s\n", rule);
    std::abort();
}

// An error message for the terminal: one line, no control character, and
// short whatever the input (quoted input is cut to a few dozen characters).
inline void CheckMessage(std::string_view message) {
    FuzzCheck(!message.empty(), "an error has a message");
    FuzzCheck(message.size() < 1024, "a message stays short");
    for (const char c : message)
        FuzzCheck(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F, "a message holds no control character");
}
