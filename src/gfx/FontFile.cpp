// The font file the user names, which FindFontFile honours before the host's.
#include "gfx/FontFile.h"

#include <cstdlib>

const char* FontFileFromEnvironment() {
    const char* path = std::getenv("QUORVANEL_FONT");
    return path && *path ? path : nullptr;
}
