// The font file the user names, which every host's lookup honours first.
#include "platform/FontFile.h"

#include <cstdlib>

const char* FontFileFromEnvironment() {
    const char* path = std::getenv("QUORVANEL_FONT");
    return path && *path ? path : nullptr;
}
