// Whether the game's face can be used, whichever way it is found (the desktop
// asks fontconfig, FontconfigLookup.cpp; the browser build embeds it).
#include "platform/FontFile.h"

#include "platform/FontFace.h"

#include <cstdio>
#include <cstdlib>

std::string FontProblem() {
    FontFile file;
    std::string error;
    if (!FindFontFile(kSongFamily, &file, &error)) return error;
    if (!CFontFace::CanOpen(file, &error)) return error;
    return {};
}

void ExitForMissingFont(const std::string& reason) {
    std::fprintf(stderr, "%s\n", reason.c_str());
    std::exit(1);
}
