// Finding a face's font file: the file the user names, else the host's lookup.
#include "gfx/FontFile.h"

#include <cstdlib>

const char* FontFileFromEnvironment() {
    const char* path = std::getenv("QUORVANEL_FONT");
    return path && *path ? path : nullptr;
}

bool FindFontFile(std::string_view faceName, FontFile* file, std::string* error) {
    if (const char* path = FontFileFromEnvironment()) {
        *file = {path, -1};
        return true;
    }
    return FindHostFontFile(faceName, file, error);
}
